// One run of the generator into a fresh folder, shared by every test of the
// binary, and small readers for what it writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ArtFolder {
// The folder the generator wrote into for this test run.
const std::string& path();
std::vector<unsigned char> read(const std::string& relative);
uint32_t little(const std::vector<unsigned char>& bytes, size_t at, int width);
uint32_t big(const std::vector<unsigned char>& bytes, size_t at, int width);
}

// A bitmap file as written: header fields and 0xRRGGBB pixels, y from the top.
struct Picture {
    std::string magic;
    uint32_t fileSize = 0, dataOffset = 0, headerSize = 0, planes = 0, bitCount = 0, compression = 0, imageSize = 0;
    int32_t width = 0, height = 0;
    size_t bytesInFile = 0;
    std::vector<uint32_t> pixels;

    uint32_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
    static Picture load(const std::string& relative);
};
