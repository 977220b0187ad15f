#include "audio/MidiPlayer.h"

#include <cstring>

namespace {

const char DEVICE_TO_AVOID[] = "401";
const size_t DEVICE_NAME_SIZE = 32;
const int CHANNELS = 16;
const uint8_t NOTE_ON = 0x90;
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
    m_SongTicks = 0;
    m_TickRemainder = 0;
    m_Rolling = false;
    m_Sounded = false;
    for (int i = 0; i < m_Song.trackCount; ++i) {
        MidiTrack& track = m_Song.tracks[i];
        track.cursor = track.data;
        track.runningStatus = 0;
        track.started = 0;
        track.ended = 0;
        track.due = 0;
    }
}

double CMidiPlayer::Step() const
{
    return 1000.0 * m_Period * m_Song.division / m_Song.tempo;
}

void CMidiPlayer::AdvanceClock()
{
    // A timer tick is 1000 x period x division / tempo song ticks.
    m_TickRemainder += uint64_t(1000) * m_Period * m_Song.division;
    m_SongTicks += m_TickRemainder / m_Song.tempo;
    m_TickRemainder %= m_Song.tempo;
}

void CMidiPlayer::SetTempo(uint32_t tempo)
{
    // The fraction of a tick passed, in the new tempo's units; rounded down,
    // so the change can only hold the song back, by under a millionth of a tick.
    m_TickRemainder = m_TickRemainder * tempo / m_Song.tempo;
    m_Song.tempo = tempo;
}

void CMidiPlayer::OnTimer(UINT timerId)
{
    std::unique_lock<std::mutex> lock(m_Lock, std::try_to_lock);
    // A tick that was already due when its timer was killed finds another
    // id or no timer at all.
    if (!lock.owns_lock() || !m_TimerRunning || timerId != m_TimerId)
        return;
    // The song's top goes out on the first tick; every tick after it moves on.
    if (m_Rolling)
        AdvanceClock();
    m_Rolling = true;
    int live = 0;
    for (int i = 0; i < m_Song.trackCount; ++i) {
        MidiTrack& track = m_Song.tracks[i];
        if (!track.ended && AdvanceTrack(track))
            ++live;
    }
    if (live == 0)
        LoopSong();
}

void CMidiPlayer::LoopSong()
{
    // Only MIDI messages here: a timer's callback may not reset the device,
    // sleep, read files or kill its own timer. The next tick plays the top
    // of the song on the same timer. A song that sounded nothing (one that
    // ends at once loops on every tick) needs no notes turned off.
    if (m_Out && m_Sounded) {
        for (uint8_t channel = 0; channel < CHANNELS; ++channel) {
            const uint8_t status = CONTROL_CHANGE | channel;
            m_Platform.SendShort(m_Out, PackShortMessage(status, DAMPER_PEDAL, 0));
            m_Platform.SendShort(m_Out, PackShortMessage(status, ALL_NOTES_OFF, 0));
        }
    }
    Rewind();
}

bool CMidiPlayer::AdvanceTrack(MidiTrack& track)
{
    if (!track.started) {
        track.started = 1;
        if (!AddDelta(track))
            return false;
    }
    while (track.due <= m_SongTicks) {
        if (PlayEvent(track) || !AddDelta(track))
            return false;
    }
    return true;
}

bool CMidiPlayer::AddDelta(MidiTrack& track)
{
    const int32_t ticks = ReadVarLen(track.cursor, TrackEnd(track));
    if (ticks < 0) {
        track.ended = 1;
        return false;
    }
    track.due += static_cast<uint32_t>(ticks);
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
            SetTempo(tempo);
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
    if (status && m_Out) {
        m_Platform.SendShort(m_Out, PackShortMessage(status, data1, data2));
        // A note-on of velocity 0 is a note-off.
        m_Sounded = m_Sounded || ((status & 0xF0) == NOTE_ON && data2 != 0);
    }
}
