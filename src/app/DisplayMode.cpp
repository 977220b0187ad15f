#include "app/DisplayMode.h"

#include <ddraw.h>

#include "support/LibraryFunction.h"
#include "support/Log.h"

namespace {
const DWORD DISPLAY_BITS_PER_PIXEL = 32;

typedef HRESULT(WINAPI* DirectDrawCreateFunction)(GUID*, IDirectDraw**, IUnknown*);

// ddraw.dll brings the 3D libraries with it: loaded when the mode is
// switched, once the window exists, and kept for the rest of the run.
HRESULT CreateDirectDraw(IDirectDraw** directDraw)
{
    HMODULE module = LoadLibraryA("ddraw.dll");
    if (!module) {
        LogMessage("SetMode: ddraw.dll not loaded, error %lu", GetLastError());
        return E_FAIL;
    }
    auto create = LibraryFunction<DirectDrawCreateFunction>(module, "DirectDrawCreate");
    if (!create) {
        LogMessage("SetMode: no DirectDrawCreate in ddraw.dll");
        return E_FAIL;
    }
    return create(nullptr, directDraw, nullptr);
}
} // namespace

bool SetMode(IDirectDraw** directDraw, HWND window, int width, int height)
{
    if (FAILED(CreateDirectDraw(directDraw))) {
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
