#include "imaging/COffScreenBufferView.h"

#include <cstring>

#include "imaging/CMemoryDIB.h"
#include "support/Log.h"

namespace {

const BYTE BLACK[3] = {0x00, 0x00, 0x00};
const BYTE WHITE[3] = {0xFF, 0xFF, 0xFF};
const int MASK7[] = {7, 4, 3, 2, 1, 1, 1};
const int MASK6[] = {6, 4, 3, 2, 1, 1};
const int PRINT_BORDER = 2;

void PaintRun(CMemoryDIB& picture, int row, int fromColumn, int step, int count,
              const BYTE colour[3])
{
    for (int i = 0; i < count; ++i) {
        BYTE* pixel = picture.PixelAddress(fromColumn + i * step, row);
        if (pixel)
            std::memcpy(pixel, colour, 3);
    }
}

// Paints each corner with runs[r] pixels on row r, counted from the edge in.
template <size_t N>
void RoundCorners(CMemoryDIB& picture, const int (&runs)[N], const BYTE colour[3])
{
    const int right = picture.GetWidth();
    const int bottom = picture.GetHeight();
    for (size_t r = 0; r < N; ++r) {
        const int row = static_cast<int>(r);
        PaintRun(picture, row, 0, 1, runs[r], colour);
        PaintRun(picture, bottom - 1 - row, 0, 1, runs[r], colour);
        PaintRun(picture, row, right - 1, -1, runs[r], colour);
        PaintRun(picture, bottom - 1 - row, right - 1, -1, runs[r], colour);
    }
}

} // namespace

COffScreenBufferView::COffScreenBufferView() = default;

COffScreenBufferView::~COffScreenBufferView()
{
    delete m_Buffer;
}

void COffScreenBufferView::GetRect(RECT* rect)
{
    BufferRect(rect);
}

void COffScreenBufferView::GetFramedRect(RECT* rect)
{
    BufferRect(rect);
    rect->right += 2 * PRINT_BORDER;
    rect->bottom += 2 * PRINT_BORDER;
}

void COffScreenBufferView::BufferRect(RECT* rect) const
{
    if (m_Buffer)
        SetRect(rect, 0, 0, m_Buffer->GetWidth(), m_Buffer->GetHeight());
    else
        SetRectEmpty(rect);
}

void COffScreenBufferView::SetSurface(std::unique_ptr<BufferSurface> surface)
{
    m_Surface = std::move(surface);
}

bool COffScreenBufferView::CreateBuffer(HWND window, CMemoryDIB* source)
{
    delete m_Buffer;
    m_Buffer = new CMemoryDIB(32, 32);
    BYTE* pixels = nullptr;
    if (m_Surface && source)
        pixels = m_Surface->Create(window, source->GetBitmapInfo());
    if (pixels && m_Buffer->AttachBits(source->GetBitmapInfo(), pixels))
        return true;
    LogMessage("Failed to create off screen dib");
    delete m_Buffer;
    m_Buffer = nullptr;
    return false;
}

void COffScreenBufferView::AddDirtyRect(const RECT* rect)
{
    // Only the newest rectangle absorbs: it keeps adding constant-time.
    RECT common;
    if (!m_Dirty.empty() && IntersectRect(&common, &m_Dirty.front(), rect)) {
        UnionRect(&m_Dirty.front(), &m_Dirty.front(), rect);
        return;
    }
    m_Dirty.push_front(*rect);
}

void COffScreenBufferView::FlushDirty(HWND window)
{
    for (const RECT& rect : m_Dirty)
        RenderRect(&rect);
    for (const RECT& rect : m_Dirty)
        BlitToWindow(window, &rect);
    m_Dirty.clear();
}

void COffScreenBufferView::BlitToWindow(HWND window, const RECT* rect)
{
    if (!m_Buffer || !m_Surface)
        return;
    RECT bounds;
    BufferRect(&bounds);
    if (!rect) {
        if (IsRectEmpty(&m_FullRect))
            m_FullRect = bounds;
        rect = &m_FullRect;
    }
    RECT area;
    if (IntersectRect(&area, rect, &bounds))
        m_Surface->Blit(window, area);
}

void COffScreenBufferView::PrintTo(HDC dc, const int place[4])
{
    if (!m_Buffer)
        return;
    RECT whole;
    BufferRect(&whole);
    RenderRect(&whole);
    DrawToPrinter(dc, place);
}

void COffScreenBufferView::DrawToPrinter(HDC dc, const int place[4])
{
    if (!m_Buffer || !m_Surface)
        return;
    const int width = m_Buffer->GetWidth();
    const int height = m_Buffer->GetHeight();
    LogMessage("rcDIB.left %i top %i right %i bottom %i", 0, 0, width, height);
    LogMessage("rcDraw->left %i top %i right %i bottom %i", place[0], place[1], place[2],
               place[3]);
    LogMessage("COffScreenBufferView::DrawToPrinter: Using StretchDIBits to draw");

    CMemoryDIB framed(width + 2 * PRINT_BORDER, height + 2 * PRINT_BORDER);
    std::memset(framed.GetBits(), 0, framed.GetImageSize());
    // The frame's own corners go black, so its inner corners follow the
    // border's curve; the next composition of those areas restores them.
    RoundCorners(*m_Buffer, MASK7, BLACK);
    RoundCorners(framed, MASK6, WHITE);
    m_Buffer->CopyTo(&framed, PRINT_BORDER, PRINT_BORDER, width, height, 0, 0, -1);
    m_Surface->Stretch(dc, place, framed);
}
