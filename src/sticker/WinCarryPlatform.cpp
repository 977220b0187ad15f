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
    SetCapture(window);
}

void WinCarryPlatform::ReleaseMouse()
{
    ReleaseCapture();
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
