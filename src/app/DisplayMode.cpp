#include "app/DisplayMode.h"

#include <ddraw.h>

#include "support/Log.h"

namespace {
const DWORD DISPLAY_BITS_PER_PIXEL = 32;
}

bool SetMode(IDirectDraw** directDraw, HWND window, int width, int height)
{
    if (FAILED(DirectDrawCreate(nullptr, directDraw, nullptr))) {
        *directDraw = nullptr;
        LogMessage("DirectDrawCreateEx Failed");
        return false;
    }
    if (FAILED((*directDraw)->SetCooperativeLevel(window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN))) {
        LogMessage("SetCooperativeLevel Failed");
        return false;
    }
    if (FAILED((*directDraw)->SetDisplayMode(width, height, DISPLAY_BITS_PER_PIXEL))) {
        LogMessage("SetDisplayMode Failed");
        return false;
    }
    return true;
}

int RestoreMode(IDirectDraw** directDraw)
{
    if (!*directDraw)
        return 0;
    if (FAILED((*directDraw)->RestoreDisplayMode())) {
        LogMessage("RestoreDisplayMode Failed");
        return 0;
    }
    if (static_cast<LONG>((*directDraw)->Release()) < 0) {
        LogMessage("Release Failed");
        return 0;
    }
    *directDraw = nullptr;
    return 0;
}
