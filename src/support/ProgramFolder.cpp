#include "support/ProgramFolder.h"

#include <vector>

#include <windows.h>

#include "imaging/CFileManager.h"

void SetProgramFolder()
{
    const DWORD needed = GetCurrentDirectoryA(0, nullptr);
    std::vector<char> buffer(needed + 1, '\0');
    GetCurrentDirectoryA(needed, buffer.data());
    CFileManager::SetProgramFolderPath(buffer.data());
}
