#include "imaging/CDIBSection.h"

#include <cstdint>
#include <cstring>

#include "support/Log.h"

namespace {

const DWORD FILE_HEADER_SIZE = 14;
const DWORD INFO_HEADER_SIZE = 40;
// A header with a full 256-entry colour table is far below this.
const DWORD MAX_INFO_SIZE = 4096;
const LONG MAX_SIDE = 8192;

DWORD LittleEndian32(const BYTE* bytes)
{
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<DWORD>(bytes[3]) << 24);
}

bool IsUncompressedBitCount(WORD bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// GDI reads a full table of 2^bits entries for 8 bits or fewer, since the
// colours-used field is cleared.
DWORD ColourTableSize(WORD bits)
{
    return bits <= 8 ? (DWORD(1) << bits) * sizeof(RGBQUAD) : 0;
}

BITMAPINFOHEADER* HeaderOf(std::vector<BYTE>& info)
{
    return reinterpret_cast<BITMAPINFOHEADER*>(info.data());
}

} // namespace

bool CDIBSection::ComputeMetrics(const BITMAPINFOHEADER& header, DWORD* pixelSize)
{
    if (header.biSize != INFO_HEADER_SIZE) {
        LogMessage("CDIBSection::ComputeMetrics: Not a valid Windows bitmap -- probably an OS/2 "
                   "bitmap\n");
        return false;
    }
    if (header.biWidth <= 0 || header.biWidth > MAX_SIDE || header.biHeight <= 0 ||
        header.biHeight > MAX_SIDE || !IsUncompressedBitCount(header.biBitCount)) {
        LogMessage("CDIBSection::ComputeMetrics: Bad size %i x %i or bit count %i",
                   static_cast<int>(header.biWidth), static_cast<int>(header.biHeight),
                   header.biBitCount);
        return false;
    }
    const uint64_t rowBytes = (static_cast<uint64_t>(header.biWidth) * header.biBitCount + 31) / 32 * 4;
    *pixelSize = static_cast<DWORD>(rowBytes * header.biHeight);
    return true;
}

bool CDIBSection::ReadInfo(CFile& file, std::vector<BYTE>* info, DWORD* pixelSize)
{
    BYTE fileHeader[FILE_HEADER_SIZE];
    DWORD got = 0;
    file.Read(fileHeader, FILE_HEADER_SIZE, &got);
    if (got != FILE_HEADER_SIZE) {
        LogMessage("CDIBSection::ReadSection: Bad file read.");
        return false;
    }
    if (fileHeader[0] != 'Y' || fileHeader[1] != '5') {
        LogMessage("CDIBSection::ReadSection: Not the correct file type.");
        return false;
    }
    const DWORD pixelOffset = LittleEndian32(fileHeader + 10);
    if (pixelOffset <= FILE_HEADER_SIZE || pixelOffset - FILE_HEADER_SIZE > MAX_INFO_SIZE) {
        LogMessage("CDIBSection::ReadSection: BITMAPINFOHEADER size problem.");
        return false;
    }
    const DWORD infoSize = pixelOffset - FILE_HEADER_SIZE;
    // Never smaller than the header: its fields are set before its size is checked.
    info->assign(infoSize < INFO_HEADER_SIZE ? INFO_HEADER_SIZE : infoSize, 0);
    got = 0;
    file.Read(info->data(), infoSize, &got);
    if (got != infoSize) {
        LogMessage("CDIBSection::ReadSection: Bad file read.");
        return false;
    }
    BITMAPINFOHEADER* header = HeaderOf(*info);
    header->biXPelsPerMeter = 0;
    header->biYPelsPerMeter = 0;
    header->biClrUsed = 0;
    header->biClrImportant = 0;
    if (header->biCompression != BI_RGB) {
        LogMessage("CDIBSection::ReadSection: Not an uncompressed format.");
        return false;
    }
    if (!ComputeMetrics(*header, pixelSize)) {
        LogMessage("CDIBSection::ReadSection: BITMAPINFOHEADER size problem.");
        return false;
    }
    // A short colour table reads as black rather than past the block.
    const DWORD needed = INFO_HEADER_SIZE + ColourTableSize(header->biBitCount);
    if (info->size() < needed)
        info->resize(needed, 0);
    if (file.GetPosition() > file.GetSize() || file.GetSize() - file.GetPosition() < *pixelSize) {
        LogMessage("CDIBSection::ReadSection: Bad bitmap image read.");
        return false;
    }
    return true;
}
