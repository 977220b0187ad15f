// The MIDI reader on any bytes, and every file it accepts played by the
// player until the song loops (or for a bounded number of ticks).
#include <cstdint>
#include <cstdio>
#include <string>

#include <unistd.h>

#include "audio/MidiFile.h"
#include "audio/MidiPlayer.h"

namespace {

const int MAX_TICKS = 4000;

class SilentPlatform : public MidiPlatform {
public:
    UINT timer = 0;
    int timersStarted = 0;
    DWORD checksum = 0;

    UINT OutDeviceCount() override { return 0; }
    bool OutDeviceName(UINT, char*, size_t) override { return false; }
    MidiOutHandle OpenOut(int) override { return &device_; }
    void ResetOut(MidiOutHandle) override {}
    void SendShort(MidiOutHandle, DWORD message) override { checksum += message; }
    void CloseOut(MidiOutHandle) override {}
    UINT MinTimerPeriod() override { return 16; }
    void BeginTimerPeriod(UINT) override {}
    void EndTimerPeriod(UINT) override {}
    UINT StartTimer(UINT, CMidiPlayer*) override
    {
        ++timersStarted;
        return timer = timersStarted;
    }
    void KillTimer(UINT id) override
    {
        if (id == timer)
            timer = 0;
    }
    void Sleep(DWORD) override {}
    bool CurrentDirectory(char*, size_t) override { return false; }

private:
    int device_ = 0;
};

const std::string& SongPath()
{
    static const std::string path =
        "/tmp/mossleaf-midi-fuzz-" + std::to_string(getpid()) + ".mid";
    return path;
}

void Play(const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(SongPath().c_str(), "wb");
    if (!file)
        return;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    SilentPlatform platform;
    CMidiPlayer player(platform);
    player.InitPlayer(nullptr);
    player.StartSong(SongPath().c_str());
    for (int tick = 0; tick < MAX_TICKS && platform.timer && platform.timersStarted == 1; ++tick)
        player.OnTimer(platform.timer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MidiSong song;
    if (LoadMidiMemory(data, size, &song))
        return 0;
    FreeSong(&song);
    Play(data, size);
    return 0;
}
