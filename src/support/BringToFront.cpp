#include "support/BringToFront.h"

void BringToFront(HWND window)
{
    if (!window)
        return;
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
}
