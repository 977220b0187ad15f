// "Mossleaf Morning", the background music: 32 bars in C major at 96 beats
// a minute (80 s), flute melody, piano harmony, bass and soft drums. It ends
// on the tonic at a bar line, so it loops without a jolt.
#pragma once

#include <vector>

namespace Tune {
const int DIVISION = 96;
const int BARS = 32;
const int TICKS_PER_BAR = 4 * DIVISION;
const int TEMPO = 625000;

std::vector<unsigned char> midiFile();
// MIDI key of a note name such as "C5", "F#4" or "Bb3"; -1 for a rest "r".
int key(const char* name);
}
