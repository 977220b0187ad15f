// Builds Standard MIDI Files byte by byte for the tests.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

typedef std::vector<uint8_t> Bytes;

inline void AppendBigEndian(Bytes& out, uint32_t value, int size)
{
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

// One track's event bytes.
class TrackWriter {
public:
    TrackWriter& Event(uint32_t delta, const Bytes& bytes)
    {
        int shift = 28;
        while (shift > 0 && !(delta >> shift))
            shift -= 7;
        for (; shift > 0; shift -= 7)
            bytes_.push_back(uint8_t(0x80 | (delta >> shift)));
        bytes_.push_back(delta & 0x7F);
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    TrackWriter& NoteOn(uint32_t delta, int channel, int note, int velocity = 100)
    {
        return Event(delta, {uint8_t(0x90 | channel), uint8_t(note), uint8_t(velocity)});
    }
    TrackWriter& NoteOff(uint32_t delta, int channel, int note)
    {
        return Event(delta, {uint8_t(0x80 | channel), uint8_t(note), 0});
    }
    Bytes EndOfTrack(uint32_t delta = 0) { return Event(delta, {0xFF, 0x2F, 0x00}).bytes_; }

private:
    Bytes bytes_;
};

inline Bytes HeaderChunk(int format, int trackCount, int division, uint32_t length = 6)
{
    Bytes out = {'M', 'T', 'h', 'd'};
    AppendBigEndian(out, length, 4);
    for (int field : {format, trackCount, division})
        AppendBigEndian(out, uint16_t(field), 2);
    out.resize(out.size() + length - 6);
    return out;
}

inline void AppendChunk(Bytes& out, const char* tag, const Bytes& data)
{
    out.insert(out.end(), tag, tag + 4);
    AppendBigEndian(out, static_cast<uint32_t>(data.size()), 4);
    out.insert(out.end(), data.begin(), data.end());
}

inline Bytes Smf(int format, int division, const std::vector<Bytes>& tracks)
{
    Bytes out = HeaderChunk(format, static_cast<int>(tracks.size()), division);
    for (const Bytes& track : tracks)
        AppendChunk(out, "MTrk", track);
    return out;
}

inline void WriteBytes(const std::string& path, const Bytes& bytes)
{
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}
