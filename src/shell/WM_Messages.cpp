#include "shell/WM_Messages.h"

#include "support/Log.h"

MESSAGES Messages;
int AppActive = 1;

LRESULT MESSAGES::OnCreate(HWND hWnd, const CREATESTRUCTA* create)
{
    LogMessage("WM_Create hWnd %i", reinterpret_cast<int>(hWnd));
    LogMessage("WM_Create END");
    return 0;
}

LRESULT MESSAGES::OnDestroy(HWND hWnd)
{
    PostQuitMessage(0);
    return 0;
}

LRESULT MESSAGES::OnPaint(HWND hWnd)
{
    PAINTSTRUCT paint;
    BeginPaint(hWnd, &paint);
    EndPaint(hWnd, &paint);
    if (ScreenState == 1)
        ScreenState = 2;
    SetFocus(hWnd);
    return 0;
}

LRESULT MESSAGES::OnClose(HWND hWnd)
{
    DestroyWindow(hWnd);
    return 0;
}

LRESULT MESSAGES::OnActivateApp(HWND hWnd, WPARAM active, LPARAM threadId)
{
    LogMessage("WM_Activateapp: wParam = %i", static_cast<int>(active));
    return 0;
}

LRESULT MESSAGES::OnSetCursor(HWND hWnd)
{
    return 0;
}

LRESULT MESSAGES::OnDrawItem(HWND hWnd, UINT id, const DRAWITEMSTRUCT* item)
{
    return 1;
}

LRESULT MESSAGES::OnKeyDown(HWND hWnd, UINT key)
{
    LogMessage("MESSAGES::WM_Keydown hWnd %i", reinterpret_cast<int>(hWnd));
    return 0;
}

LRESULT MESSAGES::OnCommand(HWND hWnd, UINT id, UINT notification)
{
    return 0;
}

LRESULT MESSAGES::OnMouseMove(HWND hWnd)
{
    if (GetFocus() != hWnd)
        SetFocus(hWnd);
    return 0;
}

LRESULT MESSAGES::OnLButtonDown(HWND hWnd)
{
    SetCapture(hWnd);
    return 0;
}

LRESULT MESSAGES::OnLButtonUp(HWND hWnd)
{
    ReleaseCapture();
    return 0;
}

LRESULT MESSAGES::OnCreatePageWindow(HWND hWnd)
{
    return 0;
}

LRESULT MESSAGES::OnCreateControls(HWND hWnd)
{
    return 0;
}
