// What the tests of carrying stickers in a real page window share: a program
// folder with both pages and a few stickers, a main window to hold the page
// window, the cursor's display count and the message pump.
#pragma once

#include <windows.h>

#include <filesystem>
#include <initializer_list>

#include "imaging/CFileManager.h"
#include "sticker/AnimView.h"
#include "sticker/Catalogue.h"
#include "testing/Pictures.h"

const COLORREF PAGE_COLOUR = 0x00306090;
const COLORREF CORNER_COLOUR = 0x0000FF00;
const COLORREF STICKER_COLOUR = 0x000000FF;

// The current directory becomes the program folder, with both page
// backgrounds, the corner pieces and a 60 x 40 picture of each sticker.
inline void WritePageFolder(std::initializer_list<int> stickers)
{
    CFileManager::SetProgramFolderPath(".");
    std::filesystem::create_directory("data004");
    std::filesystem::create_directory("save004");
    for (int page = 0; page < 2; ++page)
        WritePictureFile(PageBackgroundName(page).substr(1), PAGE_WIDTH, PAGE_HEIGHT, PAGE_COLOUR);
    WritePictureFile(CornerStripName().substr(1), 32, 8, CORNER_COLOUR);
    for (int sticker : stickers)
        WritePictureFile(StickerPictureName(sticker).substr(1), 60, 40, STICKER_COLOUR);
}

// A visible screen-sized popup with the default window procedure.
inline HWND CreateMainWindow(const char* className)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, className, "", WS_POPUP | WS_VISIBLE, 0, 0, 1024, 768, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

// The system cursor's display count of this thread.
inline int CursorCount()
{
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return count;
}

// A mouse message's position; negative values arrive as the system sends them.
inline LPARAM At(int x, int y)
{
    return static_cast<LPARAM>(static_cast<WORD>(x) |
                               (static_cast<DWORD>(static_cast<WORD>(y)) << 16));
}

inline void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}
