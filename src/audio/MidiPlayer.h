// The background-music player: picks and opens an output device, loads a
// song and plays it from the periodic timer, advancing every track by the
// elapsed ticks and sending the channel messages that are due.
#pragma once

#include <mutex>

#include "audio/MidiFile.h"
#include "audio/MidiPlatform.h"

const int MIDI_MAPPER_ID = -1;
const size_t MIDI_PATH_SIZE = 260;

class CMidiPlayer {
public:
    explicit CMidiPlayer(MidiPlatform& platform);
    ~CMidiPlayer();
    CMidiPlayer(const CMidiPlayer&) = delete;
    CMidiPlayer& operator=(const CMidiPlayer&) = delete;

    // Opens a device unless one is open already.
    void InitPlayer(HWND owner);
    // A song that does not load leaves everything as it was.
    void StartSong(const char* path);
    void StopTimer();
    // Stops the timer, closes the device and frees the song.
    void ClosePlayer();
    // The timer's tick, on the timer's thread.
    void OnTimer(UINT timerId);

    // Song ticks per timer tick at the current tempo.
    double Step() const;
    bool IsOpen() const { return m_Out != nullptr; }
    bool TimerRunning() const { return m_TimerRunning != 0; }
    UINT TimerId() const { return m_TimerId; }
    int DeviceId() const { return m_DeviceId; }
    const MidiSong& Song() const { return m_Song; }

private:
    int SelectDevice();
    MidiOutHandle OpenDevice(int id);
    void StopTimerLocked();
    void ClosePlayerLocked();
    void Rewind();
    // At the song's end, from the timer's tick: notes off, back to the top.
    void LoopSong();
    // False once the track has ended.
    bool AdvanceTrack(MidiTrack& track, double step);
    bool ReadDelta(MidiTrack& track, float* delta);
    // True when the track has ended.
    bool PlayEvent(MidiTrack& track);
    void PlayMetaEvent(MidiTrack& track);
    void PlayChannelMessage(MidiTrack& track, uint8_t first);
    void SkipData(MidiTrack& track, int32_t length);

    MidiOutHandle m_Out = nullptr;
    MidiSong m_Song = {};
    UINT m_Period = 0;
    int m_TimerRunning = 0;
    UINT m_TimerId = 0;
    float m_Speed = 1.0f;
    int m_DeviceId = MIDI_MAPPER_ID;
    MidiPlatform& m_Platform;
    // Held by every operation that touches the device or the song; the
    // timer's tick only tries it and skips while the main thread starts or
    // stops the music.
    std::mutex m_Lock;
};
