#include "PictureFile.h"

#include <cstdio>
#include <vector>

namespace {
void put16(std::vector<unsigned char>& out, uint32_t v)
{
    out.push_back(v & 255);
    out.push_back((v >> 8) & 255);
}

void put32(std::vector<unsigned char>& out, uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

uint32_t straight(uint32_t premultiplied, uint32_t alpha)
{
    return alpha == 255 ? premultiplied : (premultiplied * 255 + alpha / 2) / alpha;
}
}

namespace PictureFile {
uint32_t colourOf(uint32_t argb)
{
    const uint32_t alpha = argb >> 24;
    if (alpha < 128)
        return KEY;
    const uint32_t rgb = std::min<uint32_t>(255, straight((argb >> 16) & 255, alpha)) << 16
                       | std::min<uint32_t>(255, straight((argb >> 8) & 255, alpha)) << 8
                       | std::min<uint32_t>(255, straight(argb & 255, alpha));
    return rgb == KEY ? NEAR_KEY : rgb;
}

bool write(const std::string& path, const Canvas& canvas, const char magic[2])
{
    const uint32_t w = canvas.width(), h = canvas.height();
    const uint32_t stride = (w * 3 + 3) & ~3u;
    std::vector<unsigned char> out;
    out.reserve(54 + stride * h);
    out.push_back(magic[0]);
    out.push_back(magic[1]);
    put32(out, 54 + stride * h);
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, w);
    put32(out, h);
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);
    put32(out, stride * h);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (uint32_t y = h; y-- > 0;) {
        const uint32_t* row = canvas.row(int(y));
        for (uint32_t x = 0; x < w; ++x) {
            const uint32_t rgb = colourOf(row[x]);
            out.push_back(rgb & 255);
            out.push_back((rgb >> 8) & 255);
            out.push_back(rgb >> 16);
        }
        for (uint32_t pad = w * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}
}
