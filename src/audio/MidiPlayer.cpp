#include "audio/MidiPlayer.h"

#include <cstring>

namespace {

const char DEVICE_TO_AVOID[] = "401";
const size_t DEVICE_NAME_SIZE = 32;
const int CHANNELS = 16;
const uint8_t PROGRAM_CHANGE = 0xC0;
const uint8_t CHANNEL_PRESSURE = 0xD0;
const uint8_t CONTROL_CHANGE = 0xB0;
const uint8_t DAMPER_PEDAL = 64;
const uint8_t ALL_NOTES_OFF = 123;
const DWORD SETTLE_MS = 10;

bool HasOneDataByte(uint8_t status)
{
    const uint8_t kind = status & 0xF0;
    return kind == PROGRAM_CHANGE || kind == CHANNEL_PRESSURE;
}

DWORD PackShortMessage(uint8_t status, uint8_t data1, uint8_t data2)
{
    return status | (static_cast<DWORD>(data1) << 8) | (static_cast<DWORD>(data2) << 16);
}

const unsigned char* TrackEnd(const MidiTrack& track)
{
    return track.data + track.length;
}

// The player trusts the reader's validation, yet never steps outside the
// data: a byte that is not there ends the track.
bool TakeByte(MidiTrack& track, uint8_t* value)
{
    if (track.cursor >= TrackEnd(track)) {
        track.ended = 1;
        return false;
    }
    *value = *track.cursor++;
    return true;
}

} // namespace

CMidiPlayer::CMidiPlayer(MidiPlatform& platform) : m_Platform(platform) {}

CMidiPlayer::~CMidiPlayer()
{
    ClosePlayer();
}

void CMidiPlayer::InitPlayer(HWND owner)
{
    std::lock_guard<std::mutex> lock(m_Lock);
    if (m_Out)
        return;
    m_DeviceId = SelectDevice();
    m_Out = OpenDevice(m_DeviceId);
}

int CMidiPlayer::SelectDevice()
{
    const UINT count = m_Platform.OutDeviceCount();
    for (UINT id = 0; id < count; ++id) {
        char name[DEVICE_NAME_SIZE] = "";
        if (!m_Platform.OutDeviceName(id, name, sizeof name))
            continue;
        if (!std::strstr(name, DEVICE_TO_AVOID))
            return static_cast<int>(id);
    }
    return MIDI_MAPPER_ID;
}

MidiOutHandle CMidiPlayer::OpenDevice(int id)
{
    MidiOutHandle out = m_Platform.OpenOut(id);
    if (!out)
        return nullptr;
    m_Platform.ResetOut(out);
    for (int channel = 0; channel < CHANNELS; ++channel) {
        m_Platform.SendShort(out, PackShortMessage(PROGRAM_CHANGE | channel, 0, 0));
        m_Platform.Sleep(SETTLE_MS);
    }
    return out;
}

void CMidiPlayer::StartSong(const char* path)
{
    std::lock_guard<std::mutex> lock(m_Lock);
    MidiSong song;
    if (LoadMidiFile(path, &song))
        return;
    StopTimerLocked();
    FreeSong(&m_Song);
    m_Song = song;
    m_Speed = 1.0f;
    m_Period = m_Platform.MinTimerPeriod();
    Rewind();
    m_Platform.BeginTimerPeriod(m_Period);
    m_TimerId = m_Platform.StartTimer(m_Period, this);
    m_TimerRunning = m_TimerId != 0;
    if (!m_TimerRunning)
        m_Platform.EndTimerPeriod(m_Period);
}

void CMidiPlayer::StopTimer()
{
    std::lock_guard<std::mutex> lock(m_Lock);
    StopTimerLocked();
}

void CMidiPlayer::StopTimerLocked()
{
    if (!m_TimerRunning)
        return;
    m_Platform.KillTimer(m_TimerId);
    m_Platform.EndTimerPeriod(m_Period);
    if (m_Out)
        m_Platform.ResetOut(m_Out);
    m_Platform.Sleep(SETTLE_MS);
    m_TimerRunning = 0;
}

void CMidiPlayer::ClosePlayer()
{
    std::lock_guard<std::mutex> lock(m_Lock);
    ClosePlayerLocked();
}

void CMidiPlayer::ClosePlayerLocked()
{
    // Also without a device: the timer must not outlive the music.
    StopTimerLocked();
    if (m_Out) {
        m_Platform.CloseOut(m_Out);
        m_Out = nullptr;
    }
    FreeSong(&m_Song);
}

