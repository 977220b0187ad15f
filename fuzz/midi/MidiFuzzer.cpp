// The MIDI reader on any bytes, and every file it accepts played by the
// player for a bounded number of ticks, on the tests' recording device; a
// tick that calls outside its bounds or sends to no open device aborts.
#include <cstdlib>
#include <fstream>

#include "testing/FakeMidiPlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char path[] = "fuzz-song.mid"; // in the working folder
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), size);
    FakeMidiPlatform platform;
    platform.period = 16;
    CMidiPlayer player(platform);
    player.InitPlayer(nullptr);
    player.StartSong(path); // the reader; a rejected file starts no timer
    for (int tick = 0; tick < 4000 && platform.timer && platform.lastTimer == 1; ++tick, platform.sent.clear())
        platform.Ticks(player);
    if (!platform.faults.empty() || platform.strayMessages)
        std::abort();
    return 0;
}
