// The main window's handlers. The window procedure only dispatches; the
// behaviour lives in the methods of the one MESSAGES object.
#pragma once

#include <windows.h>

class MESSAGES {
public:
    LRESULT OnCreate(HWND hWnd, const CREATESTRUCTA* create);
    LRESULT OnDestroy(HWND hWnd);
    LRESULT OnPaint(HWND hWnd);
    LRESULT OnClose(HWND hWnd);
    LRESULT OnActivateApp(HWND hWnd, WPARAM active, LPARAM threadId);
    LRESULT OnSetCursor(HWND hWnd);
    LRESULT OnDrawItem(HWND hWnd, UINT id, const DRAWITEMSTRUCT* item);
    LRESULT OnKeyDown(HWND hWnd, UINT key);
    LRESULT OnCommand(HWND hWnd, UINT id, UINT notification);
    LRESULT OnMouseMove(HWND hWnd);
    LRESULT OnLButtonDown(HWND hWnd);
    LRESULT OnLButtonUp(HWND hWnd);
    LRESULT OnCreatePageWindow(HWND hWnd);
    LRESULT OnCreateControls(HWND hWnd);

    // 0 title screen, 1 play started, 2 play screen painted at least once.
    int ScreenState = 0;
};

extern MESSAGES Messages;

// Nonzero while this is the active application (follows WM_ACTIVATEAPP).
extern int AppActive;

enum : UINT {
    WM_USER_CREATE_PAGE_WINDOW = 2024,
    WM_USER_CREATE_CONTROLS = 2025,
};

LRESULT CALLBACK MainWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
