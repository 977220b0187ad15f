#include "ArtFolder.h"

#include "Fonts.h"
#include "Generator.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace {
struct Run {
    std::string folder;
    Run()
    {
        std::random_device random;
        folder = (std::filesystem::temp_directory_path() / ("mossleaf-artgen-" + std::to_string(random()))).string();
        if (!Generator::run(folder))
            std::abort();
    }
    ~Run()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        Fonts::release();
    }
};
}

namespace ArtFolder {
const std::string& path()
{
    static Run run;
    return run.folder;
}

std::vector<unsigned char> read(const std::string& relative)
{
    std::ifstream in(path() + "/" + relative, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

uint32_t little(const std::vector<unsigned char>& bytes, size_t at, int width)
{
    uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i)
        v = v << 8 | (at + i < bytes.size() ? bytes[at + i] : 0);
    return v;
}

uint32_t big(const std::vector<unsigned char>& bytes, size_t at, int width)
{
    uint32_t v = 0;
    for (int i = 0; i < width; ++i)
        v = v << 8 | (at + i < bytes.size() ? bytes[at + i] : 0);
    return v;
}
}

Picture Picture::load(const std::string& relative)
{
    using ArtFolder::little;
    const std::vector<unsigned char> b = ArtFolder::read(relative);
    Picture p;
    p.bytesInFile = b.size();
    if (b.size() < 54)
        return p;
    p.magic.assign(b.begin(), b.begin() + 2);
    p.fileSize = little(b, 2, 4);
    p.dataOffset = little(b, 10, 4);
    p.headerSize = little(b, 14, 4);
    p.width = int32_t(little(b, 18, 4));
    p.height = int32_t(little(b, 22, 4));
    p.planes = little(b, 26, 2);
    p.bitCount = little(b, 28, 2);
    p.compression = little(b, 30, 4);
    p.imageSize = little(b, 34, 4);
    const size_t stride = (size_t(p.width) * 3 + 3) & ~size_t(3);
    if (p.bitCount != 24 || p.width <= 0 || p.height <= 0 || p.dataOffset + stride * p.height > b.size())
        return p;
    p.pixels.resize(size_t(p.width) * p.height);
    for (int y = 0; y < p.height; ++y) {
        const size_t row = p.dataOffset + (size_t(p.height) - 1 - y) * stride;
        for (int x = 0; x < p.width; ++x)
            p.pixels[size_t(y) * p.width + x] = b[row + 3 * x + 2] << 16 | b[row + 3 * x + 1] << 8 | b[row + 3 * x];
    }
    return p;
}
