// Standard MIDI File reader. Every track is validated completely here, so
// that playback can decode the raw event bytes without further checks.
#pragma once

#include <cstddef>
#include <cstdint>

struct MidiTrack {
    uint32_t length;
    unsigned char* data;
    // Playback state, left 0 by the reader.
    const unsigned char* cursor;
    uint8_t runningStatus;
    int32_t started;
    int32_t ended;
    // The song tick of the track's next event, counted from the song's top.
    uint64_t due;
    int32_t totalTicks;
};

struct MidiSong {
    int16_t format;
    int16_t trackCount;
    uint16_t division;
    uint32_t tempo;
    MidiTrack* tracks;
};

const uint32_t DEFAULT_TEMPO = 500000;
const uint8_t META_EVENT = 0xFF;
const uint8_t META_END_OF_TRACK = 0x2F;
const uint8_t META_TEMPO = 0x51;

// Meta events 0 to 6 and 0x7F carry a variable-length length; all other
// types a single length byte.
inline bool MetaLengthIsVarLen(uint8_t type)
{
    return type < 7 || type == 0x7F;
}

// Null on success, else a message. A formatted message lives in a buffer of
// the calling thread that its next failing call overwrites. On failure no
// track memory remains allocated. The song is overwritten, not freed first.
const char* LoadMidiFile(const char* path, MidiSong* song);
// The same for a file already in memory.
const char* LoadMidiMemory(const unsigned char* bytes, size_t size, MidiSong* song);

const char* ScanTrack(MidiSong* song, MidiTrack* track, int index);

// Advances cursor past the quantity; -1 when it runs past end or is too long.
int32_t ReadVarLen(const unsigned char*& cursor, const unsigned char* end);

// Safe on a partly loaded or an empty song; leaves no tracks behind.
void FreeSong(MidiSong* song);
