#include "imaging/CMemoryDIB.h"

#include <cstdint>
#include <cstring>
#include <new>

#include "imaging/CFileManager.h"
#include "support/Log.h"

namespace {

// Far beyond any picture of the program; keeps every size computation in range.
const int MAX_SIDE = 8192;

const DWORD FILE_HEADER_SIZE = 14;
const DWORD INFO_HEADER_SIZE = 40;

bool IsSaneSide(LONG side)
{
    return side > 0 && side <= MAX_SIDE;
}

BITMAPINFOHEADER BlankHeader(int width, int height)
{
    BITMAPINFOHEADER header;
    std::memset(&header, 0, sizeof header);
    header.biSize = INFO_HEADER_SIZE;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    return header;
}

inline COLORREF ColourAt(const BYTE* pixel)
{
    return (static_cast<COLORREF>(pixel[0]) << 16) | (static_cast<COLORREF>(pixel[1]) << 8) |
           pixel[2];
}

inline void CopyPixel(BYTE* to, const BYTE* from)
{
    to[0] = from[0];
    to[1] = from[1];
    to[2] = from[2];
}

// The pixel's three bytes as one word, blue lowest.
inline uint32_t StoredAt(const BYTE* pixel)
{
    return pixel[0] | (pixel[1] << 8) | (static_cast<uint32_t>(pixel[2]) << 16);
}

// The same through a 4-byte read, which must not pass the end of the row.
inline uint32_t WordAt(const BYTE* pixel)
{
    uint32_t bytes;
    std::memcpy(&bytes, pixel, sizeof bytes);
    return bytes & 0x00FFFFFF;
}

// Whether the next n pixels are all key (or all not key).
template <int N>
inline bool AllSame(const BYTE* p, uint32_t stored, bool isKey)
{
    bool same = true;
    for (int k = 0; k < N; ++k)
        same &= (WordAt(p + 3 * k) == stored) == isKey;
    return same;
}

// The first pixel from i on whose being the key differs from isKey. Eight
// pixels are tested at a time with one branch, by word reads that stop
// short of the row's last pixel.
int RunEnd(const BYTE* row, int i, int w, uint32_t stored, bool isKey)
{
    const int BLOCK = 8;
    for (; i + BLOCK < w; i += BLOCK) {
        if (!AllSame<BLOCK>(row + 3 * i, stored, isKey))
            break;
    }
    for (; i < w; ++i) {
        const BYTE* p = row + 3 * i;
        const uint32_t value = i + 1 < w ? WordAt(p) : StoredAt(p);
        if ((value == stored) != isKey)
            break;
    }
    return i;
}

// Copies the runs of pixels that differ from the key. Stickers are cut from
// a key-coloured square, so a row holds few long runs.
void CopyRowKeyed(BYTE* to, const BYTE* from, int w, COLORREF key)
{
    const uint32_t stored = ((key & 0xFF) << 16) | (key & 0xFF00) | ((key >> 16) & 0xFF);
    int i = 0;
    while (i < w) {
        const int start = RunEnd(from, i, w, stored, true);
        i = RunEnd(from, start, w, stored, false);
        if (i > start)
            std::memmove(to + 3 * start, from + 3 * start, static_cast<size_t>(i - start) * 3);
    }
}

// A key that no 24-bit colour can equal makes a keyed copy a plain one.
bool KeyCanMatch(int key)
{
    return static_cast<DWORD>(key) <= 0x00FFFFFF;
}

// A colour table, unused at 24 bits, may stand between the header and the
// rows; the file header's offset says where they start. An offset inside the
// headers or past the end of the file is damage.
bool SkipToPixels(CFile& file, const BYTE* fileHeader)
{
    DWORD pixelOffset;
    std::memcpy(&pixelOffset, fileHeader + 10, sizeof pixelOffset);
    const DWORD headersEnd = FILE_HEADER_SIZE + INFO_HEADER_SIZE;
    if (pixelOffset < headersEnd || file.GetPosition() > file.GetSize() ||
        pixelOffset - headersEnd > file.GetSize() - file.GetPosition())
        return false;
    return file.Seek(static_cast<LONG>(pixelOffset - headersEnd), 1);
}

} // namespace

CMemoryDIB::CMemoryDIB(int width, int height)
{
    CreateBlank(width, height);
}

CMemoryDIB::~CMemoryDIB()
{
    Free();
}

int CMemoryDIB::GetHeight() const
{
    return m_Header ? m_Header->biHeight : 0;
}

int CMemoryDIB::GetWidth() const
{
    return m_Header ? m_Header->biWidth : 0;
}

