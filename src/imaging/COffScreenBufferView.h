// The page's frame kept in an off-screen 24-bit picture and brought to the
// window rectangle by rectangle. The derived view says how a rectangle is
// composed (RenderRect); this class decides when, and copies the result.
#pragma once

#include <list>
#include <memory>

#include "imaging/BufferSurface.h"
#include "support/Platform.h"

class CMemoryDIB;

class COffScreenBufferView {
public:
    COffScreenBufferView();
    virtual void RenderRect(const RECT* clip) = 0;
    virtual ~COffScreenBufferView();
    virtual void GetRect(RECT* rect);
    // The size of the printed image: the frame plus its 2-pixel border.
    virtual void GetFramedRect(RECT* rect);
    COffScreenBufferView(const COffScreenBufferView&) = delete;
    COffScreenBufferView& operator=(const COffScreenBufferView&) = delete;

    // The view owns its surface; nothing is drawn or printed without one.
    void SetSurface(std::unique_ptr<BufferSurface> surface);

    // Makes the buffer in the source's size and format; its contents are
    // composed by the next flush of the rectangles the caller marks dirty.
    bool CreateBuffer(HWND window, CMemoryDIB* source);
    void AddDirtyRect(const RECT* rect);
    // Composes every dirty rectangle before showing any, then forgets them.
    void FlushDirty(HWND window);
    // A null rectangle copies the whole buffer.
    void BlitToWindow(HWND window, const RECT* rect);
    // place: x, y, width, height on the printer page.
    void PrintTo(HDC dc, const int place[4]);
    void DrawToPrinter(HDC dc, const int place[4]);

    CMemoryDIB* GetBuffer() const { return m_Buffer; }
    const std::list<RECT>& GetDirtyRects() const { return m_Dirty; }

private:
    void BufferRect(RECT* rect) const;

    CMemoryDIB* m_Buffer = nullptr;
    std::unique_ptr<BufferSurface> m_Surface;
    std::list<RECT> m_Dirty;
    RECT m_FullRect = {0, 0, 0, 0};
};
