// The file steps of the main window's creation: program folder, save folder,
// missing-file check with its refusal, and the options file.
#pragma once

#include <windows.h>

typedef int(WINAPI* MissingFileBox)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// Traces as the creation handler does. When a picture is missing it shows
// "A file (<path>) needed for Glimmerbook is missing." titled "Error" and
// returns false: the window must then refuse its creation (return -1).
bool PrepareProgramFiles(HWND mainWindow, MissingFileBox showBox = MessageBoxA);
