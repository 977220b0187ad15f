// Where the off-screen buffer's pixels live and how they reach a window or a
// printer: a GDI DIB section in the program, plain memory in the tests.
#pragma once

#include "support/Platform.h"

class CMemoryDIB;

class BufferSurface {
public:
    virtual ~BufferSurface() = default;

    // Replaces the surface by one of the header's size and format (24-bit).
    // Returns its pixel rows, or null when it cannot be made.
    virtual BYTE* Create(HWND window, const BITMAPINFO* info) = 0;
    // Copies the area (inside the surface) to the same place of the window.
    virtual void Blit(HWND window, const RECT& area) = 0;
    // Stretches the whole image onto the printer at x, y, width, height.
    virtual void Stretch(HDC dc, const int place[4], CMemoryDIB& image) = 0;
};
