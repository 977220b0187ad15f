// The application's face of the background music: started once at start-up,
// then told about every activation change. Losing activation closes the
// device; regaining it plays the song again from the beginning.
#pragma once

#include "audio/MidiPlayer.h"

// The music files, played from the current directory.
extern const char* const MUSIC_FILES[1];

class MIDI_MANAGER {
public:
    MIDI_MANAGER(CMidiPlayer& player, MidiPlatform& platform);

    // names: one file name, found in the current directory.
    void Play(const char* const* names, HWND owner);
    void PlayMIDI();
    void StopMusic();
    void ActivateApp(int active, HWND owner);
    // Start-up has played the music: from now on activation restarts it.
    void InitializedMIDI() { m_Started = 1; }

    const char* SongPath() const { return m_Songs[m_SongIndex].path; }

private:
    struct SongEntry {
        const char* name;
        char path[MIDI_PATH_SIZE];
    };

    int m_SongIndex = 0;
    SongEntry m_Songs[1] = {};
    int m_Active = 0;
    int m_Started = 0;
    CMidiPlayer& m_Player;
    MidiPlatform& m_Platform;
};

// The program's one manager (the Windows build defines it).
extern MIDI_MANAGER MidiManager;
