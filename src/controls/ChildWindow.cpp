#include "controls/ChildWindow.h"

#include <new>

#include "shell/GamePhase.h"
#include "sticker/AnimView.h"
#include "sticker/StickersUsed.h"
#include "sticker/WinCarryPlatform.h"
#include "support/Assert.h"
#include "support/Guarded.h"

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
    HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE));
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    // Never shown: the window answers WM_SETCURSOR itself.
    windowClass.hCursor = LoadCursorA(nullptr, IDC_HELP);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = CLASS_NAME;
    RegisterClassExA(&windowClass);
    // Created 0 x 0: its first WM_SIZE moves it to the page's place.
    m_hWnd = CreateWindowExA(0, CLASS_NAME, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                             mainWindow, nullptr, instance, nullptr);
}

LRESULT CALLBACK CChildWindow::WindowProc(HWND hWnd, UINT message, WPARAM wParam,
                                          LPARAM lParam)
{
    return CallGuarded<LRESULT>("CChildWindow", 0, [&] {
        return OnMessage(hWnd, message, wParam, lParam);
    });
}

LRESULT CChildWindow::OnMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
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
    case WM_CAPTURECHANGED:
        return OnCaptureChanged(hWnd, reinterpret_cast<HWND>(lParam));
    case WM_CANCELMODE:
        AnimView.CancelCarry();
        return DefWindowProcA(hWnd, message, wParam, lParam);
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

LRESULT CChildWindow::OnCaptureChanged(HWND hWnd, HWND gaining)
{
    // Windows may take the capture away mid-carry (another program in front,
    // a click elsewhere): the carried sticker is thrown away then.
    if (gaining != hWnd)
        AnimView.CancelCarry();
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
