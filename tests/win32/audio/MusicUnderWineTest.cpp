// The music on the real system calls: WINMM's devices and multimedia timer.
// This machine's Wine has no MIDI device: the player must then open nothing,
// send nothing and still start, loop and stop cleanly.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <atomic>

#include "audio/MidiManager.h"
#include "audio/WinMidiPlatform.h"
#include "testing/TestFolder.h"
#include "unit/audio/SmfWriter.h"

namespace {

// Passes everything to WINMM and counts what went where.
class CountingPlatform : public CWinMidiPlatform {
public:
    std::atomic<int> opened{0}, sent{0}, timers{0}, periods{0};

    MidiOutHandle OpenOut(int id) override
    {
        MidiOutHandle out = CWinMidiPlatform::OpenOut(id);
        opened += out != nullptr;
        return out;
    }
    void SendShort(MidiOutHandle out, DWORD message) override
    {
        ++sent;
        CWinMidiPlatform::SendShort(out, message);
    }
    UINT StartTimer(UINT period, CMidiPlayer* player) override
    {
        ++timers;
        return CWinMidiPlatform::StartTimer(period, player);
    }
    void BeginTimerPeriod(UINT period) override
    {
        ++periods;
        CWinMidiPlatform::BeginTimerPeriod(period);
    }
    void EndTimerPeriod(UINT period) override
    {
        --periods;
        CWinMidiPlatform::EndTimerPeriod(period);
    }
};

TEST(MusicWithoutDevice, LoopsSilentlyThroughAThousandActivationChangesAndStopsCleanly)
{
    ASSERT_EQ(0u, midiOutGetNumDevs()) << "these checks are for a system without a MIDI device";
    TestFolder folder;
    // A song of about 50 ms at 1 ms periods, so it loops many times.
    WriteBytes("ZEP04.mid",
               Smf(1, 96, {TrackWriter().NoteOn(0, 0, 60).NoteOff(10, 0, 60).EndOfTrack()}));
    CountingPlatform platform;
    CMidiPlayer player{platform};
    MIDI_MANAGER manager{player, platform};
    manager.ActivateApp(1, nullptr);
    manager.Play(MUSIC_FILES, nullptr);
    manager.InitializedMIDI();
    EXPECT_TRUE(player.TimerRunning()) << "the song in the current directory";
    Sleep(300); // about five times the song
    EXPECT_EQ(1, platform.timers.load()) << "the song loops on its one timer";
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
    EXPECT_EQ(0, platform.opened.load());
    EXPECT_EQ(0, platform.sent.load());
    EXPECT_EQ(0, platform.periods.load());
}

} // namespace
