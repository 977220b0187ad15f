// The full-screen display mode, switched through DirectDraw and nothing else.
#pragma once

#include <windows.h>

struct IDirectDraw;

// True when the mode was set. Every failure is traced and otherwise ignored.
bool SetMode(IDirectDraw** directDraw, HWND window, int width, int height);
// Restores the previous mode and releases DirectDraw; the pointer is null
// afterwards unless a call failed.
int RestoreMode(IDirectDraw** directDraw);
