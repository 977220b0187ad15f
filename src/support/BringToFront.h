// Brings a window of ours back to the user, as the taskbar does.
#pragma once

#include <windows.h>

// Restores the window if it is minimised and makes it the foreground window.
void BringToFront(HWND window);
