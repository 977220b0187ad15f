// The four short sound effects, synthesised as 16-bit mono RIFF WAVE files.
#pragma once

#include <vector>

namespace SoundSynth {
const int RATE = 22050;

std::vector<unsigned char> clear();
std::vector<unsigned char> peel();
std::vector<unsigned char> stick();
std::vector<unsigned char> select();

std::vector<unsigned char> wave(const std::vector<float>& samples);
}
