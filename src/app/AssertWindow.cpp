#include "app/AssertWindow.h"

#include <windows.h>

#include <cstdlib>

#include "app/Application.h"
#include "support/Assert.h"

namespace {

const char ASSERT_CAPTION[] = "ASSERTION FAILURE: Value tested to 0";

HWND MainWindowOrNull()
{
    HWND main = g_Application ? g_Application->getHWnd() : nullptr;
    return (main && IsWindow(main)) ? main : nullptr;
}

bool ShowAssertBox(const char* text)
{
    MessageBeep(0);
    return MessageBoxA(MainWindowOrNull(), text, ASSERT_CAPTION,
                       MB_OKCANCEL | MB_ICONHAND | MB_TASKMODAL) == IDCANCEL;
}

void DestroyMainWindow()
{
    if (HWND main = MainWindowOrNull())
        DestroyWindow(main);
}

void ExitNow(int code)
{
    std::exit(code);
}

} // namespace

void InstallAssertWindow()
{
    SetAssertUi(AssertUi{ShowAssertBox, DestroyMainWindow, ExitNow});
}
