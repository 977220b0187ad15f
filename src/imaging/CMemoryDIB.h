// A 24-bit picture in memory: a packed bitmap header plus pixel rows, stored
// bottom-up with y counted from the top. Pages, sprites and the off-screen
// frame are all composed by copying rectangles between these.
#pragma once

#include <string>

#include "imaging/CFile.h"
#include "support/Platform.h"

class CMemoryDIB {
public:
    // Starts as a blank picture of that size (contents undefined).
    CMemoryDIB(int width, int height);
    virtual ~CMemoryDIB();

    CMemoryDIB(const CMemoryDIB&) = delete;
    CMemoryDIB& operator=(const CMemoryDIB&) = delete;

    // From the header, so they follow AttachBits.
    virtual int GetHeight() const;
    virtual int GetWidth() const;
    // 0, 0, width, height.
    virtual void GetRect(RECT* rect) const;

    // Replaces the picture by an owned one of that size with undefined
    // pixels. False (traced, the old picture kept) when the size is
    // negative, absurd or cannot be allocated.
    bool CreateBlank(int width, int height);
    // Takes a copy of the header (and one colour slot) and uses the given
    // pixel rows without owning them; they must match the header.
    bool AttachBits(const BITMAPINFO* info, BYTE* pixels);
    // Reads a 24-bit uncompressed "Y5" picture with a 40-byte header, its
    // rows where the file header's pixel offset says. On failure (traced) the
    // picture keeps its old contents.
    bool ReadFrom(CFile& file);
    // ReadFrom on a mapped CFileManager opened on the name.
    bool LoadFile(const std::string& path);

    // Copies the w x h rectangle at (sx, sy) here to (dx, dy) in dest. Pixels
    // equal to key (0x00BBGGRR) are skipped; key -1 copies everything. The
    // rectangle must lie inside both pictures: callers clip it first (one
    // that does not is traced and not copied).
    void CopyTo(CMemoryDIB* dest, int dx, int dy, int w, int h, int sx, int sy, int key) const;
    // As CopyTo, reading this picture mirrored left to right; the key is
    // always compared (-1 matches no pixel).
    void CopyMirroredTo(CMemoryDIB* dest, int dx, int dy, int w, int h, int sx, int sy,
                        int key) const;

    // Null outside the picture.
    BYTE* PixelAddress(int x, int y) const;
    BYTE* MirroredPixelAddress(int x, int y) const;
    // *colour = 0x00BBGGRR of the pixel; outside the picture 0, a trace line
    // and false.
    bool GetPixel(int x, int y, COLORREF* colour) const;
    bool GetMirroredPixel(int x, int y, COLORREF* colour) const;

    // For the GDI calls that show or print the picture.
    const BITMAPINFO* GetBitmapInfo() const { return m_Info; }
    BYTE* GetBits() const { return m_Pixels; }
    int GetStride() const;
    DWORD GetImageSize() const { return m_ImageSize; }

    // Bytes per row of a 24-bit picture of that width.
    static int StrideFor(int width) { return (width * 3 + 3) & ~3; }

private:
    void Free();
    // A fresh owned header and pixel block; the old picture stays when the
    // allocation fails.
    bool Allocate(const BITMAPINFOHEADER& header);
    void TakeFrom(CMemoryDIB& other);
    bool CanCopy(const CMemoryDIB* dest, int dx, int dy, int w, int h, int sx, int sy) const;
    static bool ReadPixel(const BYTE* pixel, COLORREF* colour);

    BITMAPINFOHEADER* m_Header = nullptr;
    BITMAPINFO* m_Info = nullptr;
    BYTE* m_Pixels = nullptr;
    DWORD m_ImageSize = 0;
    bool m_OwnsPixels = false;
};
