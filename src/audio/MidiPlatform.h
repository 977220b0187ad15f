// What the music needs from the system: MIDI output, the periodic
// multimedia timer and the current directory. Windows fills it with WINMM;
// tests fill it with a fake that records what would have been sent.
#pragma once

#include <cstddef>

#include "support/Platform.h"

class CMidiPlayer;

// An open output device, opaque to the player; null means none.
typedef void* MidiOutHandle;

class MidiPlatform {
public:
    virtual ~MidiPlatform() = default;

    virtual UINT OutDeviceCount() = 0;
    // False when the device's capabilities cannot be read.
    virtual bool OutDeviceName(UINT id, char* name, size_t size) = 0;
    // id -1 is the MIDI mapper. Null when the device cannot be opened.
    virtual MidiOutHandle OpenOut(int id) = 0;
    virtual void ResetOut(MidiOutHandle out) = 0;
    virtual void SendShort(MidiOutHandle out, DWORD message) = 0;
    virtual void CloseOut(MidiOutHandle out) = 0;

    virtual UINT MinTimerPeriod() = 0;
    virtual void BeginTimerPeriod(UINT period) = 0;
    virtual void EndTimerPeriod(UINT period) = 0;
    // Calls player->OnTimer(id) every period milliseconds on the timer's thread.
    virtual UINT StartTimer(UINT period, CMidiPlayer* player) = 0;
    virtual void KillTimer(UINT id) = 0;
    virtual void Sleep(DWORD milliseconds) = 0;

    // False when the directory cannot be read.
    virtual bool CurrentDirectory(char* buffer, size_t size) = 0;
};
