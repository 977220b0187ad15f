#include <gtest/gtest.h>

#include <string>

#include "SmfWriter.h"
#include "audio/MidiFile.h"
#include "testing/TestFolder.h"

namespace {

const char HEADER_CHUNK_MESSAGE[] = "Error encountered when reading the MIDI header chunk.";
const char HEADER_READ_MESSAGE[] = "Error encountered when reading the MIDI file header.";
const char TRACK_READ_MESSAGE[] = "Error encountered when reading track chunk.";
const char INCONSISTENT_MESSAGE[] = "Error due to inconsistent information in MIDI header chunk.";

Bytes SimpleTrack()
{
    return TrackWriter().NoteOn(0, 0, 60).NoteOff(96, 0, 60).EndOfTrack().bytes();
}

// The message of loading these bytes ("" for success); the song is freed.
std::string LoadMessage(const Bytes& bytes, MidiSong* kept = nullptr)
{
    MidiSong song;
    const char* message = LoadMidiMemory(bytes.data(), bytes.size(), &song);
    if (message) {
        EXPECT_EQ(nullptr, song.tracks) << "tracks left behind after: " << message;
    }
    if (kept)
        *kept = song;
    else
        FreeSong(&song);
    return message ? message : "";
}

std::string TrackMessage(const Bytes& track)
{
    return LoadMessage(Smf(1, 96, {track}));
}

TEST(ReadVarLen, DecodesAndRefusesAtTheLimits)
{
    struct Case {
        Bytes bytes;
        int32_t value;
        size_t consumed;
    } cases[] = {
        {{0x00}, 0, 1},
        {{0x7F}, 0x7F, 1},
        {{0x81, 0x00}, 0x80, 2},
        {{0xFF, 0xFF, 0xFF, 0x7F}, 0x0FFFFFFF, 4},
        // Checked before the fifth byte is added, when the value is 0x200000.
        {{0x81, 0x80, 0x80, 0x80, 0x00}, 0x10000000, 5},
        {{0x88, 0x80, 0x80, 0x80, 0x00}, -1, 5},
        {{0x81, 0x80}, -1, 2},
        {{}, -1, 0},
    };
    for (const Case& c : cases) {
        const unsigned char* cursor = c.bytes.data();
        const int32_t value = ReadVarLen(cursor, c.bytes.data() + c.bytes.size());
        EXPECT_EQ(c.value, value) << "case of " << c.bytes.size() << " bytes";
        EXPECT_EQ(c.consumed, static_cast<size_t>(cursor - c.bytes.data()));
    }
}

TEST(LoadMidiFile, BareAndRiffWrappedFilesReadAlike)
{
    TestFolder folder;
    const Bytes smf = Smf(1, 96, {SimpleTrack(), TrackWriter().EndOfTrack(5).bytes()});
    WriteBytes("bare.mid", smf);
    WriteBytes("riff.mid", RiffWrapped(smf));
    for (const char* name : {"bare.mid", "riff.mid"}) {
        SCOPED_TRACE(name);
        MidiSong song;
        ASSERT_EQ(nullptr, LoadMidiFile(name, &song));
        EXPECT_EQ(1, song.format);
        EXPECT_EQ(2, song.trackCount);
        EXPECT_EQ(96, song.division);
        EXPECT_EQ(500000u, song.tempo);
        ASSERT_NE(nullptr, song.tracks);
        EXPECT_EQ(SimpleTrack(), Bytes(song.tracks[0].data,
                                       song.tracks[0].data + song.tracks[0].length));
        EXPECT_EQ(96, song.tracks[0].totalTicks);
        EXPECT_EQ(5, song.tracks[1].totalTicks);
        EXPECT_EQ(nullptr, song.tracks[0].cursor);
        EXPECT_EQ(0, song.tracks[0].started);
        FreeSong(&song);
        EXPECT_EQ(nullptr, song.tracks);
    }
}

TEST(LoadMidiFile, MissingFileAndShortHeaders)
{
    TestFolder folder;
    MidiSong song;
    EXPECT_STREQ("File cannot be loaded for reading.", LoadMidiFile("absent.mid", &song));
    EXPECT_STREQ("File cannot be loaded for reading.", LoadMidiFile(nullptr, &song));

    const Bytes smf = Smf(1, 96, {SimpleTrack()});
    EXPECT_EQ(HEADER_READ_MESSAGE, LoadMessage(Bytes(smf.begin(), smf.begin() + 13)));
    EXPECT_EQ(HEADER_READ_MESSAGE, LoadMessage({}));
    const Bytes riff = RiffWrapped(smf);
    EXPECT_EQ(HEADER_READ_MESSAGE, LoadMessage(Bytes(riff.begin(), riff.begin() + 33)));
    // Only one RIFF prefix is skipped.
    EXPECT_EQ(HEADER_CHUNK_MESSAGE, LoadMessage(RiffWrapped(riff)));
}

TEST(LoadMidiFile, HeaderChecksInOrder)
{
    const Bytes track = SimpleTrack();
    auto withHeader = [&](const Bytes& header, int tracks) {
        Bytes out = header;
        for (int i = 0; i < tracks; ++i)
            AppendTrackChunk(out, track);
        return LoadMessage(out);
    };
    EXPECT_EQ(HEADER_CHUNK_MESSAGE, withHeader(HeaderChunk(1, 1, 96, 8), 1));
    Bytes wrongTag = HeaderChunk(1, 1, 96);
    wrongTag[3] = 'D';
    EXPECT_EQ(HEADER_CHUNK_MESSAGE, withHeader(wrongTag, 1));
    EXPECT_EQ("The SMPTE time codes used in this file are not supported by this program.",
              withHeader(HeaderChunk(1, 1, 0xE728), 1));
    // The division is checked before the format.
    EXPECT_EQ("The SMPTE time codes used in this file are not supported by this program.",
              withHeader(HeaderChunk(7, 1, 0xE728), 1));
    EXPECT_EQ("", withHeader(HeaderChunk(1, 1, 96), 1));
    EXPECT_EQ(INCONSISTENT_MESSAGE, withHeader(HeaderChunk(0, 2, 96), 2));
    EXPECT_EQ(INCONSISTENT_MESSAGE, withHeader(HeaderChunk(3, 1, 96), 1));
    EXPECT_EQ(INCONSISTENT_MESSAGE, withHeader(HeaderChunk(1, 0x8000, 96), 1));
    EXPECT_EQ("The format of this MIDI file is not supported by this program.",
              withHeader(HeaderChunk(2, 1, 96), 1));
    EXPECT_EQ("", withHeader(HeaderChunk(0, 1, 96), 1));
    EXPECT_EQ("", withHeader(HeaderChunk(1, 3, 96), 3));
}

TEST(LoadMidiFile, TrackChunkProblems)
{
    const Bytes header = HeaderChunk(1, 2, 96);
    Bytes good = header;
    AppendTrackChunk(good, SimpleTrack());

    // Fewer tracks than the header counts.
    EXPECT_EQ(TRACK_READ_MESSAGE, LoadMessage(good));
    Bytes wrongTag = good;
    AppendTrackChunk(wrongTag, SimpleTrack());
    wrongTag[wrongTag.size() - SimpleTrack().size() - 5] = 'x';
    EXPECT_EQ(TRACK_READ_MESSAGE, LoadMessage(wrongTag));
    Bytes truncated = good;
    AppendTrackChunk(truncated, SimpleTrack());
    truncated.pop_back();
    EXPECT_EQ(TRACK_READ_MESSAGE, LoadMessage(truncated));
    // An absurd length is refused without trying to allocate it.
    Bytes huge = good;
    huge.insert(huge.end(), {'M', 'T', 'r', 'k', 0xFF, 0xFF, 0xFF, 0xF0, 0x00});
    EXPECT_EQ(TRACK_READ_MESSAGE, LoadMessage(huge));
    // Whatever follows the last track is not read.
    Bytes trailing = good;
    AppendTrackChunk(trailing, SimpleTrack());
    trailing.insert(trailing.end(), {'J', 'U', 'N', 'K', 1});
    EXPECT_EQ("", LoadMessage(trailing));
}

TEST(ScanTrack, EveryTrackMessageWithItsOffset)
{
    struct Case {
        Bytes track;
        const char* message;
    } cases[] = {
        // No end-of-track: the delta time runs out at the track's length.
        {{0x00, 0x90, 0x3C, 0x40}, "Track 0 Offset 4: Delta-time problem."},
        {{0x8F}, "Track 0 Offset 1: Delta-time problem."},
        {{0x00}, "Track 0 Offset 1: First byte problem."},
        {{0x00, 0xFF}, "Track 0 Offset 2: Second byte problem on meta-event."},
        {{0x00, 0xFF, 0x58}, "Track 0 Offset 3: Length problem on meta-event."},
        {{0x00, 0xFF, 0x58, 0x04, 0x04, 0x02}, "Track 0 Offset 4: Data problem on meta-event."},
        {{0x00, 0xFF, 0x01, 0x80}, "Track 0 Offset 4: Variable-length problem on meta-event."},
        {{0x00, 0xFF, 0x7F, 0x05, 0x41}, "Track 0 Offset 4: Variable-length data on meta-event."},
        {{0x00, 0xF0}, "Track 0 Offset 2: Variable-length problem on SysEx message."},
        {{0x00, 0xF7, 0x03, 0x01}, "Track 0 Offset 3 Variable-Length data on SysEx message."},
        {{0x00, 0xF1, 0x00}, "Track 0 Offset 2: Incorrect first byte."},
        {{0x00, 0xFE}, "Track 0 Offset 2: Incorrect first byte."},
        {{0x00, 0x90}, "Track 0 Offset 2: Message first data byte problem."},
        {{0x00, 0x90, 0x90, 0x40}, "Track 0 Offset 2: Message first data byte problem."},
        {{0x00, 0x90, 0x3C}, "Track 0 Offset 3: Message second data byte problem."},
        {{0x00, 0xB0, 0x07, 0xFF}, "Track 0 Offset 3: Message second data byte problem."},
        // Running status at the very start is a two-data-byte message.
        {{0x00, 0x3C}, "Track 0 Offset 2: Message second data byte problem."},
        // Running status of a one-data-byte message needs no second byte.
        {{0x00, 0xC0, 0x05, 0x00, 0x06, 0x00, 0xFF, 0x2F}, nullptr},
        {{0x00, 0xD3, 0x05, 0x00, 0xFF, 0x2F}, nullptr},
        {{0x00, 0x3C, 0x40, 0x00, 0xFF, 0x2F}, nullptr},
        {{0x00, 0xF0, 0x02, 0x7E, 0xF7, 0x00, 0xFF, 0x2F}, nullptr},
        // End of track: its length byte and anything after it are not read.
        {{0x00, 0xFF, 0x2F}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.track));
        const std::string expected =
            c.message ? std::string("Error encountered in file: ") + c.message : "";
        EXPECT_EQ(expected, TrackMessage(c.track));
    }
}

