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

TEST(LoadMidiFile, EachDamageOfTheHeaderOrTheTrackChunksHasItsMessage)
{
    TestFolder folder;
    MidiSong song;
    EXPECT_STREQ("File cannot be loaded for reading.", LoadMidiFile("absent.mid", &song));
    const Bytes smf = Smf(1, 96, {SimpleTrack()});
    const Bytes riff = RiffWrapped(smf);
    auto withHeader = [](const Bytes& header, int tracks, Bytes track = SimpleTrack()) {
        Bytes out = header;
        for (int i = 0; i < tracks; ++i)
            AppendTrackChunk(out, track);
        return out;
    };
    Bytes wrongTag = HeaderChunk(1, 1, 96);
    wrongTag[3] = 'D';
    Bytes wrongTrackTag = withHeader(HeaderChunk(1, 2, 96), 2);
    wrongTrackTag[wrongTrackTag.size() - SimpleTrack().size() - 5] = 'x';
    Bytes cut = withHeader(HeaderChunk(1, 2, 96), 2);
    cut.pop_back();
    Bytes huge = withHeader(HeaderChunk(1, 2, 96), 1);
    huge.insert(huge.end(), {'M', 'T', 'r', 'k', 0xFF, 0xFF, 0xFF, 0xF0, 0x00});
    Bytes trailing = withHeader(HeaderChunk(1, 2, 96), 2);
    trailing.insert(trailing.end(), {'J', 'U', 'N', 'K', 1});
    const std::string smpte = "The SMPTE time codes used in this file are not supported by this program.";
    const struct {
        const char* what;
        Bytes bytes;
        std::string message;
    } cases[] = {
        {"empty", {}, HEADER_READ_MESSAGE},
        {"13 bytes", Bytes(smf.begin(), smf.begin() + 13), HEADER_READ_MESSAGE},
        {"wrapped, cut", Bytes(riff.begin(), riff.begin() + 33), HEADER_READ_MESSAGE},
        {"wrapped twice", RiffWrapped(riff), HEADER_CHUNK_MESSAGE},
        {"header length 8", withHeader(HeaderChunk(1, 1, 96, 8), 1), HEADER_CHUNK_MESSAGE},
        {"wrong header tag", withHeader(wrongTag, 1), HEADER_CHUNK_MESSAGE},
        {"time codes", withHeader(HeaderChunk(1, 1, 0xE728), 1), smpte},
        {"time codes before the format", withHeader(HeaderChunk(7, 1, 0xE728), 1), smpte},
        {"format 0, two tracks", withHeader(HeaderChunk(0, 2, 96), 2), INCONSISTENT_MESSAGE},
        {"format 3", withHeader(HeaderChunk(3, 1, 96), 1), INCONSISTENT_MESSAGE},
        {"32768 tracks", withHeader(HeaderChunk(1, 0x8000, 96), 1), INCONSISTENT_MESSAGE},
        {"format 2", withHeader(HeaderChunk(2, 1, 96), 1),
         "The format of this MIDI file is not supported by this program."},
        {"a track missing", withHeader(HeaderChunk(1, 2, 96), 1), TRACK_READ_MESSAGE},
        {"wrong track tag", wrongTrackTag, TRACK_READ_MESSAGE},
        {"track cut", cut, TRACK_READ_MESSAGE},
        {"track of 4 GB", huge, TRACK_READ_MESSAGE},
        {"format 0", withHeader(HeaderChunk(0, 1, 96), 1), ""},
        {"trailing bytes", trailing, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.message, LoadMessage(c.bytes)) << c.what;
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
