#include "sticker/WinCarryPlatform.h"

HCURSOR PageArrowCursor()
{
    static HCURSOR arrow = [] {
        HCURSOR own = LoadCursorA(GetModuleHandleA(nullptr), "ArrowCursor");
        return own ? own : LoadCursorA(nullptr, IDC_ARROW);
    }();
    return arrow;
}

void WinCarryPlatform::CaptureMouse(HWND window)
{
    m_Captor = window;
    SetCapture(window);
}

void WinCarryPlatform::ReleaseMouse()
{
    // The capture notice that ends a carry arrives after another window of
    // this thread took the capture: that one keeps it.
    if (m_Captor && GetCapture() == m_Captor)
        ReleaseCapture();
    m_Captor = nullptr;
    ClipCursor(nullptr);
}

void WinCarryPlatform::ShowSystemCursor(bool show)
{
    ShowCursor(show ? TRUE : FALSE);
}

void WinCarryPlatform::ShowArrow()
{
    SetCursor(PageArrowCursor());
}

void WinCarryPlatform::PutPointer(HWND window, int x, int y)
{
    POINT point = {x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
}

void WinCarryPlatform::PostStuck(HWND window)
{
    PostMessageA(window, WM_USER_STICKER_STUCK, 0, 0);
}