void CMidiPlayer::Rewind()
{
    m_Song.tempo = DEFAULT_TEMPO;
    for (int i = 0; i < m_Song.trackCount; ++i) {
        MidiTrack& track = m_Song.tracks[i];
        track.cursor = track.data;
        track.runningStatus = 0;
        track.started = 0;
        track.ended = 0;
        track.wait = 0;
    }
}

double CMidiPlayer::Step() const
{
    return m_Speed * 1000.0 * m_Period * m_Song.division / m_Song.tempo;
}

void CMidiPlayer::OnTimer(UINT timerId)
{
    std::unique_lock<std::mutex> lock(m_Lock, std::try_to_lock);
    // A tick that was already due when its timer was killed finds another
    // id or no timer at all.
    if (!lock.owns_lock() || !m_TimerRunning || timerId != m_TimerId)
        return;
    const double step = Step();
    int live = 0;
    for (int i = 0; i < m_Song.trackCount; ++i) {
        MidiTrack& track = m_Song.tracks[i];
        if (!track.ended && AdvanceTrack(track, step))
            ++live;
    }
    if (live == 0)
        LoopSong();
}

void CMidiPlayer::LoopSong()
{
    // Only MIDI messages here: a timer's callback may not reset the device,
    // sleep, read files or kill its own timer. The next tick plays the top
    // of the song on the same timer.
    if (m_Out) {
        for (uint8_t channel = 0; channel < CHANNELS; ++channel) {
            const uint8_t status = CONTROL_CHANGE | channel;
            m_Platform.SendShort(m_Out, PackShortMessage(status, DAMPER_PEDAL, 0));
            m_Platform.SendShort(m_Out, PackShortMessage(status, ALL_NOTES_OFF, 0));
        }
    }
    Rewind();
}

bool CMidiPlayer::AdvanceTrack(MidiTrack& track, double step)
{
    if (!track.started) {
        // The first delta counts from this tick, without a step.
        track.started = 1;
        if (!ReadDelta(track, &track.wait))
            return false;
    } else {
        track.wait -= static_cast<float>(step);
    }
    while (track.wait <= 0) {
        if (PlayEvent(track))
            return false;
        float delta;
        if (!ReadDelta(track, &delta))
            return false;
        track.wait += delta;
    }
    return true;
}

bool CMidiPlayer::ReadDelta(MidiTrack& track, float* delta)
{
    const int32_t ticks = ReadVarLen(track.cursor, TrackEnd(track));
    if (ticks < 0) {
        track.ended = 1;
        return false;
    }
    *delta = static_cast<float>(ticks);
    return true;
}

bool CMidiPlayer::PlayEvent(MidiTrack& track)
{
    uint8_t first;
    if (!TakeByte(track, &first))
        return true;
    if (first == META_EVENT)
        PlayMetaEvent(track);
    else if (first >= 0xF0)
        SkipData(track, ReadVarLen(track.cursor, TrackEnd(track)));
    else
        PlayChannelMessage(track, first);
    return track.ended != 0;
}

void CMidiPlayer::PlayMetaEvent(MidiTrack& track)
{
    uint8_t type;
    if (!TakeByte(track, &type))
        return;
    if (type == META_END_OF_TRACK) {
        track.ended = 1;
        return;
    }
    // The reader's length rule, so that playback walks the structure that
    // was validated.
    int32_t length;
    if (MetaLengthIsVarLen(type)) {
        length = ReadVarLen(track.cursor, TrackEnd(track));
    } else {
        uint8_t byte;
        if (!TakeByte(track, &byte))
            return;
        length = byte;
    }
    if (type == META_TEMPO && length >= 3 && TrackEnd(track) - track.cursor >= 3) {
        const uint32_t tempo = (static_cast<uint32_t>(track.cursor[0]) << 16) |
                               (track.cursor[1] << 8) | track.cursor[2];
        // A tempo of 0 would make the step infinite.
        if (tempo)
            m_Song.tempo = tempo;
    }
    SkipData(track, length);
}

void CMidiPlayer::SkipData(MidiTrack& track, int32_t length)
{
    if (length < 0 || length > TrackEnd(track) - track.cursor) {
        track.ended = 1;
        return;
    }
    track.cursor += length;
}

void CMidiPlayer::PlayChannelMessage(MidiTrack& track, uint8_t first)
{
    uint8_t data1 = first;
    if (first >= 0x80) {
        track.runningStatus = first;
        if (!TakeByte(track, &data1))
            return;
    }
    const uint8_t status = track.runningStatus;
    uint8_t data2 = 0;
    if (!HasOneDataByte(status) && !TakeByte(track, &data2))
        return;
    // Data bytes before any status byte are stepped over but are no message.
    if (status && m_Out)
        m_Platform.SendShort(m_Out, PackShortMessage(status, data1, data2));
}
