#include "controls/StickerButtonSubclass.h"

#include "controls/ButtonFaceState.h"
#include "controls/ButtonHitTest.h"

namespace {

bool IsInside(LPARAM lParam)
{
    return IsInsideButton(static_cast<uint32_t>(lParam), STICKER_BUTTON_MAX_X,
                          STICKER_BUTTON_MAX_Y);
}

} // namespace

LRESULT StickerButtonSubclass::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        m_State = StateDown;
        break;
    case WM_LBUTTONUP:
        // No repaint here: the standard button repaints on release.
        m_State = IsInside(lParam) ? StateLatched : StateUp;
        break;
    case WM_MOUSEMOVE:
        return OnMouseMove(wParam, lParam);
    case WM_MOUSELEAVE:
        return OnMouseLeave(wParam, lParam);
    case WM_DRAWITEM:
        return OnDrawItem(wParam, lParam);
    }
    return Forward(message, wParam, lParam);
}

LRESULT StickerButtonSubclass::OnMouseMove(WPARAM wParam, LPARAM lParam)
{
    if (!IsInside(lParam)) {
        // A captured move outside: leave at once, without waiting for the
        // tracking poll.
        SendMessageA(GetWindow(), WM_MOUSELEAVE, 0, 0);
    } else if (!m_TrackingArmed) {
        m_State = (wParam & MK_LBUTTON) ? StateDown : StateHover;
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, GetWindow(), 1};
        m_TrackingArmed = TrackMouseEvent(&track);
        Invalidate();
    }
    return Forward(WM_MOUSEMOVE, wParam, lParam);
}

LRESULT StickerButtonSubclass::OnMouseLeave(WPARAM wParam, LPARAM lParam)
{
    m_TrackingArmed = 0;
    m_State = StateUp;
    Invalidate();
    return Forward(WM_MOUSELEAVE, wParam, lParam);
}

// The main window sends the draw-item record on to the button itself.
LRESULT StickerButtonSubclass::OnDrawItem(WPARAM wParam, LPARAM lParam)
{
    if (const auto draw = GetSubclassHooks().DrawStickerButton)
        draw(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), static_cast<UINT>(wParam),
             m_State);
    return Forward(WM_DRAWITEM, wParam, lParam);
}
