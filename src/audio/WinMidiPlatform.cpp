#include "audio/WinMidiPlatform.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdio>

#include "audio/MidiPlayer.h"
#include "audio/WinmmLibrary.h"
#include "support/Guarded.h"

namespace {

const UINT FALLBACK_PERIOD_MS = 1;

HMIDIOUT ToHandle(MidiOutHandle out)
{
    return static_cast<HMIDIOUT>(out);
}

void CALLBACK OnTimerEvent(UINT id, UINT message, DWORD_PTR user, DWORD_PTR, DWORD_PTR)
{
    CallGuarded("OnTimerEvent", 0, [&] {
        reinterpret_cast<CMidiPlayer*>(user)->OnTimer(id);
        return 0;
    });
}

} // namespace

UINT CWinMidiPlatform::OutDeviceCount()
{
    const CWinmmLibrary* winmm = CWinmmLibrary::Get();
    return winmm ? winmm->MidiOutGetNumDevs() : 0;
}

bool CWinMidiPlatform::OutDeviceName(UINT id, char* name, size_t size)
{
    const CWinmmLibrary* winmm = CWinmmLibrary::Get();
    MIDIOUTCAPSA caps;
    if (!winmm || winmm->MidiOutGetDevCaps(id, &caps, sizeof caps) != MMSYSERR_NOERROR)
        return false;
    std::snprintf(name, size, "%s", caps.szPname);
    return true;
}

MidiOutHandle CWinMidiPlatform::OpenOut(int id)
{
    const CWinmmLibrary* winmm = CWinmmLibrary::Get();
    HMIDIOUT out = nullptr;
    if (!winmm ||
        winmm->MidiOutOpen(&out, static_cast<UINT>(id), 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR)
        return nullptr;
    return out;
}

void CWinMidiPlatform::ResetOut(MidiOutHandle out)
{
    if (const CWinmmLibrary* winmm = CWinmmLibrary::Get())
        winmm->MidiOutReset(ToHandle(out));
}

void CWinMidiPlatform::SendShort(MidiOutHandle out, DWORD message)
{
    if (const CWinmmLibrary* winmm = CWinmmLibrary::Get())
        winmm->MidiOutShortMsg(ToHandle(out), message);
}

void CWinMidiPlatform::CloseOut(MidiOutHandle out)
{
    if (const CWinmmLibrary* winmm = CWinmmLibrary::Get())
        winmm->MidiOutClose(ToHandle(out));
}

UINT CWinMidiPlatform::MinTimerPeriod()
{
    const CWinmmLibrary* winmm = CWinmmLibrary::Get();
    TIMECAPS caps;
    if (!winmm || winmm->TimeGetDevCaps(&caps, sizeof caps) != TIMERR_NOERROR)
        return FALLBACK_PERIOD_MS;
    return caps.wPeriodMin;
}

void CWinMidiPlatform::BeginTimerPeriod(UINT period)
{
    if (const CWinmmLibrary* winmm = CWinmmLibrary::Get())
        winmm->TimeBeginPeriod(period);
}

void CWinMidiPlatform::EndTimerPeriod(UINT period)
{
    if (const CWinmmLibrary* winmm = CWinmmLibrary::Get())
        winmm->TimeEndPeriod(period);
}

UINT CWinMidiPlatform::StartTimer(UINT period, CMidiPlayer* player)
{
    // Synchronous killing: once the main thread has killed the timer, no
    // tick of it is still running or yet to come.
    const CWinmmLibrary* winmm = CWinmmLibrary::Get();
    if (!winmm)
        return 0;
    return winmm->TimeSetEvent(period, 0, OnTimerEvent, reinterpret_cast<DWORD_PTR>(player),
                               TIME_PERIODIC | TIME_KILL_SYNCHRONOUS);
}

void CWinMidiPlatform::KillTimer(UINT id)
{
    if (const CWinmmLibrary* winmm = CWinmmLibrary::Get())
        winmm->TimeKillEvent(id);
}

void CWinMidiPlatform::Sleep(DWORD milliseconds)
{
    ::Sleep(milliseconds);
}

bool CWinMidiPlatform::CurrentDirectory(char* buffer, size_t size)
{
    const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(size), buffer);
    return length > 0 && length < size;
}
