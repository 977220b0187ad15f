#include "app/Application.h"

#include "app/DisplayMode.h"
#include "support/Log.h"

CApplication* g_Application = nullptr;

CApplication::CApplication(WNDPROC windowProc, const char* className, const char* title,
                           HINSTANCE instance, int showCommand, int iconId, int smallIconId,
                           int width, int height, DWORD style, const char* acceleratorName)
    : CAppWindow(windowProc, className, title, instance, showCommand, iconId, smallIconId,
                 width, height, style, acceleratorName)
{
    LogStartupStep("window shown");
    // Attempted even without a window; a failure only leaves the user's mode.
    SetMode(&m_DirectDraw, getHWnd(), width, height);
    LogStartupStep("display mode");
}

CApplication::~CApplication()
{
    RestoreMode(&m_DirectDraw);
}
