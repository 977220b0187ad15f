// The page child window: the 844 x 588 area of the play screen at (90, 90)
// of the main window where the page is shown. It hands painting and the
// mouse to the page view and keeps the page's cursor.
#pragma once

#include <windows.h>

class CChildWindow {
public:
    // Registers "ChildWindowTemplateClass" and creates the window; the
    // caller owns the object (null when it could not be allocated).
    static CChildWindow* Create(HWND mainWindow);
    ~CChildWindow() = default;
    CChildWindow(const CChildWindow&) = delete;
    CChildWindow& operator=(const CChildWindow&) = delete;

    HWND GetHWnd() const { return m_hWnd; }

    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    explicit CChildWindow(HWND mainWindow);
    // WindowProc's work; WindowProc keeps exceptions from leaving it.
    static LRESULT OnMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT OnPaint(HWND hWnd);
    static LRESULT OnSetCursor();
    static LRESULT OnMouseMove(HWND hWnd, WPARAM keys, LPARAM position);
    static LRESULT OnCaptureChanged(HWND hWnd, HWND gaining);
    static LRESULT OnStickerStuck();

    HWND m_hWnd = nullptr;
};

// The page window of the play screen; null until message 2024 creates it
// and again after the main window closes.
extern CChildWindow* PageWindow;