TEST(ScanTrack, LaterTrackIndexAndTotalTicks)
{
    const Bytes bad = {0x00, 0x90, 0x3C, 0x40, 0x60, 0xF4};
    EXPECT_EQ("Error encountered in file: Track 1 Offset 6: Incorrect first byte.",
              LoadMessage(Smf(1, 96, {SimpleTrack(), bad})));

    // Deltas that sum past 2147483647; 0x3FFFFFFF takes five bytes.
    const Bytes overflow = TrackWriter()
                               .NoteOn(0x3FFFFFFF, 0, 60)
                               .NoteOff(0x3FFFFFFF, 0, 60)
                               .NoteOn(0x3FFFFFFF, 0, 60)
                               .EndOfTrack()
                               .bytes();
    EXPECT_EQ("Error encountered in file: Track 0 Offset 21: Total ticks can't fit in integer.",
              TrackMessage(overflow));
    const Bytes justFits =
        TrackWriter().NoteOn(0x3FFFFFFF, 0, 60).NoteOff(0x3FFFFFFF, 0, 60).EndOfTrack(1).bytes();
    MidiSong song;
    ASSERT_EQ("", LoadMessage(Smf(1, 96, {justFits}), &song));
    EXPECT_EQ(0x7FFFFFFF, song.tracks[0].totalTicks);
    FreeSong(&song);
}

TEST(ScanTrack, CuePointHasAOneByteLength)
{
    // 81 48 would be 200 as a variable-length number; the reader takes 0x81
    // alone, so 129 bytes of data follow and the track ends right after.
    Bytes track = {0x00, 0xFF, 0x07, 0x81, 0x48};
    track.insert(track.end(), 128, 0x00);
    TrackWriter rest;
    rest.NoteOn(0, 0, 60).EndOfTrack();
    track.insert(track.end(), rest.bytes().begin(), rest.bytes().end());
    EXPECT_EQ("", TrackMessage(track));
    // Sequence names (type 3) have a variable-length length.
    Bytes name = {0x00, 0xFF, 0x03, 0x81, 0x00};
    name.insert(name.end(), 128, 'a');
    name.insert(name.end(), {0x00, 0xFF, 0x2F, 0x00});
    EXPECT_EQ("", TrackMessage(name));
}

} // namespace
