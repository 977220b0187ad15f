#include <gtest/gtest.h>

#include <string>

#include "SmfWriter.h"
#include "audio/MidiFile.h"
#include "testing/TestFolder.h"

namespace {

const char HEADER_CHUNK[] = "Error encountered when reading the MIDI header chunk.";
const char HEADER_READ[] = "Error encountered when reading the MIDI file header.";
const char TRACK_READ[] = "Error encountered when reading track chunk.";
const char INCONSISTENT[] = "Error due to inconsistent information in MIDI header chunk.";
const char SMPTE[] = "The SMPTE time codes used in this file are not supported by this program.";

Bytes SimpleTrack()
{
    return TrackWriter().NoteOn(0, 0, 60).NoteOff(96, 0, 60).EndOfTrack();
}

// Deltas of 0x3FFFFFFF, five bytes each.
Bytes LongTrack(int notes, uint32_t last)
{
    TrackWriter track;
    for (int i = 0; i < notes; ++i)
        track.NoteOn(0x3FFFFFFF, 0, 60);
    return track.EndOfTrack(last);
}

Bytes RiffWrapped(const Bytes& smf)
{
    Bytes form = {'R', 'M', 'I', 'D'}, out;
    AppendChunk(form, "data", smf);
    AppendChunk(out, "RIFF", form);
    return out;
}

Bytes Cat(Bytes head, size_t count, uint8_t fill, const Bytes& tail)
{
    head.insert(head.end(), count, fill);
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// The message of loading these bytes ("" for success); the song is freed.
std::string LoadMessage(const Bytes& bytes)
{
    MidiSong song;
    const char* message = LoadMidiMemory(bytes.data(), bytes.size(), &song);
    EXPECT_TRUE(!message || !song.tracks) << "tracks left behind after: " << message;
    FreeSong(&song);
    return message ? message : "";
}

TEST(LoadMidiFile, BareAndRiffWrappedFilesReadAlike)
{
    TestFolder folder;
    const Bytes smf = Smf(1, 96, {SimpleTrack(), LongTrack(2, 1)}); // the largest total
    WriteBytes("bare.mid", smf);
    WriteBytes("riff.mid", RiffWrapped(smf));
    for (const char* name : {"bare.mid", "riff.mid"}) {
        SCOPED_TRACE(name);
        MidiSong song;
        ASSERT_EQ(nullptr, LoadMidiFile(name, &song));
        EXPECT_EQ(1, song.format);
        EXPECT_EQ(2, song.trackCount);
        EXPECT_EQ(96, song.division);
        const MidiTrack& first = song.tracks[0];
        EXPECT_EQ(SimpleTrack(), Bytes(first.data, first.data + first.length));
        EXPECT_EQ(96, song.tracks[0].totalTicks);
        EXPECT_EQ(0x7FFFFFFF, song.tracks[1].totalTicks);
        FreeSong(&song);
    }
    MidiSong song;
    EXPECT_STREQ("File cannot be loaded for reading.", LoadMidiFile("absent.mid", &song));
}

TEST(LoadMidiFile, EachDamageOfTheHeaderOrTheTrackChunksHasItsMessage)
{
    const Bytes riff = RiffWrapped(Smf(1, 96, {SimpleTrack()}));
    auto withHeader = [](Bytes out, int tracks) {
        for (int i = 0; i < tracks; ++i)
            AppendChunk(out, "MTrk", SimpleTrack());
        return out;
    };
    Bytes wrongTag = withHeader(HeaderChunk(1, 1, 96), 1);
    wrongTag[3] = 'D';
    Bytes wrongTrackTag = withHeader(HeaderChunk(1, 2, 96), 2);
    wrongTrackTag[wrongTrackTag.size() - SimpleTrack().size() - 5] = 'x';
    Bytes cut = withHeader(HeaderChunk(1, 2, 96), 2);
    cut.pop_back();
    const Bytes huge = Cat(withHeader(HeaderChunk(1, 2, 96), 1), 0, 0,
                           {'M', 'T', 'r', 'k', 0xFF, 0xFF, 0xFF, 0xF0, 0});
    const Bytes trailing = Cat(withHeader(HeaderChunk(1, 2, 96), 2), 0, 0, {'J', 'U', 'N', 'K', 1});
    const Bytes badSecond = Smf(1, 96, {SimpleTrack(), {0x00, 0x90, 0x3C, 0x40, 0x60, 0xF4}});
    const struct {
        const char* what;
        Bytes bytes;
        std::string message;
    } cases[] = {
        {"empty", {}, HEADER_READ},
        {"13 bytes", Bytes(riff.begin() + 20, riff.begin() + 33), HEADER_READ},
        {"wrapped, cut", Bytes(riff.begin(), riff.begin() + 33), HEADER_READ},
        {"wrapped twice", RiffWrapped(riff), HEADER_CHUNK},
        {"header length 8", withHeader(HeaderChunk(1, 1, 96, 8), 1), HEADER_CHUNK},
        {"wrong header tag", wrongTag, HEADER_CHUNK},
        {"time codes", withHeader(HeaderChunk(1, 1, 0xE728), 1), SMPTE},
        {"time codes before the format", withHeader(HeaderChunk(7, 1, 0xE728), 1), SMPTE},
        {"format 0, two tracks", withHeader(HeaderChunk(0, 2, 96), 2), INCONSISTENT},
        {"format 3", withHeader(HeaderChunk(3, 1, 96), 1), INCONSISTENT},
        {"32768 tracks", withHeader(HeaderChunk(1, 0x8000, 96), 1), INCONSISTENT},
        {"format 2", withHeader(HeaderChunk(2, 1, 96), 1),
         "The format of this MIDI file is not supported by this program."},
        {"a track missing", withHeader(HeaderChunk(1, 2, 96), 1), TRACK_READ},
        {"wrong track tag", wrongTrackTag, TRACK_READ},
        {"track cut", cut, TRACK_READ},
        {"track of 4 GB", huge, TRACK_READ},
        {"bad event in the second track", badSecond,
         "Error encountered in file: Track 1 Offset 6: Incorrect first byte."},
        {"format 0", withHeader(HeaderChunk(0, 1, 96), 1), ""},
        {"trailing bytes", trailing, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.message, LoadMessage(c.bytes)) << c.what;
}

TEST(ScanTrack, EveryTrackMessageWithItsOffset)
{
    const Bytes end = {0x00, 0xFF, 0x2F, 0x00};
    const struct {
        Bytes track;
        const char* message;
    } cases[] = {
        // No end-of-track: the delta time runs out at the track's length.
        {{0x00, 0x90, 0x3C, 0x40}, "Offset 4: Delta-time problem."},
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
        {{0x00, 0x90, 0x90, 0x40}, "Offset 2: Message first data byte problem."},
        {{0x00, 0x90, 0x3C}, "Offset 3: Message second data byte problem."},
        {{0x00, 0xB0, 0x07, 0xFF}, "Offset 3: Message second data byte problem."},
        // Running status at the very start is a two-data-byte message.
        {{0x00, 0x3C}, "Offset 2: Message second data byte problem."},
        // Deltas that sum past 2147483647.
        {LongTrack(3, 0), "Offset 21: Total ticks can't fit in integer."},
        // Accepted: running status at the start; the other kinds the player tests load.
        {{0x00, 0x3C, 0x40, 0x00, 0xFF, 0x2F}, nullptr},
        // End of track: its length byte and anything after it are not read.
        {{0x00, 0xFF, 0x2F}, nullptr},
        {{0x81, 0x80, 0x80, 0x80, 0x00, 0xFF, 0x2F}, nullptr},
        // A cue point's 81 48 is one length byte (129), not the number 200.
        {Cat({0x00, 0xFF, 0x07, 0x81, 0x48}, 128, 0, SimpleTrack()), nullptr},
        // A sequence name's length is variable-length: 81 00 is 128.
        {Cat({0x00, 0xFF, 0x03, 0x81, 0x00}, 128, 'a', end), nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.track));
        const std::string prefix = "Error encountered in file: Track 0 ";
        EXPECT_EQ(c.message ? prefix + c.message : "", LoadMessage(Smf(1, 96, {c.track})));
    }
}

} // namespace
