// The music on WINMM's own timer: the song loops on the timer's thread
// through a thousand activation changes and stops cleanly. The output is
// recorded instead of played, so that the loops can be heard; what is sent,
// the host tests show.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>

#include "audio/MidiManager.h"
#include "audio/WinMidiPlatform.h"
#include "testing/Pictures.h"
#include "testing/TestFolder.h"
#include "unit/audio/SmfWriter.h"

namespace {

struct RecordedOutput : CWinMidiPlatform {
    std::atomic<int> notes{0}; // middle C
    MidiOutHandle OpenOut(int) override { return this; }
    void ResetOut(MidiOutHandle) override {}
    void SendShort(MidiOutHandle, DWORD message) override { notes += message == 0x643C90; }
    void CloseOut(MidiOutHandle) override {}
    void Sleep(DWORD) override {} // no device to settle
    // Waits for the song's note to go out `count` more times; false after 10 s.
    bool Hears(int count)
    {
        const int until = notes + count;
        for (const DWORD start = GetTickCount(); notes < until && GetTickCount() - start < 10000;)
            ::Sleep(1);
        return notes >= until;
    }
};

TEST(MusicOnTheSystemTimer, LoopsOnItsThreadThroughAThousandActivationChangesAndStopsCleanly)
{
    TestFolder folder;
    // A song of about 50 ms at 1 ms periods, so it loops many times.
    WriteBytes("ZEP04.mid", Smf(1, 96, {OneNote(10)}));
    RecordedOutput platform;
    CMidiPlayer player{platform};
    MIDI_MANAGER manager{player, platform};
    manager.ActivateApp(1, nullptr);
    manager.Play(MUSIC_FILES, nullptr);
    manager.InitializedMIDI();
    EXPECT_TRUE(platform.Hears(5)) << "the song in the current directory, looping";
    // More changes than Wine has timers: a timer kept by a stop would run out.
    for (int i = 0; i < 1000; ++i) {
        manager.ActivateApp(0, nullptr);
        manager.ActivateApp(1, nullptr);
        if (i % 100 == 0) { // now and then the song reaches its loop point while active
            ASSERT_TRUE(platform.Hears(2)) << "after " << i << " changes";
        }
    }
    EXPECT_TRUE(platform.Hears(3)) << "a timer still to be had";
    manager.StopMusic();
    EXPECT_FALSE(player.TimerRunning());
}

} // namespace
