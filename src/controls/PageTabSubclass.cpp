#include "controls/PageTabSubclass.h"

#include "controls/ButtonHitTest.h"

LRESULT PageTabSubclass::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    InvalidateWhilePressed(message, wParam);
    if (message == WM_LBUTTONDOWN)
        SetTabHeld(1);
    else if (message == WM_MOUSEMOVE && (wParam & MK_LBUTTON))
        SetTabHeld(IsInsideButton(static_cast<uint32_t>(lParam), PAGE_TAB_MAX_X, PAGE_TAB_MAX_Y));
    return Forward(message, wParam, lParam);
}

void PageTabSubclass::SetTabHeld(int held)
{
    if (int32_t* tabHeld = GetSubclassHooks().TabHeld)
        *tabHeld = held;
}
