// ZEP04.mid: the program's own reader loads it, and its tracks loop as one piece.
#include "ArtFolder.h"

#include "audio/MidiFile.h"

#include <gtest/gtest.h>

TEST(Music, LoadsWithTheProgramsReaderAndItsTracksEndTogether)
{
    MidiSong song{};
    const char* error = LoadMidiFile((ART_FOLDER + "/ZEP04.mid").c_str(), &song);
    ASSERT_EQ(nullptr, error) << error;
    EXPECT_EQ(1, song.format);
    ASSERT_EQ(5, song.trackCount);
    for (int i = 1; i < song.trackCount; ++i)
        EXPECT_EQ(song.tracks[0].totalTicks, song.tracks[i].totalTicks) << "track " << i;
    FreeSong(&song);
}
