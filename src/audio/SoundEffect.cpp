#include "audio/SoundEffect.h"

#include "audio/WinmmLibrary.h"

#include "support/Assert.h"
#include "support/Log.h"

namespace {

const char* const SOUND_RESOURCES[SoundEffect::SOUND_COUNT] = {
    "ClearWAVE",
    "PeelWAVE",
    "StickWAVE",
    "SelectWAVE",
};

// Silent when the resource or the sound device is missing. Without any
// wave output device nothing can be heard, and the system would still start
// a thread for the sound only to find no device to open.
void PlayOnWaveDevice(const char* resourceName, HINSTANCE instance)
{
    const CWinmmLibrary* winmm = CWinmmLibrary::Get();
    if (!winmm || winmm->WaveOutGetNumDevs() == 0)
        return;
    winmm->PlayResourceSound(resourceName, instance, SND_RESOURCE | SND_ASYNC);
}

} // namespace

SoundEffect::Player SoundEffect::ms_Player = PlayOnWaveDevice;

const char* SoundEffect::ResourceName(int index)
{
    if (index < 0 || index >= SOUND_COUNT)
        return nullptr;
    return SOUND_RESOURCES[index];
}

void SoundEffect::PrepareDevices()
{
    // Counting the devices makes the system find them and start watching
    // them for changes (a thread of its own under Wine); nothing is opened
    // and nothing is heard.
    if (const CWinmmLibrary* winmm = CWinmmLibrary::Get())
        LogMessage("SoundEffect::PrepareDevices: %u wave output devices", winmm->WaveOutGetNumDevs());
}

SoundEffect::SoundEffect(HWND window, int index)
{
    const char* name = ResourceName(index);
    ML_ASSERT(name != NULL);
    if (!name)
        return;
    ms_Player(name, reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)));
}

SoundEffect::~SoundEffect() = default;
