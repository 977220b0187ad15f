// The music on the real system calls: WINMM's devices and multimedia timer.
// This machine's Wine has no MIDI device: the player must then open nothing,
// send nothing and still start, loop and stop cleanly.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <cstdio>

#include "audio/MidiManager.h"
#include "audio/WinMidiPlatform.h"
#include "testing/TestFolder.h"

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
    void BeginTimerPeriod(UINT period) override { ++periods, CWinMidiPlatform::BeginTimerPeriod(period); }
    void EndTimerPeriod(UINT period) override { --periods, CWinMidiPlatform::EndTimerPeriod(period); }
};

TEST(MusicWithoutDevice, LoopsSilentlyThroughAThousandActivationChangesAndStopsCleanly)
{
    ASSERT_EQ(0u, midiOutGetNumDevs()) << "these checks are for a system without a MIDI device";
    TestFolder folder;
    // A song of about 50 ms at 1 ms periods, so it loops many times.
    const unsigned char song[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 1, 0, 96,
                                  'M', 'T', 'r', 'k', 0, 0, 0, 12, 0x00, 0x90, 0x3C, 0x64,
                                  0x0A, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00};
    std::FILE* file = std::fopen("ZEP04.mid", "wb");
    ASSERT_EQ(1u, std::fwrite(song, sizeof song, 1, file));
    std::fclose(file);
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
