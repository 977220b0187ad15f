#include "app/Application.h"

#include "app/DisplayMode.h"
#include "support/Log.h"

CApplication* g_Application = nullptr;

CApplication::CApplication(WNDPROC windowProc, const char* className, const char* title,
                           HINSTANCE instance, int showCommand, int iconId, int smallIconId,
                           int width, int height, DWORD style, const char* acceleratorName)
    : CAppWindow(windowProc, className, title, instance, showCommand, iconId, smallIconId,
                 width, height, style, acceleratorName),
      m_Width(width), m_Height(height)
{
    LogStartupStep("window shown");
}

CApplication::~CApplication()
{
    RestoreMode(&m_DirectDraw);
}

void CApplication::SwitchDisplayMode()
{
    // Attempted even without a window; a failure only leaves the user's mode.
    // The screen painted in the user's mode is painted again in the new one,
    // at once: the page and the music load before the next look into the queue.
    if (SetMode(&m_DirectDraw, getHWnd(), m_Width, m_Height) && getHWnd())
        RedrawWindow(getHWnd(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    LogStartupStep("display mode");
}
