// A small Windows helper for the end-to-end tests: asks about and acts on
// top-level windows from inside the program's Wine session.
//   winctl find CLASS            exit 0 when a window of the class exists
//   winctl rect CLASS            prints "x y width height"
//   winctl title CLASS           prints the window text
//   winctl texts CLASS           prints the texts of the window's children, one a line
//   winctl close CLASS           posts WM_CLOSE
//   winctl minimize CLASS        minimises the window
//   winctl iconic CLASS          prints 1 when minimised, else 0
//   winctl foreground            prints the class of the foreground window
//   winctl command CLASS ID      posts WM_COMMAND with the id
//   winctl key CLASS VK          posts WM_KEYDOWN with the virtual key
//   winctl post CLASS MSG WPARAM LPARAM   posts any message
//   winctl cursor                prints the pointer position and 1 when the cursor shows
// A class that names no top-level window is looked for among the main window's children.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND FindByClass(const char* className)
{
    HWND window = FindWindowA(className, nullptr);
    // Child windows (the page window) are looked for inside the main window.
    if (!window) {
        if (HWND main = FindWindowA("ZEPClass04", nullptr))
            window = FindWindowExA(main, nullptr, className, nullptr);
    }
    return window;
}

BOOL CALLBACK PrintChildText(HWND child, LPARAM)
{
    char text[1024] = "";
    GetWindowTextA(child, text, sizeof text);
    std::printf("%s\n", text);
    return TRUE;
}

int Usage()
{
    std::fprintf(stderr, "usage: winctl find|rect|title|close|minimize|iconic|foreground|command|key|post ...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    const char* verb = argv[1];
    if (std::strcmp(verb, "foreground") == 0) {
        char name[256] = "";
        HWND window = GetForegroundWindow();
        if (window)
            GetClassNameA(window, name, sizeof name);
        std::printf("%s\n", name);
        return 0;
    }
    if (std::strcmp(verb, "cursor") == 0) {
        // The pointer, and whether the foreground program shows its cursor.
        POINT at = {0, 0};
        GetCursorPos(&at);
        CURSORINFO info = {};
        info.cbSize = sizeof info;
        GetCursorInfo(&info);
        std::printf("%ld %ld %d\n", at.x, at.y, (info.flags & CURSOR_SHOWING) ? 1 : 0);
        return 0;
    }
    if (argc < 3)
        return Usage();
    HWND window = FindByClass(argv[2]);
    if (!window)
        return 1;
    if (std::strcmp(verb, "find") == 0)
        return 0;
    if (std::strcmp(verb, "rect") == 0) {
        RECT r;
        GetWindowRect(window, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (std::strcmp(verb, "title") == 0) {
        char text[256] = "";
        GetWindowTextA(window, text, sizeof text);
        std::printf("%s\n", text);
        return 0;
    }
    if (std::strcmp(verb, "texts") == 0) {
        EnumChildWindows(window, PrintChildText, 0);
        return 0;
    }
    if (std::strcmp(verb, "close") == 0)
        return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 3;
    if (std::strcmp(verb, "minimize") == 0) {
        ShowWindow(window, SW_MINIMIZE);
        return 0;
    }
    if (std::strcmp(verb, "iconic") == 0) {
        std::printf("%d\n", IsIconic(window) ? 1 : 0);
        return 0;
    }
    if (argc < 4)
        return Usage();
    const unsigned value = static_cast<unsigned>(std::strtoul(argv[3], nullptr, 0));
    if (std::strcmp(verb, "command") == 0)
        return PostMessageA(window, WM_COMMAND, value, 0) ? 0 : 3;
    if (std::strcmp(verb, "key") == 0)
        return PostMessageA(window, WM_KEYDOWN, value, 0) ? 0 : 3;
    if (std::strcmp(verb, "post") == 0 && argc >= 6) {
        const WPARAM wParam = std::strtoul(argv[4], nullptr, 0);
        const LPARAM lParam = static_cast<LPARAM>(std::strtol(argv[5], nullptr, 0));
        return PostMessageA(window, value, wParam, lParam) ? 0 : 3;
    }
    return Usage();
}
