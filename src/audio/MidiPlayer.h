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
    // At the song's end, from the timer's tick: notes off if any sounded,
    // back to the top.
    void LoopSong();
    // One timer tick later in the song.
    void AdvanceClock();
    // Keeps the song's position while the tempo changes.
    void SetTempo(uint32_t tempo);
    // False once the track has ended.
    bool AdvanceTrack(MidiTrack& track);
    bool AddDelta(MidiTrack& track);
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
    int m_DeviceId = MIDI_MAPPER_ID;
    // The song's position since its first tick: whole ticks, and the rest as
    // a fraction over the tempo. Counted exactly, so that no rounding builds
    // up over a long song and no event goes out early.
    uint64_t m_SongTicks = 0;
    uint64_t m_TickRemainder = 0;
    // Set once the tick at the song's top has gone; from then on every tick
    // moves the song on.
    bool m_Rolling = false;
    // A note went out since the song's top: the loop turns notes off then.
    bool m_Sounded = false;
    MidiPlatform& m_Platform;
    // Held by every operation that touches the device or the song; the
    // timer's tick only tries it and skips while the main thread starts or
    // stops the music.
    std::mutex m_Lock;
};
