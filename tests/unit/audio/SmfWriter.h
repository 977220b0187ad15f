// Standard MIDI Files built byte by byte for the tests.
#pragma once

#include <cstdint>
#include <vector>

#include "testing/Pictures.h" // Bytes

inline Bytes Cat(Bytes head, const Bytes& tail) { return head.insert(head.end(), tail.begin(), tail.end()), head; }

// A track's bytes: middle C for `length` ticks (under 128) on channel 0, then its end.
inline Bytes OneNote(uint8_t length) { return {0, 0x90, 60, 100, length, 0x80, 60, 0, 0, 0xFF, 0x2F, 0}; }

// The tag, the data's length as four bytes, most significant first, and the data.
inline Bytes Chunk(const char* tag, const Bytes& data)
{
    const size_t n = data.size();
    return Cat({uint8_t(tag[0]), uint8_t(tag[1]), uint8_t(tag[2]), uint8_t(tag[3]),
                uint8_t(n >> 24), uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n)}, data);
}

// A header chunk of `length` bytes: format, track count and division, then zeros.
inline Bytes HeaderChunk(int format, int tracks, int division, size_t length = 6)
{
    Bytes fields = {uint8_t(format >> 8), uint8_t(format), uint8_t(tracks >> 8), uint8_t(tracks),
                    uint8_t(division >> 8), uint8_t(division)};
    fields.resize(length);
    return Chunk("MThd", fields);
}

inline Bytes Smf(int format, int division, const std::vector<Bytes>& tracks)
{
    Bytes out = HeaderChunk(format, static_cast<int>(tracks.size()), division);
    for (const Bytes& track : tracks)
        out = Cat(out, Chunk("MTrk", track));
    return out;
}
