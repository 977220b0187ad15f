// What carrying a sticker needs from the window system: mouse capture, the
// system cursor, the pointer position and the message to the page window.
// The program fills it with the real calls; tests record what was asked.
#pragma once

#include "support/Platform.h"

class CarryPlatform {
public:
    virtual ~CarryPlatform() = default;
    virtual void CaptureMouse(HWND window) = 0;
    // Releases the capture the carry took (not one another window took since)
    // and any cursor clipping.
    virtual void ReleaseMouse() = 0;
    // One step of the system's cursor display count.
    virtual void ShowSystemCursor(bool show) = 0;
    virtual void ShowArrow() = 0;
    // Puts the pointer at a point of the window's client area.
    virtual void PutPointer(HWND window, int x, int y) = 0;
    // Message 2026 to the page window: a sticker has stuck.
    virtual void PostStuck(HWND window) = 0;
};

// What the play screen does when a carry ends; the shell fills these in and
// any may stay null.
struct CarryHooks {
    void (*PlayStickSound)();
    // The stickers-left counter, on a device context of the main window.
    void (*DrawStickersLeft)();
    // Forgets the pressed sticker button after a sticker was thrown away.
    void (*ClearPressedSticker)();
};
