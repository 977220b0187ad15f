#include "support/ProgramFolder.h"

#include <string>
#include <vector>

#include <windows.h>

#include "imaging/CFileManager.h"
#include "support/Log.h"

namespace {

const char DATA_FOLDER[] = "data004";

std::string CurrentDirectory()
{
    const DWORD needed = GetCurrentDirectoryA(0, nullptr);
    std::vector<char> buffer(needed + 1, '\0');
    GetCurrentDirectoryA(needed, buffer.data());
    return buffer.data();
}

// The folder the executable lies in, without a trailing backslash; empty
// when Windows cannot tell.
std::string ExecutableFolder()
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
        if (length == 0)
            return std::string();
        if (length < size)
            break;
        buffer.resize(buffer.size() * 2);
    }
    std::string path = buffer.data();
    const std::string::size_type slash = path.find_last_of('\\');
    if (slash == std::string::npos)
        return std::string();
    // A drive root keeps its backslash, as GetCurrentDirectoryA gives it.
    path.erase(slash == 2 && path[1] == ':' ? slash + 1 : slash);
    return path;
}

} // namespace

void SetProgramFolder()
{
    // A shortcut without a working folder, the Run box or a prompt elsewhere
    // start us in another directory: then the files beside the program are
    // the ones meant. Every relative name (the save folder, the music, the
    // trace log) follows the current directory, so move it there.
    if (!CFileManager::IsDirectory(DATA_FOLDER)) {
        const std::string started = CurrentDirectory();
        const std::string own = ExecutableFolder();
        if (!own.empty() && SetCurrentDirectoryA(own.c_str()))
            LogMessage("SetProgramFolder: %s holds no %s; the program folder is %s",
                       started.c_str(), DATA_FOLDER, own.c_str());
    }
    CFileManager::SetProgramFolderPath(CurrentDirectory());
}
