#include "controls/ButtonSubclass.h"

#include "sticker/WinCarryPlatform.h"
#include "support/Assert.h"

namespace {

SubclassHooks g_Hooks = {nullptr, nullptr};

} // namespace

void SetSubclassHooks(const SubclassHooks& hooks)
{
    g_Hooks = hooks;
}

const SubclassHooks& GetSubclassHooks()
{
    return g_Hooks;
}

ButtonSubclass::ButtonSubclass(WNDPROC procedure, SubclassRegistry& registry)
    : m_Procedure(procedure), m_Registry(registry)
{
}

ButtonSubclass::~ButtonSubclass()
{
    if (m_Window)
        Attach(nullptr);
}

LRESULT ButtonSubclass::CallPreviousProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_PreviousProc)
        ML_ASSERT_FATAL();
    return CallWindowProcA(m_PreviousProc, m_Window, message, wParam, lParam);
}

int ButtonSubclass::Attach(HWND window)
{
    if (window) {
        // Subclassing a second time would save our own procedure as the
        // previous one and loop forever.
        if (m_Window)
            Attach(nullptr);
        m_Window = window;
        m_PreviousProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_Procedure)));
        m_Registry.Enter(window, this);
    } else if (m_Window) {
        SetWindowLongPtrA(m_Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_PreviousProc));
        m_Registry.Remove(m_Window);
        m_Window = nullptr;
        m_PreviousProc = nullptr;
    }
    return 1;
}

LRESULT ButtonSubclass::Forward(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallPreviousProc(message, wParam, lParam);
    // A destroyed window's handle may be given to a new window.
    if (message == WM_NCDESTROY)
        Attach(nullptr);
    return result;
}

LRESULT ButtonSubclass::SetArrowCursor()
{
    SetCursor(PageArrowCursor());
    return 0;
}

void ButtonSubclass::InvalidateWhilePressed(UINT message, WPARAM wParam)
{
    if (message == WM_LBUTTONDOWN || (message == WM_MOUSEMOVE && (wParam & MK_LBUTTON)))
        Invalidate();
}

void ButtonSubclass::Invalidate()
{
    InvalidateRect(m_Window, nullptr, FALSE);
}
