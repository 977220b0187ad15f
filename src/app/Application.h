// The application object: the main window plus the display mode it runs in.
#pragma once

#include "app/AppWindow.h"

struct IDirectDraw;

class CApplication : public CAppWindow {
public:
    CApplication(WNDPROC windowProc, const char* className, const char* title,
                 HINSTANCE instance, int showCommand, int iconId, int smallIconId, int width,
                 int height, DWORD style, const char* acceleratorName);
    ~CApplication() override;

    // Switches the display to the window's size, exclusive full screen; the
    // destructor restores the user's mode. Called once the first screen is
    // painted, so that the slow switch does not hold it back: the screen is
    // painted again in the new mode.
    void SwitchDisplayMode();

private:
    int m_Width;
    int m_Height;
    IDirectDraw* m_DirectDraw = nullptr;
};

// The one application object, for the owner of message boxes; null before
// the entry point has created it.
extern CApplication* g_Application;
