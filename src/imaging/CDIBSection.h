// A picture of any uncompressed bit depth read straight into a GDI DIB
// section and drawn into device contexts. The bitmap buttons and tiled
// pictures draw from it.
#pragma once

#include <vector>

#include "imaging/CFile.h"
#include "support/Platform.h"

class CDIBSection {
public:
    CDIBSection() = default;
    virtual ~CDIBSection();

    CDIBSection(const CDIBSection&) = delete;
    CDIBSection& operator=(const CDIBSection&) = delete;

    // Reads a "Y5" picture file. Every refusal is traced and leaves the
    // picture empty.
    virtual bool ReadSection(CFile& file, HWND window);
    // Copies the source rectangle {x, y, width, height} (or the whole
    // picture when null) to `at` in dc.
    virtual bool Draw(HDC dc, POINT at, const int* source);
    virtual void Release();

    bool IsEmpty() const { return m_Bitmap == nullptr; }
    int GetWidth() const;
    int GetHeight() const;
    HBITMAP GetBitmap() const { return m_Bitmap; }
    // The section's pixel rows, as the file holds them; null when empty.
    BYTE* GetBits() const { return m_Pixels; }
    DWORD GetPixelSize() const { return m_PixelSize; }
    const BITMAPINFO* GetBitmapInfo() const
    {
        return m_Info.empty() ? nullptr : reinterpret_cast<const BITMAPINFO*>(m_Info.data());
    }

    // The header and colour table of a picture file, checked so that GDI
    // never reads past the block nor the pixels past the file: on success
    // *info holds the block and *pixelSize the bytes of pixel rows, and the
    // file stands at the pixel data. Platform-neutral, so it is fuzzed on the
    // host.
    static bool ReadInfo(CFile& file, std::vector<BYTE>* info, DWORD* pixelSize);
    // The bytes of pixel rows for the header; false for a header that is not
    // a plain 40-byte one.
    static bool ComputeMetrics(const BITMAPINFOHEADER& header, DWORD* pixelSize);

private:
    HBITMAP m_Bitmap = nullptr;
    BYTE* m_Pixels = nullptr;
    std::vector<BYTE> m_Info;
    DWORD m_PixelSize = 0;
};
