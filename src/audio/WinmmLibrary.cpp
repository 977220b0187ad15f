#include "audio/WinmmLibrary.h"

#include "support/LibraryFunction.h"
#include "support/Log.h"

namespace {

enum class LoadState { NotTried, Loaded, Failed };

CWinmmLibrary g_Library;
LoadState g_State = LoadState::NotTried;

template <typename Function>
bool Resolve(HMODULE module, const char* name, Function& function)
{
    return (function = LibraryFunction<Function>(module, name)) != nullptr;
}

} // namespace

const CWinmmLibrary* CWinmmLibrary::Get()
{
    if (g_State == LoadState::NotTried) {
        // Decided before anything is traced: the trace log's clock comes here.
        const bool loaded = g_Library.Load();
        g_State = loaded ? LoadState::Loaded : LoadState::Failed;
        if (!loaded)
            LogMessage("CWinmmLibrary::Get: winmm.dll or one of its functions is missing");
    }
    return g_State == LoadState::Loaded ? &g_Library : nullptr;
}

bool CWinmmLibrary::Load()
{
    HMODULE module = LoadLibraryA("winmm.dll");
    if (!module)
        return false;
    if (Resolve(module, "timeGetTime", TimeGetTime) &&
        Resolve(module, "timeGetDevCaps", TimeGetDevCaps) &&
        Resolve(module, "timeBeginPeriod", TimeBeginPeriod) &&
        Resolve(module, "timeEndPeriod", TimeEndPeriod) &&
        Resolve(module, "timeSetEvent", TimeSetEvent) &&
        Resolve(module, "timeKillEvent", TimeKillEvent) &&
        Resolve(module, "midiOutGetNumDevs", MidiOutGetNumDevs) &&
        Resolve(module, "midiOutGetDevCapsA", MidiOutGetDevCaps) &&
        Resolve(module, "midiOutOpen", MidiOutOpen) &&
        Resolve(module, "midiOutReset", MidiOutReset) &&
        Resolve(module, "midiOutShortMsg", MidiOutShortMsg) &&
        Resolve(module, "midiOutClose", MidiOutClose) &&
        Resolve(module, "waveOutGetNumDevs", WaveOutGetNumDevs) &&
        Resolve(module, "PlaySoundA", PlayResourceSound))
        return true;
    FreeLibrary(module);
    return false;
}
