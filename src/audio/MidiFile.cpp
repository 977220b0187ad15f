#include "audio/MidiFile.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

namespace {

const char OPEN_FAILED[] = "File cannot be loaded for reading.";
const char HEADER_READ_FAILED[] = "Error encountered when reading the MIDI file header.";
const char HEADER_CHUNK_FAILED[] = "Error encountered when reading the MIDI header chunk.";
const char SMPTE_UNSUPPORTED[] =
    "The SMPTE time codes used in this file are not supported by this program.";
const char HEADER_INCONSISTENT[] = "Error due to inconsistent information in MIDI header chunk.";
const char FORMAT_UNSUPPORTED[] = "The format of this MIDI file is not supported by this program.";
const char ALLOCATION_FAILED[] = "Error encountered when allocating memory for this file.";
const char TRACK_READ_FAILED[] = "Error encountered when reading track chunk.";

const size_t HEADER_SIZE = 14;
const size_t RIFF_EXTRA = 6; // the rest of the 20-byte RIFF prefix after 14 bytes
const size_t TRACK_HEADER_SIZE = 8;
const uint32_t HEADER_CHUNK_LENGTH = 6;
const uint16_t SMPTE_DIVISION = 0x8000;
const int32_t MAX_TOTAL_TICKS = 0x7FFFFFFF;
const uint32_t MAX_VARLEN_BEFORE_SHIFT = 0x7FFFFF;

// Per thread: a loop-point reload on the timer thread must not overwrite a
// message the main thread is reading.
thread_local char t_TrackMessage[128];
thread_local char t_FileMessage[192];

class ByteReader {
public:
    ByteReader(const unsigned char* begin, size_t size) : pos_(begin), end_(begin + size) {}

