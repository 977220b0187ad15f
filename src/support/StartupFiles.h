// The file steps of start-up: program folder, missing-file check with its
// refusal, save folder and the options file.
#pragma once

#include <windows.h>

typedef int(WINAPI* MissingFileBox)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// Fixes the program folder and starts the missing-file check on a thread of
// its own, so that it runs while the main window is being made. Called once,
// before the main window is created.
void BeginProgramFiles();
// Waits for the check to end and closes its thread; does nothing when none
// runs. Every way out of the program passes here: the check reads what the
// runtime destroys at exit.
void EndFileCheck();
// The creation handler's file steps: the save folder, then the end of the
// check (begun here if it was not yet). Traces as the creation handler does.
// When a picture is missing it shows "A file (<path>) needed for Glimmerbook
// is missing." titled "Error" and returns false: the window must then refuse
// its creation (return -1).
bool PrepareProgramFiles(HWND mainWindow, MissingFileBox showBox = MessageBoxA);
