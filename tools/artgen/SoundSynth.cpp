#include "SoundSynth.h"

#include "Random.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {
const double PI = 3.14159265358979323846;

std::vector<float> silence(double seconds) { return std::vector<float>(size_t(seconds * SoundSynth::RATE), 0.0f); }

// A bell-like tone: a sine with a touch of its octave, struck and decaying.
void chime(std::vector<float>& out, double start, double frequency, double length, double level)
{
    const size_t first = size_t(start * SoundSynth::RATE);
    const size_t count = size_t(length * SoundSynth::RATE);
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = double(i) / SoundSynth::RATE;
        const double envelope = std::min(1.0, t * 400) * std::exp(-t * 6 / length);
        out[first + i] += float(level * envelope * (std::sin(2 * PI * frequency * t) + 0.3 * std::sin(4 * PI * frequency * t)));
    }
}

// A tone whose pitch glides from one frequency to another.
void glide(std::vector<float>& out, double from, double to, double level, double decay)
{
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / out.size();
        phase += 2 * PI * (from + (to - from) * t) / SoundSynth::RATE;
        out[i] += float(level * std::min(1.0, i / 40.0) * std::exp(-t * decay) * std::sin(phase));
    }
}

void noise(std::vector<float>& out, uint32_t seed, double level, double attack, double decay, double smoothing)
{
    Random random(seed);
    double low = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / out.size();
        low += smoothing * (random.uniform(-1, 1) - low);
        out[i] += float(level * std::min(1.0, t / attack) * std::exp(-t * decay) * low);
    }
}

void put(std::vector<unsigned char>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back((value >> (8 * i)) & 255);
}

void tag(std::vector<unsigned char>& out, const char* text) { out.insert(out.end(), text, text + 4); }
}

namespace SoundSynth {
std::vector<unsigned char> wave(const std::vector<float>& samples)
{
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    std::vector<unsigned char> out;
    tag(out, "RIFF");
    put(out, 36 + dataBytes, 4);
    tag(out, "WAVE");
    tag(out, "fmt ");
    put(out, 16, 4);
    put(out, 1, 2);
    put(out, 1, 2);
    put(out, RATE, 4);
    put(out, RATE * 2, 4);
    put(out, 2, 2);
    put(out, 16, 2);
    tag(out, "data");
    put(out, dataBytes, 4);
    for (float s : samples)
        put(out, uint32_t(int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * 32000))) & 0xFFFF, 2);
    return out;
}

std::vector<unsigned char> clear()
{
    std::vector<float> out = silence(0.7);
    noise(out, 11, 0.35, 0.25, 5, 0.08);
    const double notes[] = {1568, 1319, 1047, 784, 659, 523};
    for (int i = 0; i < 6; ++i)
        chime(out, i * 0.07, notes[i], 0.3, 0.22);
    return wave(out);
}

std::vector<unsigned char> peel()
{
    std::vector<float> out = silence(0.2);
    noise(out, 7, 0.5, 0.6, 9, 0.5);
    glide(out, 300, 1100, 0.25, 6);
    return wave(out);
}

std::vector<unsigned char> stick()
{
    std::vector<float> out = silence(0.11);
    glide(out, 220, 90, 0.7, 7);
    noise(out, 3, 0.25, 0.02, 30, 0.3);
    return wave(out);
}

std::vector<unsigned char> select()
{
    std::vector<float> out = silence(0.16);
    chime(out, 0, 880, 0.08, 0.3);
    chime(out, 0.05, 1319, 0.11, 0.3);
    return wave(out);
}
}
