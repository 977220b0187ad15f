#include "ArtFolder.h"

#include "Fonts.h"

#include <fstream>
#include <iterator>

namespace {
// The fonts the tests draw with are let go before the leak check at exit.
struct FontsReleased {
    ~FontsReleased() { Fonts::release(); }
} fontsReleased;
}

namespace ArtFolder {
const std::string& path()
{
    static const std::string folder = ARTGEN_BUILD_ART_DIR;
    return folder;
}
}

Picture Picture::load(const std::string& relative)
{
    std::ifstream in(ArtFolder::path() + "/" + relative, std::ios::binary);
    const std::vector<unsigned char> b(std::istreambuf_iterator<char>(in), {});
    auto little = [&](size_t at) { return uint32_t(b[at] | b[at + 1] << 8 | b[at + 2] << 16) | uint32_t(b[at + 3]) << 24; };
    Picture p;
    if (b.size() < 54)
        return p;
    const uint32_t dataOffset = little(10);
    p.width = int32_t(little(18));
    p.height = int32_t(little(22));
    const size_t stride = (size_t(p.width) * 3 + 3) & ~size_t(3);
    if ((b[28] | b[29] << 8) != 24 || p.width <= 0 || p.height <= 0 || dataOffset + stride * p.height > b.size())
        return p;
    p.pixels.resize(size_t(p.width) * p.height);
    for (int y = 0; y < p.height; ++y) {
        const size_t row = dataOffset + (size_t(p.height) - 1 - y) * stride;
        for (int x = 0; x < p.width; ++x)
            p.pixels[size_t(y) * p.width + x] = b[row + 3 * x + 2] << 16 | b[row + 3 * x + 1] << 8 | b[row + 3 * x];
    }
    return p;
}
