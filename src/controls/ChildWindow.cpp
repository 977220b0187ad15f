#include "controls/ChildWindow.h"

#include <new>

#include "shell/GamePhase.h"
#include "sticker/AnimView.h"
#include "sticker/StickersUsed.h"
#include "sticker/WinCarryPlatform.h"
#include "support/Assert.h"

CChildWindow* PageWindow = nullptr;

namespace {

const char CLASS_NAME[] = "ChildWindowTemplateClass";
const int PAGE_X = 90;
const int PAGE_Y = 90;

// Signed, so positions left of or above the captured window arrive negative.
int PointerX(LPARAM position)
{
    return static_cast<short>(LOWORD(position));
}

int PointerY(LPARAM position)
{
    return static_cast<short>(HIWORD(position));
}

} // namespace

CChildWindow* CChildWindow::Create(HWND mainWindow)
{
    return new (std::nothrow) CChildWindow(mainWindow);
}

CChildWindow::CChildWindow(HWND mainWindow)
{
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE));
    m_WindowClass.cbSize = sizeof m_WindowClass;
    m_WindowClass.style = CS_HREDRAW | CS_VREDRAW;
    m_WindowClass.lpfnWndProc = WindowProc;
    m_WindowClass.hInstance = instance;
    // Never shown: the window answers WM_SETCURSOR itself.
    m_WindowClass.hCursor = LoadCursorA(nullptr, IDC_HELP);
    m_WindowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    m_WindowClass.lpszClassName = CLASS_NAME;
    RegisterClassExA(&m_WindowClass);

    m_Create.className = CLASS_NAME;
    m_Create.style = WS_CHILD | WS_VISIBLE;
    m_Create.parent = mainWindow;
    m_Create.instance = instance;
    // Created 0 x 0: its first WM_SIZE moves it to the page's place.
    m_hWnd = CreateWindowExA(m_Create.exStyle, m_Create.className, m_Create.title,
                             m_Create.style, m_Create.x, m_Create.y, m_Create.width,
                             m_Create.height, m_Create.parent, m_Create.menu,
                             m_Create.instance, m_Create.param);
}

LRESULT CALLBACK CChildWindow::WindowProc(HWND hWnd, UINT message, WPARAM wParam,
                                          LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        MoveWindow(hWnd, PAGE_X, PAGE_Y, PAGE_WIDTH, PAGE_HEIGHT, TRUE);
        return 0;
    case WM_PAINT:
        return OnPaint(hWnd);
    case WM_SETCURSOR:
        return OnSetCursor();
    case WM_MOUSEMOVE:
        return OnMouseMove(hWnd, wParam, lParam);
    case WM_LBUTTONDOWN:
        AnimView.OnLButtonDown(hWnd, static_cast<UINT>(wParam), PointerX(lParam),
                               PointerY(lParam));
        return 0;
    case WM_LBUTTONUP:
        AnimView.OnLButtonUp(hWnd, static_cast<UINT>(wParam), PointerX(lParam),
                             PointerY(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        AnimView.OnRButtonDown(hWnd, static_cast<UINT>(wParam), PointerX(lParam),
                               PointerY(lParam));
        return 0;
    case WM_USER_STICKER_STUCK:
        return OnStickerStuck();
    default:
        return DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

LRESULT CChildWindow::OnPaint(HWND hWnd)
{
    PAINTSTRUCT paint;
    BeginPaint(hWnd, &paint);
    AnimView.Paint(hWnd);
    EndPaint(hWnd, &paint);
    return 0;
}

LRESULT CChildWindow::OnSetCursor()
{
    // While a sticker is carried the page shows no cursor at all.
    if (CursorIndex != CURSOR_NONE)
        SetCursor(PageArrowCursor());
    return 0;
}

LRESULT CChildWindow::OnMouseMove(HWND hWnd, WPARAM keys, LPARAM position)
{
    // The main window's keyboard shortcuts work again once the mouse is over the page.
    if (GetFocus() != hWnd)
        SetFocus(GetParent(hWnd));
    AnimView.OnMouseMove(hWnd, static_cast<UINT>(keys), PointerX(position),
                         PointerY(position));
    return 0;
}

LRESULT CChildWindow::OnStickerStuck()
{
    if (CurrentPhase)
        CurrentPhase->ReleaseStickerButton();
    StickersUsed* stickersUsed = StickersUsed::GetStickersUsed();
    ML_ASSERT((stickersUsed) != NULL && (stickersUsed)->IsValid());
    return 0;
}
