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
#include <vector>

#include "audio/MidiPlayer.h"

struct SentMessage {
    int tick;
    DWORD message;
};

class FakeMidiPlatform : public MidiPlatform {
public:
    // Device names; an empty name stands for a device whose capabilities fail.
    std::vector<std::string> devices;
    bool openSucceeds = true;
    UINT period = 1;
    std::string directory = ".";
    bool directoryReadable = true;

    int openedId = -2;
    int opens = 0;
    int closes = 0;
    int resets = 0;
    int timersStarted = 0;
    int timersKilled = 0;
    int periodsBegun = 0;
    int periodsEnded = 0;
    DWORD slept = 0;
    // Messages sent with a handle that is not the open device.
    int strayMessages = 0;
    std::vector<SentMessage> sent;
    int tick = 0;

    UINT OutDeviceCount() override
    {
        OutsideTheTick("midiOutGetNumDevs");
        return static_cast<UINT>(devices.size());
    }
    bool OutDeviceName(UINT id, char* name, size_t size) override
    {
        OutsideTheTick("midiOutGetDevCaps");
        if (id >= devices.size() || devices[id].empty())
            return false;
        std::snprintf(name, size, "%s", devices[id].c_str());
        return true;
    }
    MidiOutHandle OpenOut(int id) override
    {
        OutsideTheTick("midiOutOpen");
        ++opens;
        openedId = id;
        if (!openSucceeds)
            return nullptr;
        open_ = true;
        return &device_;
    }
    void ResetOut(MidiOutHandle out) override
    {
        OutsideTheTick("midiOutReset");
        CheckHandle(out);
        ++resets;
    }
    void SendShort(MidiOutHandle out, DWORD message) override
    {
        CheckHandle(out);
        sent.push_back({tick, message});
    }
    void CloseOut(MidiOutHandle out) override
    {
        OutsideTheTick("midiOutClose");
        CheckHandle(out);
        open_ = false;
        ++closes;
    }

    UINT MinTimerPeriod() override
    {
        OutsideTheTick("timeGetDevCaps");
        return period;
    }
    void BeginTimerPeriod(UINT) override
    {
        OutsideTheTick("timeBeginPeriod");
        ++periodsBegun;
    }
    void EndTimerPeriod(UINT) override
    {
        OutsideTheTick("timeEndPeriod");
        ++periodsEnded;
    }
    UINT StartTimer(UINT, CMidiPlayer*) override
    {
        ++timersStarted;
        runningTimer_ = ++lastTimerId_;
        return runningTimer_;
    }
    void KillTimer(UINT id) override
    {
        ++timersKilled;
        if (id == runningTimer_) {
            OutsideTheTick("timeKillEvent of its own timer");
            runningTimer_ = 0;
        }
    }
    void Sleep(DWORD milliseconds) override
    {
        OutsideTheTick("Sleep");
        slept += milliseconds;
    }

    bool CurrentDirectory(char* buffer, size_t size) override
    {
        OutsideTheTick("GetCurrentDirectory");
        if (!directoryReadable)
            return false;
        std::snprintf(buffer, size, "%s", directory.c_str());
        return true;
    }

    bool TimerRunning() const { return runningTimer_ != 0; }
    UINT LastTimerId() const { return lastTimerId_; }
    bool DeviceOpen() const { return open_; }

    // One period of the timer, if one runs.
    void Tick(CMidiPlayer& player)
    {
        ++tick;
        if (!runningTimer_)
            return;
        inTick_ = true;
        player.OnTimer(runningTimer_);
        inTick_ = false;
    }
    void Ticks(CMidiPlayer& player, int count)
    {
        for (int i = 0; i < count; ++i)
            Tick(player);
    }
    // The channel messages only, without the program changes of opening.
    std::vector<SentMessage> Played() const
    {
        std::vector<SentMessage> played;
        for (const SentMessage& m : sent)
            if (m.tick > 0)
                played.push_back(m);
        return played;
    }

private:
    void OutsideTheTick(const char* call)
    {
        if (inTick_)
            ADD_FAILURE() << call << " from the timer's callback, on tick " << tick;
    }
    void CheckHandle(MidiOutHandle out)
    {
        if (out != &device_ || !open_)
            ++strayMessages;
    }

    int device_ = 0;
    bool open_ = false;
    bool inTick_ = false;
    // Atomic, so a test thread can fire the timer the way the system does.
    std::atomic<UINT> runningTimer_{0};
    std::atomic<UINT> lastTimerId_{0};
};
