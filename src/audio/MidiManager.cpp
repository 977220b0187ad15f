#include "audio/MidiManager.h"

#include <cstdio>

#include "support/Log.h"

const char* const MUSIC_FILES[1] = {"ZEP04.mid"};

MIDI_MANAGER::MIDI_MANAGER(CMidiPlayer& player, MidiPlatform& platform)
    : m_Player(player), m_Platform(platform)
{
}

void MIDI_MANAGER::Play(const char* const* names, HWND owner)
{
    SongEntry& song = m_Songs[0];
    song.name = names[0];
    char directory[MIDI_PATH_SIZE];
    const int length =
        m_Platform.CurrentDirectory(directory, sizeof directory)
            ? std::snprintf(song.path, sizeof song.path, "%s\\%s", directory, song.name)
            : -1;
    // Without the directory, or with a path too long, the name alone is
    // looked for in the current directory.
    if (length < 0 || static_cast<size_t>(length) >= sizeof song.path)
        std::snprintf(song.path, sizeof song.path, "%s", song.name);
    m_Player.InitPlayer(owner);
    PlayMIDI();
}

void MIDI_MANAGER::PlayMIDI()
{
    LogMessage("PlayMIDI BattleMode %i", m_SongIndex);
    if (m_Active)
        m_Player.StartSong(m_Songs[m_SongIndex].path);
}

void MIDI_MANAGER::StopMusic()
{
    m_Player.ClosePlayer();
}

void MIDI_MANAGER::ActivateApp(int active, HWND owner)
{
    LogMessage("WM_ACTIVATEAPP %i", m_Active);
    m_Active = active;
    if (!active) {
        StopMusic();
        return;
    }
    LogMessage("MIDI_MANAGER::ActivateApp %i", m_Active);
    if (m_Started == 1)
        Play(MUSIC_FILES, owner);
}
