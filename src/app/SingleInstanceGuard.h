// Makes sure one copy of the program runs; a second copy brings the first
// to the front and quits.
#pragma once

#include <windows.h>

class SingleInstanceGuard {
public:
    SingleInstanceGuard() = default;
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // Nonzero when this is the only instance; 0 when another one runs.
    int Check(const char* className, const char* identifier);

private:
    HANDLE m_Mutex = nullptr;
};

// The first instance's main window, in a section shared by every process
// running this program image.
extern HWND hGlobal;
