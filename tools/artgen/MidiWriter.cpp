#include "MidiWriter.h"

#include <algorithm>

namespace {
void put32(std::vector<unsigned char>& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back((v >> shift) & 255);
}

void put16(std::vector<unsigned char>& out, uint32_t v)
{
    out.push_back((v >> 8) & 255);
    out.push_back(v & 255);
}
}

void MidiWriter::putVarLen(std::vector<unsigned char>& out, uint32_t value)
{
    unsigned char groups[5];
    int n = 0;
    do {
        groups[n++] = value & 0x7F;
        value >>= 7;
    } while (value);
    while (n-- > 0)
        out.push_back(groups[n] | (n ? 0x80 : 0));
}

void MidiWriter::add(int track, uint32_t tick, int order, std::vector<unsigned char> data)
{
    tracks_[track].push_back({tick, order, sequence_++, std::move(data)});
}

int MidiWriter::addTrack(const std::string& name)
{
    tracks_.emplace_back();
    std::vector<unsigned char> meta{0xFF, 0x03};
    putVarLen(meta, uint32_t(name.size()));
    meta.insert(meta.end(), name.begin(), name.end());
    add(int(tracks_.size()) - 1, 0, 1, meta);
    return int(tracks_.size()) - 1;
}

void MidiWriter::tempo(int track, uint32_t tick, uint32_t us)
{
    add(track, tick, 1, {0xFF, 0x51, 0x03, static_cast<unsigned char>(us >> 16), static_cast<unsigned char>(us >> 8), static_cast<unsigned char>(us)});
}

void MidiWriter::timeSignature(int track, uint32_t tick, int numerator, int denominatorPower)
{
    add(track, tick, 1, {0xFF, 0x58, 0x04, static_cast<unsigned char>(numerator), static_cast<unsigned char>(denominatorPower), 24, 8});
}

void MidiWriter::program(int track, uint32_t tick, int channel, int number)
{
    add(track, tick, 1, {static_cast<unsigned char>(0xC0 | channel), static_cast<unsigned char>(number)});
}

void MidiWriter::controller(int track, uint32_t tick, int channel, int number, int value)
{
    add(track, tick, 1, {static_cast<unsigned char>(0xB0 | channel), static_cast<unsigned char>(number), static_cast<unsigned char>(value)});
}

void MidiWriter::note(int track, uint32_t tick, uint32_t length, int channel, int key, int velocity)
{
    add(track, tick, 2, {static_cast<unsigned char>(0x90 | channel), static_cast<unsigned char>(key), static_cast<unsigned char>(velocity)});
    add(track, tick + length, 0, {static_cast<unsigned char>(0x80 | channel), static_cast<unsigned char>(key), 0});
}

std::vector<unsigned char> MidiWriter::bytes(uint32_t length) const
{
    std::vector<unsigned char> out{'M', 'T', 'h', 'd'};
    put32(out, 6);
    put16(out, 1);
    put16(out, uint32_t(tracks_.size()));
    put16(out, uint32_t(division_));
    for (std::vector<Event> events : tracks_) {
        std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order != b.order ? a.order < b.order : a.sequence < b.sequence;
        });
        std::vector<unsigned char> data;
        uint32_t now = 0;
        for (const Event& e : events) {
            putVarLen(data, e.tick - now);
            now = e.tick;
            data.insert(data.end(), e.data.begin(), e.data.end());
        }
        putVarLen(data, length - std::min(now, length));
        data.insert(data.end(), {0xFF, 0x2F, 0x00});
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        put32(out, uint32_t(data.size()));
        out.insert(out.end(), data.begin(), data.end());
    }
    return out;
}
