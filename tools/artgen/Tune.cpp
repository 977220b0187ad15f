#include "Tune.h"

#include "MidiWriter.h"

#include <cstdlib>
#include <sstream>
#include <string>

namespace {
const int EIGHTH = Tune::DIVISION / 2;
const int MELODY = 0, HARMONY = 1, BASS = 2, DRUMS = 9;

// One chord per bar, and the melody of each bar in eighth notes (name:length).
const char* const CHORDS[Tune::BARS] = {
    "C", "Am", "F", "G", "C", "Am", "Dm", "G",
    "C", "Am", "F", "G", "F", "G", "C", "C",
    "F", "G", "Em", "Am", "Dm", "G", "C", "G",
    "C", "Am", "F", "G", "F", "G", "C", "C",
};
const char* const MELODY_BARS[Tune::BARS] = {
    "E5:2 G5:2 E5:2 C5:2", "A4:2 C5:2 E5:4", "F5:2 E5:2 D5:2 C5:2", "D5:6 r:2",
    "E5:2 G5:2 C6:2 B5:2", "A5:2 G5:2 E5:4", "F5:2 E5:2 D5:2 F5:2", "E5:4 D5:4",
    "E5:2 G5:2 E5:2 C5:2", "A4:2 C5:2 E5:4", "F5:2 A5:2 G5:2 F5:2", "E5:2 D5:2 B4:4",
    "A4:2 C5:2 F5:3 E5:1", "D5:2 G5:2 B4:4", "C5:6 r:2", "E5:2 D5:2 C5:4",
    "A5:3 G5:1 F5:2 A5:2", "G5:4 D5:4", "E5:3 F5:1 G5:2 B5:2", "A5:6 r:2",
    "F5:2 A5:2 D6:2 C6:2", "B5:2 A5:2 G5:4", "E5:2 G5:2 C6:2 G5:2", "F5:2 E5:2 D5:4",
    "E5:2 G5:2 E5:2 C5:2", "A4:2 C5:2 E5:4", "F5:2 E5:2 D5:2 C5:2", "D5:2 G5:2 F5:2 D5:2",
    "C5:2 F5:2 A5:2 F5:2", "E5:2 D5:2 G5:4", "E5:4 D5:2 B4:2", "C5:6 r:2",
};

struct Chord {
    int root;
    int third;
};

Chord chord(const std::string& name)
{
    const int root = Tune::key((name.substr(0, 1) + "3").c_str());
    return {root, name.size() > 1 && name[1] == 'm' ? 3 : 4};
}

void setUp(MidiWriter& midi, int track, int channel, int program, int volume, int pan)
{
    if (program >= 0)
        midi.program(track, 0, channel, program);
    midi.controller(track, 0, channel, 7, volume);
    midi.controller(track, 0, channel, 10, pan);
    midi.controller(track, 0, channel, 91, 48);
}

void melody(MidiWriter& midi, int track)
{
    for (int bar = 0; bar < Tune::BARS; ++bar) {
        std::istringstream notes(MELODY_BARS[bar]);
        std::string item;
        int at = bar * Tune::TICKS_PER_BAR;
        while (notes >> item) {
            const size_t colon = item.find(':');
            const int length = std::atoi(item.c_str() + colon + 1) * EIGHTH;
            const int key = Tune::key(item.substr(0, colon).c_str());
            if (key >= 0)
                midi.note(track, at, length - 6, MELODY, key, 84);
            at += length;
        }
    }
}

void harmony(MidiWriter& midi, int track)
{
    for (int bar = 0; bar < Tune::BARS; ++bar) {
        const Chord c = chord(CHORDS[bar]);
        const int rolling[8] = {0, 7, 12, 12 + c.third, 19, 12 + c.third, 12, 7};
        for (int i = 0; i < 8; ++i)
            midi.note(track, bar * Tune::TICKS_PER_BAR + i * EIGHTH, EIGHTH - 4, HARMONY, c.root + rolling[i], i % 2 ? 42 : 52);
    }
}

void bass(MidiWriter& midi, int track)
{
    for (int bar = 0; bar < Tune::BARS; ++bar) {
        const Chord c = chord(CHORDS[bar]);
        const int half = Tune::TICKS_PER_BAR / 2;
        midi.note(track, bar * Tune::TICKS_PER_BAR, half - 12, BASS, c.root - 12, 76);
        midi.note(track, bar * Tune::TICKS_PER_BAR + half, half - 12, BASS, c.root - 5, 68);
    }
}

void drums(MidiWriter& midi, int track)
{
    const int KICK = 36, STICK = 37, HAT = 42;
    for (int bar = 0; bar < Tune::BARS; ++bar) {
        const int start = bar * Tune::TICKS_PER_BAR;
        for (int beat = 0; beat < 4; ++beat) {
            const int at = start + beat * Tune::DIVISION;
            midi.note(track, at, EIGHTH / 2, DRUMS, beat % 2 ? STICK : KICK, beat % 2 ? 44 : 58);
            midi.note(track, at, EIGHTH / 2, DRUMS, HAT, 34);
            midi.note(track, at + EIGHTH, EIGHTH / 2, DRUMS, HAT, 24);
        }
    }
}
}

namespace Tune {
int key(const char* name)
{
    static const int SEMITONES[7] = {9, 11, 0, 2, 4, 5, 7};
    if (name[0] == 'r')
        return -1;
    int semitone = SEMITONES[name[0] - 'A'];
    const char* octave = name + 1;
    if (*octave == '#')
        ++semitone, ++octave;
    else if (*octave == 'b')
        --semitone, ++octave;
    return 12 * (std::atoi(octave) + 1) + semitone;
}

std::vector<unsigned char> midiFile()
{
    MidiWriter midi(DIVISION);
    const int conductor = midi.addTrack("Mossleaf Morning");
    midi.tempo(conductor, 0, TEMPO);
    midi.timeSignature(conductor, 0, 4, 2);
    const int lead = midi.addTrack("Melody");
    setUp(midi, lead, MELODY, 73, 100, 64);
    melody(midi, lead);
    const int chords = midi.addTrack("Harmony");
    setUp(midi, chords, HARMONY, 0, 78, 44);
    harmony(midi, chords);
    const int low = midi.addTrack("Bass");
    setUp(midi, low, BASS, 32, 92, 64);
    bass(midi, low);
    const int kit = midi.addTrack("Drums");
    setUp(midi, kit, DRUMS, -1, 70, 84);
    drums(midi, kit);
    return midi.bytes(BARS * TICKS_PER_BAR);
}
}
