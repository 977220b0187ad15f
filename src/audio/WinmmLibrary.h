// WINMM, loaded on first use instead of with the program: as an import,
// winmm.dll and the audio compression manager it brings were attached before
// the entry point ran, and nothing before the title screen needs them. The
// first use is on the main thread (the music's start, or the trace log's
// first line), before any multimedia timer runs.
#pragma once

#include <windows.h>
#include <mmsystem.h>

class CWinmmLibrary {
public:
    // The library with every entry point below resolved; null when winmm.dll
    // or one of them is missing (traced once, and not tried again).
    static const CWinmmLibrary* Get();

    decltype(&::timeGetTime) TimeGetTime = nullptr;
    decltype(&::timeGetDevCaps) TimeGetDevCaps = nullptr;
    decltype(&::timeBeginPeriod) TimeBeginPeriod = nullptr;
    decltype(&::timeEndPeriod) TimeEndPeriod = nullptr;
    decltype(&::timeSetEvent) TimeSetEvent = nullptr;
    decltype(&::timeKillEvent) TimeKillEvent = nullptr;
    decltype(&::midiOutGetNumDevs) MidiOutGetNumDevs = nullptr;
    decltype(&::midiOutGetDevCapsA) MidiOutGetDevCaps = nullptr;
    decltype(&::midiOutOpen) MidiOutOpen = nullptr;
    decltype(&::midiOutReset) MidiOutReset = nullptr;
    decltype(&::midiOutShortMsg) MidiOutShortMsg = nullptr;
    decltype(&::midiOutClose) MidiOutClose = nullptr;
    decltype(&::waveOutGetNumDevs) WaveOutGetNumDevs = nullptr;
    decltype(&::PlaySoundA) PlayResourceSound = nullptr;

private:
    bool Load();
};
