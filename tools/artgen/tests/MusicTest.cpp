// ZEP04.mid: a well-formed format 1 file with the tracks the tune claims,
// which the program's own reader loads.
#include "ArtFolder.h"

#include "audio/MidiFile.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {
using ArtFolder::big;

struct Track {
    std::string name;
    std::set<int> channels;
    uint32_t ticks = 0;
    uint32_t tempo = 0;
    int notesOn = 0;
    int unmatched = 0;
    bool endsWithEndOfTrack = false;
    std::string fault;
};

bool readVarLen(const std::vector<unsigned char>& b, size_t& at, size_t end, uint32_t& value)
{
    value = 0;
    for (int i = 0; i < 4 && at < end; ++i) {
        const unsigned char c = b[at++];
        value = value << 7 | (c & 0x7F);
        if (!(c & 0x80))
            return true;
    }
    return false;
}

// Walks one track strictly: no running status is needed by our writer, and
// every event must lie inside the chunk.
Track walk(const std::vector<unsigned char>& b, size_t at, size_t end)
{
    Track t;
    std::map<int, int> sounding;
    while (at < end) {
        uint32_t delta, length;
        if (!readVarLen(b, at, end, delta) || at >= end)
            return t.fault = "bad delta", t;
        t.ticks += delta;
        const unsigned char status = b[at++];
        if (status == 0xFF) {
            const unsigned char type = b[at++];
            if (!readVarLen(b, at, end, length) || at + length > end)
                return t.fault = "bad meta length", t;
            if (type == 0x2F) {
                t.endsWithEndOfTrack = at + length == end;
                break;
            }
            if (type == 0x03)
                t.name.assign(b.begin() + at, b.begin() + at + length);
            if (type == 0x51)
                t.tempo = big(b, at, 3);
            at += length;
        } else if (status >= 0x80 && status < 0xF0) {
            const int kind = status & 0xF0, channel = status & 15;
            const int data = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
            if (at + data > end || b[at] >= 0x80 || (data == 2 && b[at + 1] >= 0x80))
                return t.fault = "bad channel message", t;
            t.channels.insert(channel);
            const int key = channel << 8 | b[at];
            if (kind == 0x90 && b[at + 1] > 0)
                ++sounding[key], ++t.notesOn;
            else if (kind == 0x80 || kind == 0x90)
                --sounding[key];
            at += data;
        } else {
            return t.fault = "unexpected status byte", t;
        }
    }
    for (const auto& [key, count] : sounding)
        t.unmatched += count != 0;
    return t;
}
}

TEST(Music, IsAFormatOneFileWithMelodyHarmonyBassAndDrumsThatLoopsAsOnePiece)
{
    const std::vector<unsigned char> b = ArtFolder::read("ZEP04.mid");
    ASSERT_GE(b.size(), 14u);
    ASSERT_EQ("MThd", std::string(b.begin(), b.begin() + 4));
    EXPECT_EQ(6u, big(b, 4, 4));
    EXPECT_EQ(1u, big(b, 8, 2));
    const uint32_t trackCount = big(b, 10, 2), division = big(b, 12, 2);
    EXPECT_EQ(5u, trackCount);
    EXPECT_GE(division, 96u);
    EXPECT_EQ(0u, division & 0x8000);

    std::vector<Track> tracks;
    size_t at = 14;
    for (uint32_t i = 0; i < trackCount; ++i) {
        ASSERT_LE(at + 8, b.size()) << "track " << i;
        ASSERT_EQ("MTrk", std::string(b.begin() + at, b.begin() + at + 4)) << "track " << i;
        const size_t length = big(b, at + 4, 4);
        ASSERT_LE(at + 8 + length, b.size()) << "track " << i;
        tracks.push_back(walk(b, at + 8, at + 8 + length));
        at += 8 + length;
        const Track& t = tracks.back();
        EXPECT_EQ("", t.fault) << "track " << i;
        EXPECT_TRUE(t.endsWithEndOfTrack) << "track " << i;
        EXPECT_EQ(0, t.unmatched) << "track " << i << " leaves notes sounding";
    }
    EXPECT_EQ(b.size(), at) << "bytes after the last track";
    ASSERT_EQ(5u, tracks.size());
    EXPECT_GT(tracks[0].tempo, 0u) << "the first track carries the tempo";
    const char* names[] = {"Melody", "Harmony", "Bass", "Drums"};
    const std::set<int> channels[] = {{0}, {1}, {2}, {9}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(names[i], tracks[i + 1].name);
        EXPECT_EQ(channels[i], tracks[i + 1].channels) << names[i];
        EXPECT_GT(tracks[i + 1].notesOn, 30) << names[i];
        // All tracks end together, on a bar line, so the loop has no gap.
        EXPECT_EQ(tracks[0].ticks, tracks[i + 1].ticks) << names[i];
    }
    EXPECT_EQ(0u, tracks[0].ticks % (4 * division));
    const double seconds = double(tracks[0].ticks) / division * tracks[0].tempo / 1e6;
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 120.0);
}

TEST(Music, LoadsWithTheProgramsReader)
{
    MidiSong song{};
    const std::string path = ArtFolder::path() + "/ZEP04.mid";
    const char* error = LoadMidiFile(path.c_str(), &song);
    ASSERT_EQ(nullptr, error) << error;
    EXPECT_EQ(1, song.format);
    ASSERT_EQ(5, song.trackCount);
    for (int i = 1; i < song.trackCount; ++i)
        EXPECT_EQ(song.tracks[0].totalTicks, song.tracks[i].totalTicks) << "track " << i;
    FreeSong(&song);
}
