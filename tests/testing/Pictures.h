// Small pictures for tests: filled in memory, or written as "Y5" picture
// files the way the data folder holds them.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "imaging/CMemoryDIB.h"

inline void PutPixel(CMemoryDIB& picture, int x, int y, COLORREF colour)
{
    BYTE* p = picture.PixelAddress(x, y);
    p[0] = GetBValue(colour);
    p[1] = GetGValue(colour);
    p[2] = GetRValue(colour);
}

inline void FillPicture(CMemoryDIB& picture, COLORREF colour)
{
    for (int y = 0; y < picture.GetHeight(); ++y)
        for (int x = 0; x < picture.GetWidth(); ++x)
            PutPixel(picture, x, y, colour);
}

inline COLORREF PixelOf(const CMemoryDIB& picture, int x, int y)
{
    COLORREF colour = 0xDEADBEEF;
    picture.GetPixel(x, y, &colour);
    return colour;
}

// A w x h picture of one colour as a "Y5" file at a native path.
inline bool WritePictureFile(const std::string& path, int w, int h, COLORREF colour)
{
    const int stride = CMemoryDIB::StrideFor(w);
    std::vector<BYTE> bytes(54 + stride * h, 0);
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&bytes[at], &v, 4); };
    bytes[0] = 'Y';
    bytes[1] = '5';
    put32(2, static_cast<uint32_t>(bytes.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(w));
    put32(22, static_cast<uint32_t>(h));
    bytes[26] = 1;
    bytes[28] = 24;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            BYTE* p = &bytes[54 + y * stride + 3 * x];
            p[0] = GetBValue(colour);
            p[1] = GetGValue(colour);
            p[2] = GetRValue(colour);
        }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
