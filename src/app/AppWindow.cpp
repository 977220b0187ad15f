#include "app/AppWindow.h"

CAppWindow::CAppWindow(WNDPROC windowProc, const char* className, const char* title,
                       HINSTANCE instance, int showCommand, int iconId, int smallIconId,
                       int width, int height, DWORD style, const char* acceleratorName)
    : m_hInstance(instance)
{
    RegisterWindowClass(windowProc, className, iconId, smallIconId);
    CreateMainWindow(title, width, height, style);
    if (m_hWnd) {
        ShowWindow(m_hWnd, showCommand);
        // Kept for completeness; no accelerator table is translated.
        m_hAccel = LoadAcceleratorsA(instance, acceleratorName);
    }
}

CAppWindow::~CAppWindow() = default;

void CAppWindow::RegisterWindowClass(WNDPROC windowProc, const char* className, int iconId,
                                     int smallIconId)
{
    m_WindowClass.cbSize = sizeof m_WindowClass;
    m_WindowClass.style = CS_HREDRAW | CS_VREDRAW;
    m_WindowClass.lpfnWndProc = windowProc;
    m_WindowClass.hInstance = m_hInstance;
    m_WindowClass.hIcon = LoadIconA(m_hInstance, MAKEINTRESOURCEA(iconId));
    // No class cursor: every window answers WM_SETCURSOR itself.
    m_WindowClass.hCursor = nullptr;
    m_WindowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    m_WindowClass.lpszClassName = className;
    m_WindowClass.hIconSm =
        smallIconId ? LoadIconA(m_hInstance, MAKEINTRESOURCEA(smallIconId)) : nullptr;
    RegisterClassExA(&m_WindowClass);
}

void CAppWindow::CreateMainWindow(const char* title, int width, int height, DWORD style)
{
    m_Create.exStyle = 0;
    m_Create.className = m_WindowClass.lpszClassName;
    m_Create.title = title;
    m_Create.style = style;
    m_Create.x = 0;
    m_Create.y = 0;
    m_Create.width = width;
    m_Create.height = height;
    m_Create.instance = m_hInstance;
    // WM_CREATE runs inside this call and may refuse the window.
    m_hWnd = CreateWindowExA(m_Create.exStyle, m_Create.className, m_Create.title,
                             m_Create.style, m_Create.x, m_Create.y, m_Create.width,
                             m_Create.height, m_Create.parent, m_Create.menu,
                             m_Create.instance, m_Create.param);
}
