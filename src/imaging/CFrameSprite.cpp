#include "imaging/CFrameSprite.h"

#include "imaging/CSpriteChangeListener.h"
#include "support/Log.h"

CFrameSprite::CFrameSprite(long serialId, long stickerIndex, const POINT* position)
    : CSprite(serialId, stickerIndex, position),
      m_FrameHeight(CMemoryDIB::GetHeight()),
      m_FrameWidth(CMemoryDIB::GetWidth())
{
}

void CFrameSprite::GetRect(RECT* rect) const
{
    SetRect(rect, m_X, m_Y, m_X + m_FrameWidth, m_Y + m_FrameHeight);
}

void CFrameSprite::Draw(CMemoryDIB* dest, const RECT* clip)
{
    if (!dest)
        return;
    RECT r;
    GetRect(&r);
    if (!ClipToPicture(&r, dest, clip))
        return;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    const int sx = r.left - m_X + m_Column * m_FrameWidth;
    const int sy = r.top - m_Y + m_Row * m_FrameHeight;
    if (sx < 0 || sx + w > GetWidth() || sy < 0 || sy + h > GetHeight())
        return;
    CopyTo(dest, r.left, r.top, w, h, sx, sy, static_cast<int>(m_Key));
}

bool CFrameSprite::HitTest(int x, int y)
{
    if (!(m_X < x && x < m_X + m_FrameWidth && m_Y < y && y < m_Y + m_FrameHeight))
        return false;
    // The pixel of the frame that is shown, not of the picture's first frame.
    COLORREF colour = 0;
    GetPixel(x - m_X + m_Column * m_FrameWidth, y - m_Y + m_Row * m_FrameHeight, &colour);
    return colour != m_Key;
}

int CFrameSprite::GetRows()
{
    return m_Rows;
}

int CFrameSprite::GetColumns()
{
    return m_Columns;
}

int CFrameSprite::GetRow()
{
    return m_Row;
}

int CFrameSprite::GetColumn()
{
    return m_Column;
}

bool CFrameSprite::CellSize(int count, int extent, const char* invalidText, int* cell)
{
    if (count < 1) {
        LogMessage("%s", invalidText);
        return false;
    }
    if (extent / count < 1) {
        LogMessage("Can't make them that small");
        return false;
    }
    *cell = extent / count;
    return true;
}

bool CFrameSprite::SetRows(int rows)
{
    if (!CellSize(rows, GetHeight(), "Invalid number of rows", &m_FrameHeight))
        return false;
    m_Rows = rows;
    m_Row = 0;
    return true;
}

bool CFrameSprite::SetColumns(int columns)
{
    if (!CellSize(columns, GetWidth(), "Invalid number of columns", &m_FrameWidth))
        return false;
    m_Columns = columns;
    m_Column = 0;
    return true;
}

bool CFrameSprite::SelectCell(int cell, int count, int* current, const char* invalidText)
{
    if (cell < 0 || cell >= count) {
        LogMessage("%s", invalidText);
        return false;
    }
    if (cell == *current)
        return false;
    *current = cell;
    RECT area;
    GetRect(&area);
    Notify(CSpriteChangeListener::ChangeFrame, &area, nullptr);
    return true;
}

bool CFrameSprite::SetRow(int row)
{
    return SelectCell(row, m_Rows, &m_Row, "Invalid row");
}

bool CFrameSprite::SetColumn(int column)
{
    return SelectCell(column, m_Columns, &m_Column, "Invalid column");
}

int CFrameSprite::GetFrameHeight()
{
    return m_FrameHeight;
}

int CFrameSprite::GetFrameWidth()
{
    return m_FrameWidth;
}
