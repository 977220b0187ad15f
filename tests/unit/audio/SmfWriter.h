// Standard MIDI Files built byte by byte for the tests.
#pragma once

#include <cstdint>
#include <vector>

typedef std::vector<uint8_t> Bytes;

inline Bytes Cat(Bytes head, const Bytes& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

inline Bytes BigEndian(uint32_t value, int size)
{
    Bytes out;
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
    return out;
}

// A track's bytes: middle C for `length` ticks (under 128) on channel 0, then its end.
inline Bytes OneNote(uint8_t length)
{
    return {0, 0x90, 60, 100, length, 0x80, 60, 0, 0, 0xFF, 0x2F, 0};
}

inline Bytes Chunk(const char* tag, const Bytes& data)
{
    return Cat(Cat(Bytes(tag, tag + 4), BigEndian(static_cast<uint32_t>(data.size()), 4)), data);
}

// A header chunk of `length` bytes: the three fields, then zeros.
inline Bytes HeaderChunk(int format, int trackCount, int division, size_t length = 6)
{
    Bytes fields = Cat(Cat(BigEndian(format, 2), BigEndian(trackCount, 2)), BigEndian(division, 2));
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
