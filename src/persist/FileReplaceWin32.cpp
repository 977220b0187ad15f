#include "persist/FileReplace.h"

#include <windows.h>

#include "support/Log.h"

namespace {

const int ATTEMPTS = 10;
const DWORD RETRY_STEP_MS = 25;

// A virus scanner or sync tool holding the file lets go in a moment; a
// read-only target or a folder never does (Wine reports a held target as
// access denied too, so the target itself tells the two apart).
bool IsPassing(DWORD error, const std::string& target)
{
    if (error == ERROR_SHARING_VIOLATION)
        return true;
    if (error != ERROR_ACCESS_DENIED)
        return false;
    const DWORD attributes = GetFileAttributesA(target.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

// Retries a step while another program holds the file, with a growing wait.
template <typename Step>
bool Retried(const char* what, const std::string& holder, Step step)
{
    for (int attempt = 1;; ++attempt) {
        if (step())
            return true;
        const DWORD error = GetLastError();
        if (!IsPassing(error, holder) || attempt == ATTEMPTS) {
            LogMessage("ReplaceWithTemporary: %s failed (error %lu): %s", what, error,
                       holder.c_str());
            return false;
        }
        Sleep(RETRY_STEP_MS * attempt);
    }
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
