// Small pictures for tests: filled in memory, or written as "Y5" picture
// files the way the data folder holds them.
#pragma once

#include <cstdint>
#include <cstring>
#include <fstream>
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
    CMemoryDIB picture(w, h);
    FillPicture(picture, colour);
    const uint32_t header[3] = {54 + picture.GetImageSize(), 0, 54};
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write("Y5", 2).write(reinterpret_cast<const char*>(header), 12);
    out.write(reinterpret_cast<const char*>(&picture.GetBitmapInfo()->bmiHeader), 40);
    out.write(reinterpret_cast<const char*>(picture.GetBits()), picture.GetImageSize());
    return static_cast<bool>(out);
}
