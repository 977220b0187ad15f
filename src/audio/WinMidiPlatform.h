// The music's system calls on Windows: WINMM's MIDI output and multimedia
// timer.
#pragma once

#include "audio/MidiPlatform.h"

class CWinMidiPlatform : public MidiPlatform {
public:
    UINT OutDeviceCount() override;
    bool OutDeviceName(UINT id, char* name, size_t size) override;
    MidiOutHandle OpenOut(int id) override;
    void ResetOut(MidiOutHandle out) override;
    void SendShort(MidiOutHandle out, DWORD message) override;
    void CloseOut(MidiOutHandle out) override;

    UINT MinTimerPeriod() override;
    void BeginTimerPeriod(UINT period) override;
    void EndTimerPeriod(UINT period) override;
    UINT StartTimer(UINT period, CMidiPlayer* player) override;
    void KillTimer(UINT id) override;
    void Sleep(DWORD milliseconds) override;

    bool CurrentDirectory(char* buffer, size_t size) override;
};
