// A small Windows helper for the end-to-end tests: asks about and acts on the
// program's windows from inside its Wine session. Started once per session, it
// reads commands from stdin, one a line, and answers each with its output and
// "= EXITCODE" (1: no window of the class; 3: the call failed):
//   find|title|texts|close|minimize|iconic CLASS   ("texts": the children's)
//   restore CLASS       restores the window and brings it to the front, as the taskbar does
//   answers CLASS       exit 0 when the window's thread answers within 10 s, else 4
//   foreground          prints the class of the foreground window
//   command|key CLASS N posts WM_COMMAND with the id, or WM_KEYDOWN with the virtual key
//   post CLASS MSG WPARAM LPARAM [MSG WPARAM LPARAM ...]   posts them all at once, in order
//   move CLASS X Y W H  moves and sizes the window, as a user's resize does
//   rect CLASS          prints the window's left, top, right and bottom on the screen
//   cursor              prints the pointer position, 1 when the cursor shows, and the cursor's handle
//   resources CLASS     prints "gdihandles windows pagefile" of the window's process
// A class that names no top-level window is looked for among the main window's children.
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

HWND FindByClass(const char* className)
{
    HWND window = FindWindowA(className, nullptr);
    HWND main = FindWindowA("ZEPClass04", nullptr);
    return window || !main ? window : FindWindowExA(main, nullptr, className, nullptr);
}

// Prints a window's text; "texts" calls it for each child.
BOOL CALLBACK PrintText(HWND window, LPARAM)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    std::printf("%s\n", text);
    return TRUE;
}

// GetGuiResources is a stub in Wine. Wine keeps each process's GDI handle
// table in the process itself and points its PEB at it: 0x10000 entries of 24
// bytes (object 8, owner 4, unique 2, type 1, flags 1, user 8); an entry in use
// has a nonzero type.
const unsigned GDI_HANDLE_COUNT = 0x10000, GDI_ENTRY_SIZE = 24, GDI_TYPE_OFFSET = 14;
// The PEB of a program of winctl's own kind: each build has its winctl.
const unsigned PEB_GDI_TABLE_OFFSET = sizeof(void*) == 4 ? 0x94 : 0xF8;

long CountGdiHandles(HANDLE process)
{
    PROCESS_BASIC_INFORMATION basic = {};
    UINT_PTR table = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0
        || !ReadProcessMemory(process, reinterpret_cast<const char*>(basic.PebBaseAddress) + PEB_GDI_TABLE_OFFSET,
                              &table, sizeof table, nullptr) || !table)
        return -1;
    static unsigned char entries[GDI_HANDLE_COUNT * GDI_ENTRY_SIZE];
    SIZE_T got = 0;
    ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries,
                      sizeof entries, &got);
    long used = 0;
    for (SIZE_T at = GDI_TYPE_OFFSET; at < got; at += GDI_ENTRY_SIZE)
        used += entries[at] != 0;
    return got ? used : -1;
}

// Counts the windows of a process: param points at the process id and the count.
BOOL CALLBACK CountWindow(HWND window, LPARAM param)
{
    auto& [processId, windows] = *reinterpret_cast<std::pair<DWORD, long>*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    windows += owner == processId;
    return TRUE;
}

int PrintResources(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process)
        return 3;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, &memory, sizeof memory);
    // The desktop's descendants are every top-level window and its children.
    std::pair<DWORD, long> count{processId, 0};
    EnumChildWindows(GetDesktopWindow(), CountWindow, reinterpret_cast<LPARAM>(&count));
    std::printf("%ld %ld %lu\n", CountGdiHandles(process), count.second,
                static_cast<unsigned long>(memory.PagefileUsage));
    CloseHandle(process);
    return 0;
}

int Restore(HWND window)
{
    ShowWindow(window, SW_RESTORE);
    // Without a window manager only a topmost window is raised over the others.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return SetForegroundWindow(window) ? 0 : 3;
}

int Answers(HWND window)
{
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result))
        return 0;
    // A window destroyed while the message waited has not hung.
    return IsWindow(window) ? 4 : 1;
}

int Run(int argc, char** argv)
{
    const char* verb = argv[0];
    if (std::strcmp(verb, "foreground") == 0) {
        char name[256] = "";
        if (HWND window = GetForegroundWindow())
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
        std::printf("%ld %ld %d %#llx\n", at.x, at.y, (info.flags & CURSOR_SHOWING) ? 1 : 0,
                    static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(info.hCursor)));
        return 0;
    }
    HWND window = argc < 2 ? nullptr : FindByClass(argv[1]);
    if (!window)
        return 1;
    if (std::strcmp(verb, "find") == 0)
        return 0;
    if (std::strcmp(verb, "title") == 0)
        return !PrintText(window, 0);
    if (std::strcmp(verb, "texts") == 0)
        return EnumChildWindows(window, PrintText, 0), 0;
    if (std::strcmp(verb, "close") == 0)
        return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 3;
    if (std::strcmp(verb, "minimize") == 0)
        return ShowWindow(window, SW_MINIMIZE), 0;
    if (std::strcmp(verb, "iconic") == 0)
        return std::printf("%d\n", IsIconic(window) ? 1 : 0), 0;
    if (std::strcmp(verb, "restore") == 0)
        return Restore(window);
    if (std::strcmp(verb, "answers") == 0)
        return Answers(window);
    if (std::strcmp(verb, "resources") == 0)
        return PrintResources(window);
    RECT rect = {};
    if (std::strcmp(verb, "rect") == 0 && GetWindowRect(window, &rect))
        return std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom), 0;
    auto number = [&](int i) { return std::strtol(argv[i], nullptr, 0); };
    if (argc == 6 && std::strcmp(verb, "move") == 0)
        return MoveWindow(window, number(2), number(3), number(4), number(5), TRUE) ? 0 : 3;
    const unsigned value = argc < 3 ? 0 : static_cast<unsigned>(std::strtoul(argv[2], nullptr, 0));
    if (argc == 3 && (std::strcmp(verb, "command") == 0 || std::strcmp(verb, "key") == 0))
        return PostMessageA(window, verb[0] == 'c' ? WM_COMMAND : WM_KEYDOWN, value, 0) ? 0 : 3;
    if (argc >= 5 && argc % 3 == 2 && std::strcmp(verb, "post") == 0) {
        for (int i = 2; i < argc; i += 3)
            if (!PostMessageA(window, number(i), number(i + 1), number(i + 2)))
                return 3;
        return 0;
    }
    std::fprintf(stderr, "winctl: unknown command %s: see winctl.cpp\n", verb);
    return 2;
}

} // namespace

int main()
{
    char line[512];
    while (std::fgets(line, sizeof line, stdin)) {
        char* args[32];
        int count = 0;
        for (char* word = std::strtok(line, " \r\n"); word && count < 32; word = std::strtok(nullptr, " \r\n"))
            args[count++] = word;
        const int code = count ? Run(count, args) : 2;
        std::printf("= %d\n", code);
        std::fflush(stdout);
    }
    return 0;
}
