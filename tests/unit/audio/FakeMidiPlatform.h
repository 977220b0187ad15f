// A MIDI platform that records instead of playing. The test fires the timer
// itself, one tick at a time, and every message sent is stamped with the
// tick it went out on. A tick that calls anything a multimedia timer's
// callback may not call (beyond MIDI messages and starting or killing other
// timers) fails the test.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "audio/MidiPlayer.h"

class FakeMidiPlatform : public MidiPlatform {
public:
    // Device names; an empty name stands for a device whose capabilities fail.
    std::vector<std::string> devices;
    bool openSucceeds = true;

    int openedId = -2, resets = 0;
    int periods = 0; // begun and not ended
    int strayMessages = 0; // sent with a handle that is not the open device
    // Tick and message of what was sent once the timer ticked: not the
    // program changes of opening.
    std::vector<std::pair<int, DWORD>> sent;
    int tick = 0;

    UINT OutDeviceCount() override
    {
        return Outside("midiOutGetNumDevs"), static_cast<UINT>(devices.size());
    }
    bool OutDeviceName(UINT id, char* name, size_t size) override
    {
        Outside("midiOutGetDevCaps");
        return id < devices.size() && !devices[id].empty() &&
               std::snprintf(name, size, "%s", devices[id].c_str()) >= 0;
    }
    MidiOutHandle OpenOut(int id) override
    {
        Outside("midiOutOpen");
        openedId = id;
        open_ = openSucceeds;
        return open_ ? &device_ : nullptr;
    }
    void ResetOut(MidiOutHandle out) override { Outside("midiOutReset"), Check(out), ++resets; }
    void SendShort(MidiOutHandle out, DWORD message) override
    {
        Check(out);
        if (tick > 0)
            sent.push_back({tick, message});
    }
    void CloseOut(MidiOutHandle out) override
    {
        Outside("midiOutClose"), Check(out);
        open_ = false;
    }
    UINT MinTimerPeriod() override { return Outside("timeGetDevCaps"), 1; }
    void BeginTimerPeriod(UINT) override { Outside("timeBeginPeriod"), ++periods; }
    void EndTimerPeriod(UINT) override { Outside("timeEndPeriod"), --periods; }
    UINT StartTimer(UINT, CMidiPlayer*) override { return runningTimer_ = ++lastTimerId_; }
    void KillTimer(UINT id) override
    {
        if (id == runningTimer_)
            Outside("timeKillEvent of its own timer"), runningTimer_ = 0;
    }
    void Sleep(DWORD) override { Outside("Sleep"); }
    bool CurrentDirectory(char* buffer, size_t size) override
    {
        Outside("GetCurrentDirectory");
        return std::snprintf(buffer, size, ".") > 0;
    }

    bool TimerRunning() const { return runningTimer_ != 0; }
    UINT LastTimerId() const { return lastTimerId_; }
    bool DeviceOpen() const { return open_; }

    // Periods of the timer, if one runs.
    void Ticks(CMidiPlayer& player, int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            ++tick;
            inTick_ = true;
            if (runningTimer_)
                player.OnTimer(runningTimer_);
            inTick_ = false;
        }
    }

private:
    void Outside(const char* call)
    {
        if (inTick_)
            ADD_FAILURE() << call << " from the timer's callback, on tick " << tick;
    }
    void Check(MidiOutHandle out) { strayMessages += out != &device_ || !open_; }

    int device_ = 0;
    bool open_ = false, inTick_ = false;
    // Atomic, so a test thread can fire the timer the way the system does.
    std::atomic<UINT> runningTimer_{0}, lastTimerId_{0};
};
