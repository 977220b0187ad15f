#include "imaging/GdiBufferSurface.h"

#include "imaging/CMemoryDIB.h"

GdiBufferSurface::~GdiBufferSurface()
{
    DeleteBitmap();
}

void GdiBufferSurface::DeleteBitmap()
{
    if (m_Bitmap)
        DeleteObject(m_Bitmap);
    m_Bitmap = nullptr;
}

BYTE* GdiBufferSurface::Create(HWND window, const BITMAPINFO* info)
{
    HDC dc = GetDC(window);
    DeleteBitmap();
    void* pixels = nullptr;
    // Palette usage has no effect for a 24-bit header.
    m_Bitmap = CreateDIBSection(dc, info, DIB_PAL_COLORS, &pixels, nullptr, 0);
    if (!m_Bitmap)
        pixels = nullptr;
    ReleaseDC(window, dc);
    return static_cast<BYTE*>(pixels);
}

void GdiBufferSurface::Blit(HWND window, const RECT& area)
{
    if (!m_Bitmap)
        return;
    HDC dc = GetDC(window);
    if (!dc)
        return;
    HDC memory = CreateCompatibleDC(dc);
    if (memory) {
        HGDIOBJ old = SelectObject(memory, m_Bitmap);
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top,
               memory, area.left, area.top, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    ReleaseDC(window, dc);
}

void GdiBufferSurface::Stretch(HDC dc, const int place[4], CMemoryDIB& image)
{
    StretchDIBits(dc, place[0], place[1], place[2], place[3], 0, 0, image.GetWidth(),
                  image.GetHeight(), image.GetBits(), image.GetBitmapInfo(), DIB_RGB_COLORS,
                  SRCCOPY);
}
