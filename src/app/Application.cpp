#include "app/Application.h"

#include "app/DisplayMode.h"

CApplication* g_Application = nullptr;

CApplication::CApplication(WNDPROC windowProc, const char* className, const char* title,
                           HINSTANCE instance, int showCommand, int iconId, int smallIconId,
                           int width, int height, DWORD style, const char* acceleratorName)
    : CAppWindow(windowProc, className, title, instance, showCommand, iconId, smallIconId,
                 width, height, style, acceleratorName)
{
    // Attempted even without a window; a failure only leaves the user's mode.
    SetMode(&m_DirectDraw, getHWnd(), width, height);
}

CApplication::~CApplication()
{
    RestoreMode(&m_DirectDraw);
}
