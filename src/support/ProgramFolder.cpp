#include "support/ProgramFolder.h"

#include <string>
#include <vector>

#include <windows.h>

#include "imaging/CFileManager.h"
#include "support/Log.h"

namespace {

const char DATA_FOLDER[] = "data004";

std::wstring CurrentDirectory()
{
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    std::vector<wchar_t> buffer(needed + 1, L'\0');
    GetCurrentDirectoryW(needed, buffer.data());
    return buffer.data();
}

// The folder the executable lies in, without a trailing backslash; empty
// when Windows cannot tell.
std::wstring ExecutableFolder()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0)
            return std::wstring();
        if (length < size)
            break;
        buffer.resize(buffer.size() * 2);
    }
    std::wstring path = buffer.data();
    const std::wstring::size_type slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos)
        return std::wstring();
    // A drive root keeps its backslash, as the current directory gives it.
    path.erase(slash == 2 && path[1] == L':' ? slash + 1 : slash);
    return path;
}

// The path in the ANSI code page; true when it reads back as the same path,
// false when some letter of it has no ANSI form (it became '?' or a
// look-alike).
bool ToAnsi(const std::wstring& path, std::string& ansi)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> bytes(size > 0 ? size : 1, '\0');
    WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    ansi = bytes.data();
    const int back = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(back > 0 ? back : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), back);
    return path == wide.data();
}

std::wstring ShortPath(const std::wstring& path)
{
    const DWORD needed = GetShortPathNameW(path.c_str(), nullptr, 0);
    std::vector<wchar_t> buffer(needed + 1, L'\0');
    if (needed == 0 || GetShortPathNameW(path.c_str(), buffer.data(), needed) >= needed)
        return path;
    return buffer.data();
}

// Every file name of the program goes through the ANSI calls. A folder whose
// name the ANSI code page cannot hold (a child's name in Chinese on an
// English Windows) is entered by its short name instead, which is plain
// ASCII; the current directory moves there too, so that whatever asks for it
// later gets a name that works.
std::string EnterByAnsiName()
{
    const std::wstring current = CurrentDirectory();
    std::string ansi;
    if (ToAnsi(current, ansi))
        return ansi;
    const std::wstring shortPath = ShortPath(current);
    std::string shortAnsi;
    if (!ToAnsi(shortPath, shortAnsi) || !SetCurrentDirectoryW(shortPath.c_str())) {
        // Short names turned off on this volume: nothing names the folder in ANSI.
        LogMessage("SetProgramFolder: %s has no ANSI name", ansi.c_str());
        return ansi;
    }
    LogMessage("SetProgramFolder: %s is entered as %s", ansi.c_str(), shortAnsi.c_str());
    return shortAnsi;
}

} // namespace

void SetProgramFolder()
{
    // A shortcut without a working folder, the Run box or a prompt elsewhere
    // start us in another directory: then the files beside the program are
    // the ones meant. Every relative name (the save folder, the music, the
    // trace log) follows the current directory, so move it there.
    if (!CFileManager::IsDirectory(DATA_FOLDER)) {
        const std::wstring own = ExecutableFolder();
        if (!own.empty() && SetCurrentDirectoryW(own.c_str()))
            LogMessage("SetProgramFolder: the current directory holds no %s; moved beside the program",
                       DATA_FOLDER);
    }
    CFileManager::SetProgramFolderPath(EnterByAnsiName());
}
