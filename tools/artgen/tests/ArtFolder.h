// The art folder the build painted, which the program is built from, and a
// reader for its pictures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ArtFolder {
// The folder the build's run of the generator wrote into.
const std::string& path();
}

// A 24-bit picture as written: its size and 0xRRGGBB pixels, y from the top;
// no pixels when it is not one.
struct Picture {
    int32_t width = 0, height = 0;
    std::vector<uint32_t> pixels;

    uint32_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
    static Picture load(const std::string& relative);
};
