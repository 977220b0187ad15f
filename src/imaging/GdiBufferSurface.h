// The off-screen buffer in a GDI DIB section, so finished rectangles reach
// the window with a plain BitBlt and the printer with StretchDIBits.
#pragma once

#include <windows.h>

#include "imaging/BufferSurface.h"

class GdiBufferSurface : public BufferSurface {
public:
    GdiBufferSurface() = default;
    ~GdiBufferSurface() override;
    GdiBufferSurface(const GdiBufferSurface&) = delete;
    GdiBufferSurface& operator=(const GdiBufferSurface&) = delete;

    BYTE* Create(HWND window, const BITMAPINFO* info) override;
    void Blit(HWND window, const RECT& area) override;
    void Stretch(HDC dc, const int place[4], CMemoryDIB& image) override;

private:
    void DeleteBitmap();

    HBITMAP m_Bitmap = nullptr;
};
