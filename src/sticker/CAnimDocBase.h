// The page as a model: a background picture and the sprites on it (stickers
// and corner pieces), shown by the one page view.
#pragma once

#include <string>

#include "imaging/CSpriteList.h"
#include "support/Platform.h"

class CAnimView;
class CMemoryDIB;
class CSprite;

// One corner piece: cell (row, column) of a rows x columns strip, placed at
// (x, y) with its own depth below that of every sticker.
struct CornerPiece {
    int rows;
    int columns;
    int row;
    int column;
    int x;
    int y;
    int depth;
    char picture[64];
};

class CAnimDocBase {
public:
    CAnimDocBase();
    virtual ~CAnimDocBase();
    // Deletes every sprite, then the background.
    virtual void DeleteContents();
    // A blank 320 x 240 background; returns 1.
    virtual int OnNewDocument(HWND window);
    CAnimDocBase(const CAnimDocBase&) = delete;
    CAnimDocBase& operator=(const CAnimDocBase&) = delete;

    void SetView(CAnimView* view);
    CAnimView* GetView() const { return m_View; }

    // Takes ownership of the picture (which must not be null) after emptying
    // the page, and hands it to the view. 1 on success; the picture stays the
    // background even when the view fails.
    int SetBackground(HWND window, CMemoryDIB* picture);
    int SetBackgroundFromFile(HWND window, const std::string& path);
    // White paper of the page's size, for a background that cannot be read.
    static CMemoryDIB* BlankPage();
    // The new sticker (already in the list), or null when its picture
    // cannot be loaded.
    CSprite* AddSticker(const std::string& path, long stickerIndex, POINT position);
    int AddCornerPiece(const CornerPiece& piece);

    CMemoryDIB* GetBackground() const { return m_Background; }
    CSpriteList& GetSprites() { return m_Sprites; }

protected:
    CMemoryDIB* m_Background = nullptr;
    CSpriteList m_Sprites;
    CAnimView* m_View = nullptr;
    // Never reset: ids keep rising across page changes.
    long m_NextSpriteId = 0;
};
