#include "shell/WM_Messages.h"

#include "support/Guarded.h"

namespace {

LRESULT OnMainMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return Messages.OnCreate(hWnd, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_DESTROY:
        return Messages.OnDestroy(hWnd);
    case WM_PAINT:
        return Messages.OnPaint(hWnd);
    case WM_CLOSE:
        return Messages.OnClose(hWnd);
    case WM_ERASEBKGND:
        return 1; // the screen phases paint everything
    case WM_ACTIVATEAPP:
        AppActive = static_cast<int>(wParam);
        return Messages.OnActivateApp(hWnd, wParam, lParam);
    case WM_CANCELMODE:
        return Messages.OnCancelMode(hWnd);
    case WM_SETCURSOR:
        return Messages.OnSetCursor(hWnd);
    case WM_DRAWITEM:
        Messages.OnDrawItem(hWnd, static_cast<UINT>(wParam),
                            reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return 1;
    case WM_KEYDOWN:
        return Messages.OnKeyDown(hWnd, static_cast<UINT>(wParam));
    case WM_CHAR:
        return 0;
    case WM_COMMAND:
        return Messages.OnCommand(hWnd, LOWORD(wParam), HIWORD(wParam));
    case WM_MOUSEMOVE:
        return Messages.OnMouseMove(hWnd);
    case WM_LBUTTONDOWN:
        return Messages.OnLButtonDown(hWnd);
    case WM_LBUTTONUP:
        return Messages.OnLButtonUp(hWnd);
    case WM_USER_CREATE_PAGE_WINDOW:
        return Messages.OnCreatePageWindow(hWnd);
    case WM_USER_CREATE_CONTROLS:
        return Messages.OnCreateControls(hWnd);
    default:
        return DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

} // namespace

LRESULT CALLBACK MainWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallGuarded<LRESULT>("MainWndProc", 0, [&] {
        return OnMainMessage(hWnd, message, wParam, lParam);
    });
}
