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
    LRESULT OnCancelMode(HWND hWnd);
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

private:
    LRESULT OnStart(HWND hWnd);
    LRESULT OnPrint(HWND hWnd);
    LRESULT OnClearAll(HWND hWnd);
    LRESULT OnInfo(HWND hWnd);
    LRESULT OnTurnPage(HWND hWnd, int direction);
    LRESULT OnSelectGroup(HWND hWnd, int id);
    LRESULT OnTakeSticker(HWND hWnd, int id);
    // Saves the page shown and rebuilds it from its file.
    void StorePage();
    void DrawStickersLeft(HWND hWnd);

    // Set while the ending screen is up, so a second close request waits for it.
    bool m_Closing = false;
};

extern MESSAGES Messages;

// Nonzero while this is the active application (follows WM_ACTIVATEAPP).
extern int AppActive;

enum : UINT {
    WM_USER_CREATE_PAGE_WINDOW = 2024,
    WM_USER_CREATE_CONTROLS = 2025,
};

// The command a key stands for on the play screen, or 0.
UINT PlayScreenCommandOfKey(UINT key);

LRESULT CALLBACK MainWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
