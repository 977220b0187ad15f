#include "persist/FileHold.h"

namespace {

bool HeldOnWindows(const std::string& path)
{
    // The sharing the runtime's own open asks for.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return IsPassingHold(GetLastError(), path);
    // It opens now: whoever held it has just let go.
    CloseHandle(file);
    return true;
}

} // namespace

// A read-only target or a folder never lets go (Wine reports a held target as
// access denied too, so the file itself tells the two apart).
bool IsPassingHold(DWORD error, const std::string& path)
{
    if (error == ERROR_SHARING_VIOLATION)
        return true;
    if (error != ERROR_ACCESS_DENIED)
        return false;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

HoldProbe IsHeldForReading = HeldOnWindows;
