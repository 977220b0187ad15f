// The MIDI reader on any bytes, and every file it accepts played by the
// player for a bounded number of ticks, on a device that sends nowhere.
#include <fstream>

#include "audio/MidiPlayer.h"

namespace {

class SilentPlatform : public MidiPlatform {
public:
    UINT timer = 0, timersStarted = 0;

    UINT OutDeviceCount() override { return 0; }
    bool OutDeviceName(UINT, char*, size_t) override { return false; }
    MidiOutHandle OpenOut(int) override { return this; }
    void ResetOut(MidiOutHandle) override {}
    void SendShort(MidiOutHandle, DWORD) override {}
    void CloseOut(MidiOutHandle) override {}
    UINT MinTimerPeriod() override { return 16; }
    void BeginTimerPeriod(UINT) override {}
    void EndTimerPeriod(UINT) override {}
    UINT StartTimer(UINT, CMidiPlayer*) override { return timer = ++timersStarted; }
    void KillTimer(UINT id) override { timer = id == timer ? 0 : timer; }
    void Sleep(DWORD) override {}
    bool CurrentDirectory(char*, size_t) override { return false; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char path[] = "fuzz-song.mid"; // in the working folder
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), size);
    SilentPlatform platform;
    CMidiPlayer player(platform);
    player.InitPlayer(nullptr);
    player.StartSong(path); // the reader; a rejected file starts no timer
    for (int tick = 0; tick < 4000 && platform.timer && platform.timersStarted == 1; ++tick)
        player.OnTimer(platform.timer);
    return 0;
}
