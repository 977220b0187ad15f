// The music on WINMM under a Wine without a MIDI device: the player opens
// nothing and still starts, loops on the real timer's thread and stops
// cleanly. What it sends, and that it loops on one timer, the host tests show.
#include <gtest/gtest.h>

#include <windows.h>

#include "audio/MidiManager.h"
#include "audio/WinMidiPlatform.h"
#include "testing/Pictures.h"
#include "testing/TestFolder.h"
#include "unit/audio/SmfWriter.h"

TEST(MusicWithoutDevice, LoopsSilentlyThroughAThousandActivationChangesAndStopsCleanly)
{
    ASSERT_EQ(0u, CWinMidiPlatform().OutDeviceCount())
        << "these checks are for a system without a MIDI device";
    TestFolder folder;
    // A song of about 50 ms at 1 ms periods, so it loops many times.
    WriteBytes("ZEP04.mid", Smf(1, 96, {OneNote(10)}));
    CWinMidiPlatform platform;
    CMidiPlayer player{platform};
    MIDI_MANAGER manager{player, platform};
    manager.ActivateApp(1, nullptr);
    manager.Play(MUSIC_FILES, nullptr);
    manager.InitializedMIDI();
    EXPECT_FALSE(player.IsOpen());
    EXPECT_NE(0u, player.TimerId()) << "a timer for the song in the current directory";
    Sleep(300); // about five times the song, on the timer's thread
    // More changes than Wine has timers: a timer kept by a stop would run out.
    for (int i = 0; i < 1000; ++i) {
        manager.ActivateApp(0, nullptr);
        manager.ActivateApp(1, nullptr);
        if (i % 100 == 0)
            Sleep(60); // now and then let the song reach its loop point while active
    }
    EXPECT_NE(0u, player.TimerId()) << "a timer still to be had";
    manager.StopMusic();
    EXPECT_FALSE(player.TimerRunning());
}
