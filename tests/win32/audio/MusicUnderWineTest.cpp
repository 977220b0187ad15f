// The music on the real system calls: WINMM's devices and multimedia timer.
// This machine's Wine has no MIDI device: the player must then open nothing
// and still start, loop on the real timer's thread and stop cleanly. What
// the player sends, and that it loops on one timer, the host tests show.
#include <gtest/gtest.h>

#include <windows.h>

#include "audio/MidiManager.h"
#include "audio/WinMidiPlatform.h"
#include "testing/TestFolder.h"
#include "unit/audio/SmfWriter.h"

namespace {

TEST(MusicWithoutDevice, LoopsSilentlyThroughAThousandActivationChangesAndStopsCleanly)
{
    ASSERT_EQ(0u, CWinMidiPlatform().OutDeviceCount())
        << "these checks are for a system without a MIDI device";
    TestFolder folder;
    // A song of about 50 ms at 1 ms periods, so it loops many times.
    WriteBytes("ZEP04.mid",
               Smf(1, 96, {TrackWriter().NoteOn(0, 0, 60).NoteOff(10, 0, 60).EndOfTrack()}));
    CWinMidiPlatform platform;
    CMidiPlayer player{platform};
    MIDI_MANAGER manager{player, platform};
    manager.ActivateApp(1, nullptr);
    manager.Play(MUSIC_FILES, nullptr);
    manager.InitializedMIDI();
    EXPECT_FALSE(player.IsOpen());
    EXPECT_TRUE(player.TimerRunning()) << "the song in the current directory";
    Sleep(300); // about five times the song, on the timer's thread
    // More changes than Wine has timers: a timer kept by a stop would run out.
    for (int i = 0; i < 1000; ++i) {
        manager.ActivateApp(0, nullptr);
        manager.ActivateApp(1, nullptr);
        if (i % 100 == 0)
            Sleep(60); // now and then let the song reach its loop point while active
    }
    EXPECT_TRUE(player.TimerRunning());
    manager.StopMusic();
    EXPECT_FALSE(player.TimerRunning());
}

} // namespace