void CMemoryDIB::GetRect(RECT* rect) const
{
    rect->left = 0;
    rect->top = 0;
    rect->right = GetWidth();
    rect->bottom = GetHeight();
}

int CMemoryDIB::GetStride() const
{
    return StrideFor(GetWidth());
}

void CMemoryDIB::Free()
{
    delete m_Info;
    if (m_OwnsPixels)
        delete[] m_Pixels;
    m_Info = nullptr;
    m_Header = nullptr;
    m_Pixels = nullptr;
    m_ImageSize = 0;
    m_OwnsPixels = false;
}

bool CMemoryDIB::Allocate(const BITMAPINFOHEADER& header)
{
    const DWORD imageSize = static_cast<DWORD>(StrideFor(header.biWidth)) * header.biHeight;
    BITMAPINFO* info = new (std::nothrow) BITMAPINFO;
    BYTE* pixels = new (std::nothrow) BYTE[imageSize];
    if (!info || !pixels) {
        delete info;
        delete[] pixels;
        return false;
    }
    std::memset(info, 0, sizeof *info);
    info->bmiHeader = header;
    Free();
    m_Info = info;
    m_Header = &info->bmiHeader;
    m_Pixels = pixels;
    m_ImageSize = imageSize;
    m_OwnsPixels = true;
    return true;
}

bool CMemoryDIB::CreateBlank(int width, int height)
{
    // An empty picture is allowed: the buffer and sprites resize later.
    if (width < 0 || height < 0 || width > MAX_SIDE || height > MAX_SIDE) {
        LogMessage("CMemoryDIB::CreateBlank: Bad picture size %i x %i", width, height);
        return false;
    }
    return Allocate(BlankHeader(width, height));
}

bool CMemoryDIB::AttachBits(const BITMAPINFO* info, BYTE* pixels)
{
    if (!info || !pixels)
        return false;
    BITMAPINFO* copy = new (std::nothrow) BITMAPINFO;
    if (!copy)
        return false;
    std::memcpy(copy, info, sizeof *copy);
    Free();
    m_Info = copy;
    m_Header = &copy->bmiHeader;
    m_Pixels = pixels;
    m_ImageSize = static_cast<DWORD>(GetStride()) * GetHeight();
    m_OwnsPixels = false;
    return true;
}

bool CMemoryDIB::ReadFrom(CFile& file)
{
    BYTE fileHeader[FILE_HEADER_SIZE] = {};
    DWORD got = 0;
    file.Read(fileHeader, FILE_HEADER_SIZE, &got);
    if (got != FILE_HEADER_SIZE || fileHeader[0] != 'Y' || fileHeader[1] != '5') {
        LogMessage("Not a bitmap file");
        return false;
    }
    BITMAPINFOHEADER header;
    std::memset(&header, 0, sizeof header);
    got = 0;
    file.Read(&header, INFO_HEADER_SIZE, &got);
    if (got != INFO_HEADER_SIZE) {
        LogMessage("CMemoryDIB::ReadFrom: Bad file read.");
        return false;
    }
    if (header.biSize != INFO_HEADER_SIZE || header.biBitCount != 24 ||
        header.biCompression != BI_RGB) {
        LogMessage("CMemoryDIB::ReadFrom: Not a 24-bit uncompressed picture.");
        return false;
    }
    if (!IsSaneSide(header.biWidth) || !IsSaneSide(header.biHeight)) {
        LogMessage("CMemoryDIB::ReadFrom: Bad picture size %i x %i",
                   static_cast<int>(header.biWidth), static_cast<int>(header.biHeight));
        return false;
    }
    if (!SkipToPixels(file, fileHeader)) {
        LogMessage("CMemoryDIB::ReadFrom: Bad pixel data offset.");
        return false;
    }
    const DWORD imageSize = static_cast<DWORD>(StrideFor(header.biWidth)) * header.biHeight;
    if (file.GetPosition() > file.GetSize() || file.GetSize() - file.GetPosition() < imageSize) {
        LogMessage("CMemoryDIB::ReadFrom: Picture data is short.");
        return false;
    }
    // GDI would look for a colour table that the info block does not hold.
    header.biClrUsed = 0;
    header.biClrImportant = 0;

    CMemoryDIB incoming(0, 0);
    if (!incoming.Allocate(header)) {
        LogMessage("CMemoryDIB::ReadFrom: Out of memory.");
        return false;
    }
    got = 0;
    file.Read(incoming.m_Pixels, imageSize, &got);
    if (got != imageSize) {
        LogMessage("CMemoryDIB::ReadFrom: Picture data is short.");
        return false;
    }
    TakeFrom(incoming);
    return true;
}

