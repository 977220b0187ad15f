// Drawing of the program's own bitmap resources (dialog backgrounds and the
// dialog button faces).
#pragma once

#include <windows.h>

// Draws the named bitmap resource with its own size at (x, y). Returns 1.
int DrawBitmapResource(HDC dc, const char* name, int x, int y);
// Draws the down or up face, by the item's selected state, at the item's
// (0, 0). Returns 0.
int DrawButtonBitmap(const DRAWITEMSTRUCT* item, const char* down, const char* up);
