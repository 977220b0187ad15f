// A MIDI platform that records instead of playing, each message stamped with
// the timer tick it went out on (the test or the fuzzer fires the timer). A
// tick, on the caller's thread or on a timer thread of its own, that calls
// anything beyond MIDI messages and starting or killing other timers is a fault.
#pragma once

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "audio/MidiPlayer.h"

class FakeMidiPlatform : public MidiPlatform {
public:
    std::vector<std::string> devices; // an empty name: capabilities that fail
    bool openSucceeds = true, timersRunOut = false;
    UINT period = 1;
    std::string faults; // a line each
    std::atomic<bool> deviceOpen{false};
    // periods: begun and not ended; strayMessages: sent with a handle not the open device.
    int resets = 0, tick = 0, periods = 0;
    std::atomic<int> strayMessages{0};
    // (tick, message) sent once the timer ticked, and the messages sent before.
    std::vector<std::pair<int, DWORD>> sent;
    std::vector<DWORD> beforeTicks;
    // Set on a thread while it runs the timer's callback.
    static inline thread_local bool inTick = false;
    // The running timer (0: none) and the last started; atomic, so that a
    // test thread can fire the timer the way the system does.
    std::atomic<UINT> timer{0}, lastTimer{0};

    UINT OutDeviceCount() override { return Outside("midiOutGetNumDevs"), UINT(devices.size()); }
    bool OutDeviceName(UINT id, char* name, size_t size) override
    {
        Outside("midiOutGetDevCaps");
        return id < devices.size() && std::snprintf(name, size, "%s", devices[id].c_str()) > 0;
    }
    MidiOutHandle OpenOut(int) override { return Outside("midiOutOpen"), (deviceOpen = openSucceeds) ? this : nullptr; }
    void ResetOut(MidiOutHandle out) override { Outside("midiOutReset"), Check(out), ++resets; }
    void SendShort(MidiOutHandle out, DWORD message) override
    {
        Check(out);
        std::lock_guard<std::mutex> lock(sending_);
        if (tick > 0)
            sent.push_back({tick, message});
        else
            beforeTicks.push_back(message);
    }
    void CloseOut(MidiOutHandle out) override { Outside("midiOutClose"), Check(out), deviceOpen = false; }
    UINT MinTimerPeriod() override { return Outside("timeGetDevCaps"), period; }
    void BeginTimerPeriod(UINT) override { Outside("timeBeginPeriod"), ++periods; }
    void EndTimerPeriod(UINT) override { Outside("timeEndPeriod"), --periods; }
    UINT StartTimer(UINT, CMidiPlayer*) override { return timer = timersRunOut ? 0 : ++lastTimer; }
    void KillTimer(UINT id) override { if (id == timer) Outside("timeKillEvent of its own timer"), timer = 0; }
    void Sleep(DWORD) override { Outside("Sleep"); }
    bool CurrentDirectory(char* buffer, size_t size) override
    {
        return Outside("GetCurrentDirectory"), std::snprintf(buffer, size, ".") > 0;
    }

    // Periods of the timer, if one runs.
    void Ticks(CMidiPlayer& player, int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            ++tick;
            inTick = true;
            if (timer)
                player.OnTimer(timer);
            inTick = false;
        }
    }

private:
    void Outside(const char* call)
    {
        std::lock_guard<std::mutex> lock(sending_);
        if (inTick)
            faults += std::string(call) + " from the timer's callback, on tick " + std::to_string(tick) + "\n";
    }
    void Check(MidiOutHandle out) { strayMessages += out != this || !deviceOpen; }

    std::mutex sending_; // the main thread sends when it opens the device; faults come from any thread
};