void CMemoryDIB::TakeFrom(CMemoryDIB& other)
{
    Free();
    m_Info = other.m_Info;
    m_Header = other.m_Header;
    m_Pixels = other.m_Pixels;
    m_ImageSize = other.m_ImageSize;
    m_OwnsPixels = other.m_OwnsPixels;
    other.m_Info = nullptr;
    other.m_Header = nullptr;
    other.m_Pixels = nullptr;
    other.m_ImageSize = 0;
    other.m_OwnsPixels = false;
}

bool CMemoryDIB::LoadFile(const std::string& path)
{
    CFileManager file(true);
    if (!file.OpenRead(path)) {
        LogMessage("Failed to open file");
        return false;
    }
    const bool read = ReadFrom(file);
    file.Close();
    if (!read)
        LogMessage("Failed to load file");
    return read;
}

BYTE* CMemoryDIB::PixelAddress(int x, int y) const
{
    if (!m_Pixels || x < 0 || y < 0 || x >= GetWidth() || y >= GetHeight())
        return nullptr;
    return m_Pixels + static_cast<size_t>(GetHeight() - 1 - y) * GetStride() + 3 * x;
}

BYTE* CMemoryDIB::MirroredPixelAddress(int x, int y) const
{
    return PixelAddress(x, y) ? PixelAddress(GetWidth() - 1 - x, y) : nullptr;
}

bool CMemoryDIB::GetPixel(int x, int y, COLORREF* colour) const
{
    return ReadPixel(PixelAddress(x, y), colour);
}

bool CMemoryDIB::GetMirroredPixel(int x, int y, COLORREF* colour) const
{
    return ReadPixel(MirroredPixelAddress(x, y), colour);
}

bool CMemoryDIB::ReadPixel(const BYTE* pixel, COLORREF* colour)
{
    *colour = 0;
    if (!pixel) {
        LogMessage("Out of range pixel coords");
        return false;
    }
    *colour = ColourAt(pixel);
    return true;
}

bool CMemoryDIB::CanCopy(const CMemoryDIB* dest, int dx, int dy, int w, int h, int sx,
                         int sy) const
{
    const bool inside = w > 0 && h > 0 && sx >= 0 && sy >= 0 && dx >= 0 && dy >= 0 &&
                        sx <= GetWidth() - w && sy <= GetHeight() - h &&
                        dx <= dest->GetWidth() - w && dy <= dest->GetHeight() - h;
    if (!inside)
        LogMessage("CMemoryDIB::CopyTo: Rectangle %i, %i, %i x %i outside the picture", sx, sy,
                   w, h);
    return inside;
}

void CMemoryDIB::CopyTo(CMemoryDIB* dest, int dx, int dy, int w, int h, int sx, int sy,
                        int key) const
{
    if (!dest || w == 0 || h == 0 || !CanCopy(dest, dx, dy, w, h, sx, sy))
        return;
    // The bottom row of the rectangle has the lowest address in both pictures.
    const BYTE* from = PixelAddress(sx, sy + h - 1);
    BYTE* to = dest->PixelAddress(dx, dy + h - 1);
    const int fromStride = GetStride();
    const int toStride = dest->GetStride();
    const bool keyed = key != -1 && KeyCanMatch(key);
    for (int row = 0; row < h; ++row, from += fromStride, to += toStride) {
        if (keyed)
            CopyRowKeyed(to, from, w, static_cast<COLORREF>(key));
        else
            std::memmove(to, from, static_cast<size_t>(w) * 3);
    }
}

void CMemoryDIB::CopyMirroredTo(CMemoryDIB* dest, int dx, int dy, int w, int h, int sx, int sy,
                                int key) const
{
    if (!dest || w == 0 || h == 0 || !CanCopy(dest, dx, dy, w, h, sx, sy))
        return;
    // Destination column dx + i takes source column width - 1 - (sx + i).
    const BYTE* from = PixelAddress(GetWidth() - 1 - sx, sy + h - 1);
    BYTE* to = dest->PixelAddress(dx, dy + h - 1);
    const int fromStride = GetStride();
    const int toStride = dest->GetStride();
    const bool keyed = KeyCanMatch(key);
    for (int row = 0; row < h; ++row, from += fromStride, to += toStride) {
        const BYTE* source = from;
        BYTE* target = to;
        for (int i = 0; i < w; ++i, source -= 3, target += 3) {
            if (!keyed || ColourAt(source) != static_cast<COLORREF>(key))
                CopyPixel(target, source);
        }
    }
}
