// The program's music objects, alive for the whole run. One translation
// unit, so the platform is built before the player and the manager.
#include "audio/MidiManager.h"
#include "audio/WinMidiPlatform.h"

namespace {
CWinMidiPlatform g_MidiPlatform;
CMidiPlayer g_MidiPlayer(g_MidiPlatform);
} // namespace

MIDI_MANAGER MidiManager(g_MidiPlayer, g_MidiPlatform);
