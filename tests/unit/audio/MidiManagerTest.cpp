#include <gtest/gtest.h>

#include "FakeMidiPlatform.h"
#include "SmfWriter.h"
#include "audio/MidiManager.h"
#include "testing/TestFolder.h"

namespace {

const DWORD FIRST_NOTE = 0x643C90;

class ManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The manager looks for "<directory>\ZEP04.mid"; with the directory
        // "." that is one odd file name here, which is all the host needs.
        WriteBytes(".\\ZEP04.mid",
                   Smf(1, 125, {TrackWriter().NoteOn(0, 0, 60).NoteOff(8, 0, 60).EndOfTrack().bytes()}));
    }
    // Start-up: play the list, then mark the music started.
    void StartUp()
    {
        manager.Play(MUSIC_FILES, nullptr);
        manager.InitializedMIDI();
    }
    int NotesStarted() const
    {
        int count = 0;
        for (const SentMessage& m : fake.sent)
            count += m.message == FIRST_NOTE;
        return count;
    }

    TestFolder folder;
    FakeMidiPlatform fake;
    CMidiPlayer player{fake};
    MIDI_MANAGER manager{player, fake};
};

TEST_F(ManagerTest, StartUpPlaysOnlyWhenActiveAndActivationBeforeItPlaysNothing)
{
    manager.ActivateApp(1, nullptr);
    EXPECT_EQ(0, fake.opens);
    EXPECT_FALSE(fake.TimerRunning());
    StartUp();
    EXPECT_STREQ(".\\ZEP04.mid", manager.SongPath());
    ASSERT_TRUE(fake.TimerRunning());
    fake.Tick(player);
    EXPECT_EQ(1, NotesStarted());
}

TEST_F(ManagerTest, DeactivationClosesAndActivationPlaysFromTheBeginning)
{
    manager.ActivateApp(1, nullptr);
    StartUp();
    fake.Ticks(player, 20); // past the first note
    ASSERT_EQ(1, NotesStarted());
    manager.ActivateApp(0, nullptr);
    EXPECT_FALSE(fake.TimerRunning());
    EXPECT_FALSE(fake.DeviceOpen());
    EXPECT_EQ(nullptr, player.Song().tracks);
    manager.ActivateApp(1, nullptr);
    EXPECT_TRUE(fake.DeviceOpen());
    EXPECT_EQ(2, fake.opens);
    fake.Tick(player);
    EXPECT_EQ(2, NotesStarted());
    manager.StopMusic();
    EXPECT_FALSE(fake.TimerRunning());
    EXPECT_EQ(0, fake.strayMessages);
    EXPECT_EQ(fake.periodsBegun, fake.periodsEnded);
}

} // namespace
