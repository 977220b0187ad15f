#include "persist/FileReplace.h"

#include <windows.h>

namespace {

const int MOVE_ATTEMPTS = 10;
const DWORD RETRY_STEP_MS = 25;

bool FlushToDisk(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const BOOL flushed = FlushFileBuffers(file);
    CloseHandle(file);
    return flushed != FALSE;
}

// A virus scanner or indexer may hold the target for a moment.
bool IsPassing(DWORD error)
{
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
}

bool MoveOver(const std::string& temporary, const std::string& target)
{
    for (int attempt = 1; attempt <= MOVE_ATTEMPTS; ++attempt) {
        if (MoveFileExA(temporary.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        if (!IsPassing(GetLastError()) || attempt == MOVE_ATTEMPTS)
            break;
        Sleep(RETRY_STEP_MS * attempt);
    }
    return false;
}

} // namespace

bool ReplaceWithTemporary(const std::string& temporary, const std::string& target)
{
    if (FlushToDisk(temporary) && MoveOver(temporary, target))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}
