// The page document of the book: the page cycle, and each page kept in its
// own page file ("MORVEN04", 1024, then one 20-byte record per sticker).
#pragma once

#include <string>

#include "sticker/CAnimDocBase.h"

const int CORNER_PIECE_COUNT = 4;
extern const CornerPiece CORNER_PIECES[CORNER_PIECE_COUNT];

class CAnimDoc : public CAnimDocBase {
public:
    enum Direction { GoPrevious = 0, GoNext = 1, GoStay = 2 };

    // Pairs the document and the view both ways, and lets every sprite
    // change mark the view dirty.
    void LinkView(CAnimView* view);

    // The background, then the corner pieces (added even when the background
    // fails). Remembers the window for later page turns. 1 when the
    // background was set.
    int ShowPage(HWND window, const std::string& backgroundName, const CornerPiece* pieces);
    // Leaves the file alone when the page could not be read because another
    // program held it.
    void SavePage();
    void LoadPage();
    // 1 when the whole page was written; a failed save leaves the old file.
    int WriteSprites(const std::string& path);
    // 1 when the header was accepted. Only stickers that belong on the page
    // shown, at their places, are made (see ReadPageRecords). A file held by
    // another program is tried again for a moment.
    int ReadSprites(const std::string& path);
    // Saves the page shown, moves the cycle (GoStay keeps it) and shows the
    // page now current from its file.
    void GoToPage(int direction);

private:
    static std::string CurrentPagePath();

    HWND m_Window = nullptr;
    // The page shown could not be read: another program held its file.
    bool m_PageHeld = false;
};

extern CAnimDoc AnimDoc;
