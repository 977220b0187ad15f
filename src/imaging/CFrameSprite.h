// A sprite whose picture is a grid of equally sized frames, one of which is
// shown (the page's corner pieces are cells of one strip).
#pragma once

#include "imaging/CSprite.h"

class CFrameSprite : public CSprite {
public:
    CFrameSprite(long serialId, long stickerIndex, const POINT* position);

    void GetRect(RECT* rect) const override;
    void Draw(CMemoryDIB* dest, const RECT* clip) override;
    bool HitTest(int x, int y) override;

    virtual int GetRows();
    virtual int GetColumns();
    virtual int GetRow();
    virtual int GetColumn();
    virtual bool SetRows(int rows);
    virtual bool SetColumns(int columns);
    virtual bool SetRow(int row);
    virtual bool SetColumn(int column);
    virtual int GetFrameHeight();
    virtual int GetFrameWidth();

private:
    // Cuts the picture's extent into count cells; false when they would be empty.
    static bool CellSize(int count, int extent, const char* invalidText, int* cell);
    bool SelectCell(int cell, int count, int* current, const char* invalidText);

    int m_Rows = 1;
    int m_Columns = 1;
    int m_Row = 0;
    int m_Column = 0;
    int m_FrameHeight;
    int m_FrameWidth;
};
