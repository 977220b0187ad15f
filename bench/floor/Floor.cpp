// The least Win32 window program: a 1024 x 768 popup that paints one colour
// and closes on WM_CLOSE. bench/report runs it beside Mossleaf 4 as the floor
// for start-up time and memory under the same Wine and the same display.
#include <windows.h>

namespace {

const char CLASS_NAME[] = "MossleafFloor";
// Bright green: no screen of the program and no Wine default is this colour.
const COLORREF FLOOR_COLOUR = RGB(0x20, 0xE0, 0x40);

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = CreateSolidBrush(FLOOR_COLOUR);
    windowClass.lpszClassName = CLASS_NAME;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, CLASS_NAME, "Floor", WS_POPUP, 0, 0, 1024, 768, nullptr,
                                  nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
