#include "audio/WinMidiPlatform.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdio>

#include "audio/MidiPlayer.h"

namespace {

const UINT FALLBACK_PERIOD_MS = 1;

HMIDIOUT ToHandle(MidiOutHandle out)
{
    return static_cast<HMIDIOUT>(out);
}

void CALLBACK OnTimerEvent(UINT id, UINT message, DWORD_PTR user, DWORD_PTR, DWORD_PTR)
{
    reinterpret_cast<CMidiPlayer*>(user)->OnTimer(id);
}

} // namespace

UINT CWinMidiPlatform::OutDeviceCount()
{
    return midiOutGetNumDevs();
}

bool CWinMidiPlatform::OutDeviceName(UINT id, char* name, size_t size)
{
    MIDIOUTCAPSA caps;
    if (midiOutGetDevCapsA(id, &caps, sizeof caps) != MMSYSERR_NOERROR)
        return false;
    std::snprintf(name, size, "%s", caps.szPname);
    return true;
}

MidiOutHandle CWinMidiPlatform::OpenOut(int id)
{
    HMIDIOUT out = nullptr;
    if (midiOutOpen(&out, static_cast<UINT>(id), 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR)
        return nullptr;
    return out;
}

void CWinMidiPlatform::ResetOut(MidiOutHandle out)
{
    midiOutReset(ToHandle(out));
}

void CWinMidiPlatform::SendShort(MidiOutHandle out, DWORD message)
{
    midiOutShortMsg(ToHandle(out), message);
}

void CWinMidiPlatform::CloseOut(MidiOutHandle out)
{
    midiOutClose(ToHandle(out));
}

UINT CWinMidiPlatform::MinTimerPeriod()
{
    TIMECAPS caps;
    if (timeGetDevCaps(&caps, sizeof caps) != TIMERR_NOERROR)
        return FALLBACK_PERIOD_MS;
    return caps.wPeriodMin;
}

void CWinMidiPlatform::BeginTimerPeriod(UINT period)
{
    timeBeginPeriod(period);
}

void CWinMidiPlatform::EndTimerPeriod(UINT period)
{
    timeEndPeriod(period);
}

UINT CWinMidiPlatform::StartTimer(UINT period, CMidiPlayer* player)
{
    // Synchronous killing: once the main thread has killed the timer, no
    // tick of it is still running or yet to come.
    return timeSetEvent(period, 0, OnTimerEvent, reinterpret_cast<DWORD_PTR>(player),
                        TIME_PERIODIC | TIME_KILL_SYNCHRONOUS);
}

void CWinMidiPlatform::KillTimer(UINT id)
{
    timeKillEvent(id);
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
