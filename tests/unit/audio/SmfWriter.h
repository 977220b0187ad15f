// Builds Standard MIDI Files byte by byte for the tests.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

typedef std::vector<uint8_t> Bytes;

inline void AppendVarLen(Bytes& out, uint32_t value)
{
    uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value);
    while (count-- > 1)
        out.push_back(groups[count] | 0x80);
    out.push_back(groups[0]);
}

inline void AppendBigEndian(Bytes& out, uint32_t value, int size)
{
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

// One track's event bytes.
class TrackWriter {
public:
    TrackWriter& Delta(uint32_t ticks)
    {
        AppendVarLen(bytes_, ticks);
        return *this;
    }
    TrackWriter& Raw(const Bytes& bytes)
    {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    TrackWriter& Event(uint32_t delta, const Bytes& bytes) { return Delta(delta).Raw(bytes); }
    TrackWriter& NoteOn(uint32_t delta, int channel, int note, int velocity = 100)
    {
        return Event(delta, {uint8_t(0x90 | channel), uint8_t(note), uint8_t(velocity)});
    }
    TrackWriter& NoteOff(uint32_t delta, int channel, int note)
    {
        return Event(delta, {uint8_t(0x80 | channel), uint8_t(note), 0});
    }
    TrackWriter& Tempo(uint32_t delta, uint32_t microseconds)
    {
        Event(delta, {0xFF, 0x51, 0x03});
        AppendBigEndian(bytes_, microseconds, 3);
        return *this;
    }
    TrackWriter& EndOfTrack(uint32_t delta = 0) { return Event(delta, {0xFF, 0x2F, 0x00}); }
    const Bytes& bytes() const { return bytes_; }

private:
    Bytes bytes_;
};

inline Bytes HeaderChunk(int format, int trackCount, int division, uint32_t length = 6)
{
    Bytes out = {'M', 'T', 'h', 'd'};
    AppendBigEndian(out, length, 4);
    AppendBigEndian(out, static_cast<uint16_t>(format), 2);
    AppendBigEndian(out, static_cast<uint16_t>(trackCount), 2);
    AppendBigEndian(out, static_cast<uint16_t>(division), 2);
    for (uint32_t extra = 6; extra < length; ++extra)
        out.push_back(0);
    return out;
}

inline void AppendTrackChunk(Bytes& out, const Bytes& data)
{
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    AppendBigEndian(out, static_cast<uint32_t>(data.size()), 4);
    out.insert(out.end(), data.begin(), data.end());
}

inline Bytes Smf(int format, int division, const std::vector<Bytes>& tracks)
{
    Bytes out = HeaderChunk(format, static_cast<int>(tracks.size()), division);
    for (const Bytes& track : tracks)
        AppendTrackChunk(out, track);
    return out;
}

inline Bytes RiffWrapped(const Bytes& smf)
{
    Bytes out = {'R', 'I', 'F', 'F'};
    AppendBigEndian(out, 0, 4);
    out.insert(out.end(), {'R', 'M', 'I', 'D', 'd', 'a', 't', 'a'});
    AppendBigEndian(out, static_cast<uint32_t>(smf.size()), 4);
    out.insert(out.end(), smf.begin(), smf.end());
    return out;
}

inline void WriteBytes(const std::string& path, const Bytes& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}
