// Test files as bytes: the program's records, and "Y5" picture files, well
// formed or broken on purpose; pictures in memory drawn and read by pixel.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "imaging/CMemoryDIB.h"

typedef std::vector<uint8_t> Bytes;

inline bool WriteBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    return static_cast<bool>(out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size())));
}

inline Bytes ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Little-endian, as every record and picture header is.
inline void PutLong(Bytes& bytes, uint32_t value, int size = 4)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

inline void PutString(Bytes& bytes, const std::string& text)
{
    PutLong(bytes, static_cast<uint32_t>(text.size()));
    bytes.insert(bytes.end(), text.begin(), text.end());
}

struct PictureFields {
    int32_t width = 4, height = 3;
    uint16_t bitCount = 24;
    uint32_t compression = 0, headerSize = 40;
    uint32_t colours = 0; // colour-table entries between the header and the pixels
    char magic[2] = {'Y', '5'};
    int64_t pixelBytes = -1; // -1: as many as the rows need
    COLORREF colour = 0; // of every pixel
};

inline Bytes PictureBytes(const PictureFields& f)
{
    const int64_t row = (int64_t(f.width) * f.bitCount + 31) / 32 * 4; // bytes, padded to four
    const int64_t pixels = f.pixelBytes >= 0 ? f.pixelBytes : row * (f.height < 0 ? -int64_t(f.height) : f.height);
    const uint32_t offset = 14 + f.headerSize + 4 * f.colours;
    Bytes bytes = {uint8_t(f.magic[0]), uint8_t(f.magic[1])};
    for (uint32_t value : {offset + uint32_t(pixels), 0u, offset, f.headerSize, uint32_t(f.width), uint32_t(f.height)})
        PutLong(bytes, value);
    PutLong(bytes, 1, 2);
    PutLong(bytes, f.bitCount, 2);
    PutLong(bytes, f.compression);
    bytes.resize(14 + f.headerSize);
    for (uint32_t c = 0; c < f.colours; ++c)
        PutLong(bytes, 0x00010101u * (c & 0xFF));
    for (int64_t i = 0; i < pixels; ++i) // stored blue first
        bytes.push_back(static_cast<uint8_t>(f.colour >> (8 * (2 - i % row % 3))));
    return bytes;
}

inline void PutPixel(CMemoryDIB& picture, int x, int y, COLORREF colour)
{
    BYTE* p = picture.PixelAddress(x, y);
    p[0] = GetBValue(colour), p[1] = GetGValue(colour), p[2] = GetRValue(colour);
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
    return WriteBytes(path, PictureBytes({w, h, 24, 0, 40, 0, {'Y', '5'}, -1, colour}));
}