    // Points bytes at the next count bytes and steps over them.
    bool Take(size_t count, const unsigned char*& bytes)
    {
        if (count > Remaining())
            return false;
        bytes = pos_;
        pos_ += count;
        return true;
    }
    size_t Remaining() const { return static_cast<size_t>(end_ - pos_); }

private:
    const unsigned char* pos_;
    const unsigned char* end_;
};

uint16_t BigEndian16(const unsigned char* p)
{
    return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

uint32_t BigEndian32(const unsigned char* p)
{
    return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
           (static_cast<uint32_t>(p[2]) << 8) | p[3];
}

const char* TrackError(const char* format, int index, const unsigned char* data,
                       const unsigned char* cursor)
{
    std::snprintf(t_TrackMessage, sizeof t_TrackMessage, format, index,
                  static_cast<int>(cursor - data));
    return t_TrackMessage;
}

bool FitsIn(const unsigned char* cursor, const unsigned char* end, uint32_t count)
{
    return count <= static_cast<size_t>(end - cursor);
}

// Validates one event after its delta time; sets *endOfTrack on the
// end-of-track meta event.
const char* ScanEvent(int index, const unsigned char* data, const unsigned char*& p,
                      const unsigned char* end, uint8_t& running, bool* endOfTrack)
{
    auto fail = [&](const char* format) { return TrackError(format, index, data, p); };
    if (p == end)
        return fail("Track %i Offset %i: First byte problem.");
    const uint8_t b = *p++;
    if (b == META_EVENT) {
        if (p == end)
            return fail("Track %i Offset %i: Second byte problem on meta-event.");
        const uint8_t type = *p++;
        if (!MetaLengthIsVarLen(type)) {
            if (type == META_END_OF_TRACK) {
                *endOfTrack = true;
                return nullptr;
            }
            if (p == end)
                return fail("Track %i Offset %i: Length problem on meta-event.");
            const uint32_t length = *p++;
            if (!FitsIn(p, end, length))
                return fail("Track %i Offset %i: Data problem on meta-event.");
            p += length;
            return nullptr;
        }
        const int32_t length = ReadVarLen(p, end);
        if (length < 0)
            return fail("Track %i Offset %i: Variable-length problem on meta-event.");
        if (!FitsIn(p, end, static_cast<uint32_t>(length)))
            return fail("Track %i Offset %i: Variable-length data on meta-event.");
        p += length;
        return nullptr;
    }
    if (b == 0xF0 || b == 0xF7) {
        const int32_t length = ReadVarLen(p, end);
        if (length < 0)
            return fail("Track %i Offset %i: Variable-length problem on SysEx message.");
        if (!FitsIn(p, end, static_cast<uint32_t>(length)))
            return fail("Track %i Offset %i Variable-Length data on SysEx message.");
        p += length;
        return nullptr;
    }
    if (b >= 0xF0)
        return fail("Track %i Offset %i: Incorrect first byte.");
    if (b >= 0x80) {
        running = b;
        if (p == end || *p >= 0x80)
            return fail("Track %i Offset %i: Message first data byte problem.");
        ++p;
    }
    const uint8_t kind = running & 0xF0;
    if (kind == 0xC0 || kind == 0xD0)
        return nullptr;
    if (p == end || *p >= 0x80)
        return fail("Track %i Offset %i: Message second data byte problem.");
    ++p;
    return nullptr;
}

const char* ReadTrack(ByteReader& in, MidiSong* song, int index)
{
    const unsigned char* header;
    if (!in.Take(TRACK_HEADER_SIZE, header) || std::memcmp(header, "MTrk", 4) != 0)
        return TRACK_READ_FAILED;
    MidiTrack* track = &song->tracks[index];
    const uint32_t length = BigEndian32(header + 4);
    // Checked before allocating, so an absurd length cannot claim memory.
    const unsigned char* bytes;
    if (!in.Take(length, bytes))
        return TRACK_READ_FAILED;
    track->data = new (std::nothrow) unsigned char[length];
    if (!track->data)
        return ALLOCATION_FAILED;
    track->length = length;
    std::memcpy(track->data, bytes, length);
    if (const char* problem = ScanTrack(song, track, index)) {
        std::snprintf(t_FileMessage, sizeof t_FileMessage, "Error encountered in file: %s",
                      problem);
        return t_FileMessage;
    }
    return nullptr;
}

const char* ReadHeader(ByteReader& in, MidiSong* song)
{
    const unsigned char* header;
    if (!in.Take(HEADER_SIZE, header))
        return HEADER_READ_FAILED;
    if (std::memcmp(header, "RIFF", 4) == 0) {
        const unsigned char* skipped;
        if (!in.Take(RIFF_EXTRA, skipped) || !in.Take(HEADER_SIZE, header))
            return HEADER_READ_FAILED;
    }
    if (std::memcmp(header, "MThd", 4) != 0 || BigEndian32(header + 4) != HEADER_CHUNK_LENGTH)
        return HEADER_CHUNK_FAILED;
    song->format = static_cast<int16_t>(BigEndian16(header + 8));
    song->trackCount = static_cast<int16_t>(BigEndian16(header + 10));
    song->division = BigEndian16(header + 12);
    if (song->division & SMPTE_DIVISION)
        return SMPTE_UNSUPPORTED;
    song->tempo = DEFAULT_TEMPO;
    // A negative count would size the track array absurdly.
    if (song->format < 0 || song->format > 2 || song->trackCount < 0 ||
        (song->format == 0 && song->trackCount != 1))
        return HEADER_INCONSISTENT;
    if (song->format == 2)
        return FORMAT_UNSUPPORTED;
    return nullptr;
}

} // namespace

int32_t ReadVarLen(const unsigned char*& cursor, const unsigned char* end)
{
    uint32_t value = 0;
    for (;;) {
        if (cursor >= end)
            return -1;
        const uint8_t b = *cursor++;
        if (value > MAX_VARLEN_BEFORE_SHIFT)
            return -1;
        value = (value << 7) | (b & 0x7F);
        if (b < 0x80)
            return static_cast<int32_t>(value);
    }
}

const char* ScanTrack(MidiSong* song, MidiTrack* track, int index)
{
    const unsigned char* data = track->data;
    const unsigned char* end = data + track->length;
    const unsigned char* p = data;
    uint8_t running = 0;
    int64_t total = 0;
    track->totalTicks = 0;
    for (;;) {
        const int32_t delta = ReadVarLen(p, end);
        if (delta < 0)
            return TrackError("Track %i Offset %i: Delta-time problem.", index, data, p);
        total += delta;
        if (total > MAX_TOTAL_TICKS)
            return TrackError("Track %i Offset %i: Total ticks can't fit in integer.", index,
                              data, p);
        track->totalTicks = static_cast<int32_t>(total);
        bool endOfTrack = false;
        if (const char* problem = ScanEvent(index, data, p, end, running, &endOfTrack))
            return problem;
        if (endOfTrack)
            return nullptr;
    }
}

const char* LoadMidiMemory(const unsigned char* bytes, size_t size, MidiSong* song)
{
    *song = MidiSong{};
    ByteReader in(bytes, size);
    if (const char* problem = ReadHeader(in, song))
        return problem;
    song->tracks = new (std::nothrow) MidiTrack[song->trackCount]();
    if (!song->tracks)
        return ALLOCATION_FAILED;
    for (int i = 0; i < song->trackCount; ++i) {
        if (const char* problem = ReadTrack(in, song, i)) {
            FreeSong(song);
            return problem;
        }
    }
    return nullptr;
}

const char* LoadMidiFile(const char* path, MidiSong* song)
{
    *song = MidiSong{};
    std::FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (!file)
        return OPEN_FAILED;
    std::vector<unsigned char> bytes;
    try {
        unsigned char chunk[4096];
        size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
            bytes.insert(bytes.end(), chunk, chunk + got);
    } catch (const std::bad_alloc&) {
        std::fclose(file);
        return ALLOCATION_FAILED;
    }
    // A read error leaves a short file, which the checks below then refuse.
    std::fclose(file);
    return LoadMidiMemory(bytes.data(), bytes.size(), song);
}

void FreeSong(MidiSong* song)
{
    if (song->tracks) {
        for (int i = 0; i < song->trackCount; ++i)
            delete[] song->tracks[i].data;
        delete[] song->tracks;
    }
    song->tracks = nullptr;
    song->trackCount = 0;
}
