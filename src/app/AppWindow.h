// Registers the main window class and creates the full-screen main window.
#pragma once

#include <windows.h>

class CAppWindow {
public:
    CAppWindow(WNDPROC windowProc, const char* className, const char* title,
               HINSTANCE instance, int showCommand, int iconId, int smallIconId,
               int width, int height, DWORD style, const char* acceleratorName);
    virtual ~CAppWindow();
    CAppWindow(const CAppWindow&) = delete;
    CAppWindow& operator=(const CAppWindow&) = delete;

    HWND getHWnd() const { return m_hWnd; }
    HINSTANCE getInstance() const { return m_hInstance; }

private:
    void RegisterWindowClass(WNDPROC windowProc, const char* className, int iconId,
                             int smallIconId);
    void CreateMainWindow(const char* title, int width, int height, DWORD style);

    WNDCLASSEXA m_WindowClass = {};
    struct CreationParameters {
        DWORD exStyle;
        const char* className;
        const char* title;
        DWORD style;
        int x, y, width, height;
        HWND parent;
        HMENU menu;
        HINSTANCE instance;
        void* param;
    } m_Create = {};
    HWND m_hWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    HACCEL m_hAccel = nullptr;
};
