#include "persist/FileReplace.h"

#include <windows.h>

#include "persist/FileHold.h"
#include "support/Log.h"

namespace {

// Tries a step again while another program holds the file.
bool Retried(const char* what, const std::string& holder, const std::function<bool()>& step)
{
    DWORD error = 0;
    if (RetriedWhileHeld(what, holder, step, [&] {
            error = GetLastError();
            return IsPassingHold(error, holder);
        }))
        return true;
    LogMessage("ReplaceWithTemporary: %s failed (error %lu): %s", what, error, holder.c_str());
    return false;
}

bool FlushToDisk(const std::string& path)
{
    return Retried("flush", path, [&] {
        // Scanners may read the file meanwhile; nobody else may change it.
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        const BOOL flushed = FlushFileBuffers(file);
        const DWORD error = GetLastError();
        CloseHandle(file);
        SetLastError(error);
        return flushed != FALSE;
    });
}

bool ReplaceOnWindows(const std::string& temporary, const std::string& target)
{
    if (FlushToDisk(temporary) && Retried("replace", target, [&] {
            return MoveFileExA(temporary.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
        }))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}

} // namespace

FileReplacer ReplaceWithTemporary = ReplaceOnWindows;
