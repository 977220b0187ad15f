#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "SmfWriter.h"
#include "audio/MidiFile.h"
#include "testing/Pictures.h"
#include "testing/TestFolder.h"

namespace {

const char HEADER_CHUNK[] = "Error encountered when reading the MIDI header chunk.";
const char HEADER_READ[] = "Error encountered when reading the MIDI file header.";
const char TRACK_READ[] = "Error encountered when reading track chunk.";
const char INCONSISTENT[] = "Error due to inconsistent information in MIDI header chunk.";
const char SMPTE[] = "The SMPTE time codes used in this file are not supported by this program.";

// Notes 0x3FFFFFFF ticks apart (five delta bytes each), then the end `last` ticks later.
Bytes LongTrack(int notes, uint8_t last)
{
    Bytes track;
    for (int i = 0; i < notes; ++i)
        track = Cat(track, {0x83, 0xFF, 0xFF, 0xFF, 0x7F, 0x90, 60, 100});
    return Cat(track, {last, 0xFF, 0x2F, 0});
}

Bytes RiffWrapped(const Bytes& smf) { return Chunk("RIFF", Cat({'R', 'M', 'I', 'D'}, Chunk("data", smf))); }

// The message of loading a file of these bytes ("" for success); the song is freed.
std::string LoadMessage(const Bytes& bytes)
{
    TestFolder folder;
    WriteBytes("song.mid", bytes);
    MidiSong song;
    const char* message = LoadMidiFile("song.mid", &song);
    EXPECT_TRUE(!message || !song.tracks) << "tracks left behind after: " << message;
    FreeSong(&song);
    return message ? message : "";
}

TEST(LoadMidiFile, ARiffWrappedFileReadsAsItsSmfAndEachDamageOfTheFileHasItsMessage)
{
    const Bytes riff = RiffWrapped(Smf(1, 96, {OneNote(96), LongTrack(2, 1)})); // the largest total
    MidiSong song;
    ASSERT_EQ(nullptr, LoadMidiMemory(riff.data(), riff.size(), &song));
    EXPECT_EQ(std::tuple(1, 2, 96), std::tuple(song.format, song.trackCount, song.division));
    const MidiTrack& first = song.tracks[0];
    EXPECT_EQ(OneNote(96), Bytes(first.data, first.data + first.length));
    EXPECT_EQ(std::pair(96, 0x7FFFFFFF), std::pair(first.totalTicks, song.tracks[1].totalTicks));
    FreeSong(&song);
    EXPECT_STREQ("File cannot be loaded for reading.", LoadMidiFile("absent.mid", &song));
    // A header and `tracks` chunks of one note.
    auto file = [](Bytes header, int tracks) {
        for (int i = 0; i < tracks; ++i)
            header = Cat(header, Chunk("MTrk", OneNote(96)));
        return header;
    };
    auto with = [](Bytes bytes, size_t at, uint8_t value) { bytes[at] = value; return bytes; };
    const Bytes one = file(HeaderChunk(1, 2, 96), 1), two = file(HeaderChunk(1, 2, 96), 2);
    const struct {
        const char* what;
        Bytes bytes;
        std::string message;
    } cases[] = {
        {"empty", {}, HEADER_READ},
        {"13 bytes", Bytes(riff.begin() + 20, riff.begin() + 33), HEADER_READ},
        {"wrapped, cut", Bytes(riff.begin(), riff.begin() + 33), HEADER_READ},
        {"wrapped twice", RiffWrapped(riff), HEADER_CHUNK},
        {"wrapped in RIFX", with(riff, 3, 'X'), HEADER_CHUNK},
        {"header length 8", file(HeaderChunk(1, 1, 96, 8), 1), HEADER_CHUNK},
        {"wrong header tag", with(file(HeaderChunk(1, 1, 96), 1), 3, 'D'), HEADER_CHUNK},
        {"time codes", file(HeaderChunk(1, 1, 0xE728), 1), SMPTE},
        {"time codes before the format", file(HeaderChunk(7, 1, 0xE728), 1), SMPTE},
        {"the longest ticks", file(HeaderChunk(1, 1, 0x7FFF), 1), ""},
        {"format 0, two tracks", file(HeaderChunk(0, 2, 96), 2), INCONSISTENT},
        {"format 0, no track", file(HeaderChunk(0, 0, 96), 0), INCONSISTENT},
        {"format 3", file(HeaderChunk(3, 1, 96), 1), INCONSISTENT},
        {"format 65535", file(HeaderChunk(0xFFFF, 1, 96), 1), INCONSISTENT},
        {"32768 tracks", file(HeaderChunk(1, 0x8000, 96), 1), INCONSISTENT},
        {"format 2", file(HeaderChunk(2, 1, 96), 1),
         "The format of this MIDI file is not supported by this program."},
        {"a track missing", one, TRACK_READ},
        {"wrong track tag", with(two, two.size() - 17, 'x'), TRACK_READ}, // the last "MTrx"
        {"track cut", Bytes(two.begin(), two.end() - 1), TRACK_READ},
        {"track of 4 GB", Cat(one, {'M', 'T', 'r', 'k', 0xFF, 0xFF, 0xFF, 0xF0, 0}), TRACK_READ},
        {"bad event in track 1", Smf(1, 96, {OneNote(96), {0, 0x90, 0x3C, 0x40, 0x60, 0xF4}}),
         "Error encountered in file: Track 1 Offset 6: Incorrect first byte."},
        {"format 0", file(HeaderChunk(0, 1, 96), 1), ""},
        {"format 1, no track", file(HeaderChunk(1, 0, 96), 0), ""},
        {"trailing bytes", Cat(two, {'J', 'U', 'N', 'K', 1}), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.message, LoadMessage(c.bytes)) << c.what;
}

TEST(ScanTrack, EveryTrackMessageWithItsOffset)
{
    const struct {
        Bytes track;
        const char* message;
    } cases[] = {
        {{0x00, 0x90, 0x3C, 0x40}, "Offset 4: Delta-time problem."}, // no end of track
        {{0x8F}, "Offset 1: Delta-time problem."},
        // Too long once the value reaches 0x200000 before its fifth byte.
        {{0x88, 0x80, 0x80, 0x80, 0x00, 0xFF, 0x2F}, "Offset 5: Delta-time problem."},
        {{0x00}, "Offset 1: First byte problem."},
        {{0x00, 0xFF}, "Offset 2: Second byte problem on meta-event."},
        {{0x00, 0xFF, 0x58}, "Offset 3: Length problem on meta-event."},
        {{0x00, 0xFF, 0x58, 0x04, 0x04, 0x02}, "Offset 4: Data problem on meta-event."},
        {{0x00, 0xFF, 0x01, 0x80}, "Offset 4: Variable-length problem on meta-event."},
        {{0x00, 0xFF, 0x7F, 0x05, 0x41}, "Offset 4: Variable-length data on meta-event."},
        {{0x00, 0xF0}, "Offset 2: Variable-length problem on SysEx message."},
        {{0x00, 0xF7, 0x03, 0x01}, "Offset 3 Variable-Length data on SysEx message."},
        {{0x00, 0xF1, 0x00}, "Offset 2: Incorrect first byte."},
        {{0x00, 0xFE}, "Offset 2: Incorrect first byte."},
        {{0x00, 0x90}, "Offset 2: Message first data byte problem."},
        {{0x00, 0x90, 0x80, 0x40}, "Offset 2: Message first data byte problem."},
        {{0x00, 0x90, 0x3C}, "Offset 3: Message second data byte problem."},
        {{0x00, 0xB0, 0x07, 0x80}, "Offset 3: Message second data byte problem."},
        // Cut right after an event's data: only the next delta time is missing.
        {{0x00, 0xFF, 0x58, 0x01, 0x04}, "Offset 5: Delta-time problem."},
        {{0x00, 0xFF, 0x01, 0x01, 'a'}, "Offset 5: Delta-time problem."},
        {{0x00, 0xF0, 0x01, 0xF7}, "Offset 4: Delta-time problem."},
        {{0x00, 0x3C}, "Offset 2: Message second data byte problem."}, // running status first
        {LongTrack(3, 0), "Offset 21: Total ticks can't fit in integer."}, // past 2147483647
        // Accepted; the other kinds are in the songs the player tests load.
        {{0x00, 0x3C, 0x40, 0x00, 0xFF, 0x2F}, nullptr}, // running status first
        {{0x00, 0xFF, 0x2F}, nullptr}, // the end of track's length byte is not read
        {{0x00, 0xC3, 0x05, 0x00, 0xD3, 0x40, 0x00, 0xFF, 0x2F}, nullptr}, // one data byte each
        {{0x81, 0x80, 0x80, 0x80, 0x00, 0xFF, 0x2F}, nullptr},
        // A cue point's 81 48 is one length byte (129), not the number 200.
        {Cat(Cat({0x00, 0xFF, 0x07, 0x81, 0x48}, Bytes(128, 0)), OneNote(96)), nullptr},
        // A sequence name's length is variable-length: A7 10 is 5008 (a file read in parts).
        {Cat(Cat({0x00, 0xFF, 0x03, 0xA7, 0x10}, Bytes(5008, 'a')), {0, 0xFF, 0x2F, 0}), nullptr},
    };
    const std::string prefix = "Error encountered in file: Track 0 ";
    for (const auto& c : cases)
        EXPECT_EQ(c.message ? prefix + c.message : "", LoadMessage(Smf(1, 96, {c.track})))
            << testing::PrintToString(c.track);
}

} // namespace
