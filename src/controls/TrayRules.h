// The face rules of the play screen's tray: which sticker graphic a sticker
// button shows and which state its face and the page tabs are drawn in.
#pragma once

#include "support/Platform.h"

// What a face rule asks for when the face is to be left as it is.
const int NO_DRAW = -1;

// The sticker graphic (0 to 223) that sticker button `id` shows while the
// page tab `selectedTab` is chosen.
int StickerGraphicIndex(int selectedTab, int id);

// The state to draw a sticker button in. The used face wins over every
// other state; a button being reselected by itself is reset to up, which
// clears its latch.
int StickerButtonRequest(bool used, UINT action, UINT itemState, int hoverState);

// The tab fields of the playing screen that the tab face rule reads and keeps.
struct PageTabFields {
    int selectedTab;
    // The tab last drawn with the focus, or NO_BUTTON_ID.
    int focusTab;
    // 1 while the mouse holds a tab down over it.
    int tabHeld;
};

// The state to draw page tab `tab` in, or NO_DRAW. At rest the selected tab
// shows down and the others up.
int PageTabRequest(UINT action, UINT itemState, int tab, PageTabFields& fields);
