// The bytes of "Y5" picture files, well-formed or broken on purpose, for the
// reader tests and the fuzzers' seeds.
#pragma once

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

struct PictureFields {
    int32_t width = 4;
    int32_t height = 3;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t headerSize = 40;
    // Colour-table entries written between the header and the pixels.
    uint32_t colours = 0;
    char magic[2] = {'Y', '5'};
    // Bytes of pixel data written; -1: as many as the rows need.
    int64_t pixelBytes = -1;
};

// Pixel byte i of the data gets (i * 7 + 1) & 0xFF, so every row differs.
inline std::vector<uint8_t> PictureBytes(const PictureFields& fields)
{
    const uint32_t offset = 14 + fields.headerSize + 4 * fields.colours;
    const int64_t rowBytes = (static_cast<int64_t>(fields.width) * fields.bitCount + 31) / 32 * 4;
    const int64_t rows = fields.height < 0 ? -static_cast<int64_t>(fields.height) : fields.height;
    const int64_t pixels = fields.pixelBytes >= 0 ? fields.pixelBytes : rowBytes * rows;
    std::vector<uint8_t> bytes(offset + static_cast<size_t>(pixels), 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    bytes[0] = static_cast<uint8_t>(fields.magic[0]);
    bytes[1] = static_cast<uint8_t>(fields.magic[1]);
    put32(2, static_cast<uint32_t>(bytes.size()));
    put32(10, offset);
    put32(14, fields.headerSize);
    if (fields.headerSize >= 16) {
        put32(18, static_cast<uint32_t>(fields.width));
        put32(22, static_cast<uint32_t>(fields.height));
        bytes[26] = 1;
        bytes[28] = static_cast<uint8_t>(fields.bitCount);
        bytes[29] = static_cast<uint8_t>(fields.bitCount >> 8);
        if (fields.headerSize >= 20)
            put32(30, fields.compression);
    }
    for (uint32_t c = 0; c < fields.colours; ++c)
        put32(14 + fields.headerSize + 4 * c, 0x00010101u * (c & 0xFF));
    for (size_t i = offset; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>((i - offset) * 7 + 1);
    return bytes;
}

inline bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

inline std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
