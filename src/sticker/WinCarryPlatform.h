// The window system's side of carrying a sticker.
#pragma once

#include <windows.h>

#include "sticker/CarryPlatform.h"

// Message 2026 to the page window: release the pressed sticker button.
const UINT WM_USER_STICKER_STUCK = 2026;

// The arrow every window of the program shows: the "ArrowCursor" resource,
// or the system arrow while the resources lack it.
HCURSOR PageArrowCursor();

class WinCarryPlatform : public CarryPlatform {
public:
    void CaptureMouse(HWND window) override;
    void ReleaseMouse() override;
    void ShowSystemCursor(bool show) override;
    void ShowArrow() override;
    void PutPointer(HWND window, int x, int y) override;
    void PostStuck(HWND window) override;

private:
    // The window that took the capture for the carry.
    HWND m_Captor = nullptr;
};
