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

bool FlushOnWindows(const std::string& path)
{
    // Scanners may read the file meanwhile; nobody else may change it.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const BOOL flushed = FlushFileBuffers(file);
    const DWORD error = GetLastError();
    CloseHandle(file);
    SetLastError(error);
    return flushed != FALSE;
}

bool MoveOnWindows(const std::string& from, const std::string& to)
{
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           FALSE;
}

} // namespace

ReplaceCalls SystemReplaceCalls = {FlushOnWindows, MoveOnWindows};

bool ReplaceWithTemporary(const std::string& temporary, const std::string& target)
{
    if (Retried("flush", temporary, [&] { return SystemReplaceCalls.flush(temporary); }) &&
        Retried("replace", target, [&] { return SystemReplaceCalls.move(temporary, target); }))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}
