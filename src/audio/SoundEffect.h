// A short sound from the program's WAVE resources, played asynchronously:
// create one on the stack where the sound is due. A new sound cuts off the
// one still playing.
#pragma once

#include <windows.h>

class SoundEffect {
public:
    enum : int {
        SOUND_CLEAR = 0,
        SOUND_PEEL = 1,
        SOUND_STICK = 2,
        SOUND_SELECT = 3,
        SOUND_COUNT = 4,
    };

    SoundEffect(HWND window, int index);
    virtual ~SoundEffect();

    // Sets up the wave devices that the first sound would otherwise set up
    // mid-play: a one-time cost, taken while the title screen is shown.
    static void PrepareDevices();

    // The resource name of a sound, null for an index out of range.
    static const char* ResourceName(int index);

    // Plays a sound resource of the module: the wave output device, silent
    // without one. Tests record the sounds here instead.
    typedef void (*Player)(const char* resourceName, HINSTANCE instance);
    static Player ms_Player;
};
