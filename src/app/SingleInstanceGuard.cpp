#include "app/SingleInstanceGuard.h"

#include <string>

#include "support/BringToFront.h"

HWND hGlobal __attribute__((section(".shr"), shared)) = nullptr;

SingleInstanceGuard::~SingleInstanceGuard()
{
    if (m_Mutex)
        CloseHandle(m_Mutex);
}

int SingleInstanceGuard::Check(const char* className, const char* identifier)
{
    const std::string name = std::string(className) + identifier;
    m_Mutex = CreateMutexA(nullptr, TRUE, name.c_str());
    const bool otherInstance = GetLastError() == ERROR_ALREADY_EXISTS;
    // Ownership is not needed; the open handle alone keeps the name alive.
    if (m_Mutex)
        ReleaseMutex(m_Mutex);
    if (!otherInstance)
        return 1;

    // The shared handle is shared only by copies of this same file: a copy
    // started from another folder finds the first one's window by its class.
    HWND first = hGlobal ? hGlobal : FindWindowA(className, nullptr);
    if (first) {
        BringToFront(first);
        EnableWindow(first, TRUE);
    }
    return 0;
}
