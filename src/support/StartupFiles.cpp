#include "support/StartupFiles.h"

#include <string>

#include "imaging/CFileManager.h"
#include "sticker/PlaceTable.h"
#include "support/CCheckFile.h"
#include "support/CInitialization.h"
#include "support/Guarded.h"
#include "support/Log.h"
#include "support/ProgramFolder.h"

namespace {

// The check touches only files: a small stack is plenty.
const SIZE_T CHECK_STACK_BYTES = 256 * 1024;

// The missing-file check, run on its own thread while the window is made.
struct FileCheck {
    bool begun = false;
    HANDLE thread = nullptr;
    std::string folder;
    std::string missingPath; // empty when nothing is missing
};
FileCheck g_FileCheck;

void RunFileCheck()
{
    CCheckFile check(g_FileCheck.folder);
    if (check.CheckMissingFiles())
        g_FileCheck.missingPath = check.GetMissingPath();
}

DWORD WINAPI FileCheckThread(LPVOID)
{
    return CallGuarded<DWORD>("FileCheckThread", 1, [] {
        RunFileCheck();
        return 0;
    });
}

// The first missing picture's full path once the check has ended; empty when
// every picture opens.
const std::string& FinishFileCheck()
{
    if (!g_FileCheck.begun)
        BeginProgramFiles();
    EndFileCheck();
    return g_FileCheck.missingPath;
}

} // namespace

void BeginProgramFiles()
{
    g_FileCheck.begun = true;
    SetProgramFolder();
    CFileManager::GetFullPath(g_FileCheck.folder, "");
    g_FileCheck.thread = CreateThread(nullptr, CHECK_STACK_BYTES, FileCheckThread, nullptr,
                                      STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (!g_FileCheck.thread)
        RunFileCheck();
}

void EndFileCheck()
{
    if (!g_FileCheck.thread)
        return;
    WaitForSingleObject(g_FileCheck.thread, INFINITE);
    CloseHandle(g_FileCheck.thread);
    g_FileCheck.thread = nullptr;
}

bool PrepareProgramFiles(HWND mainWindow, MissingFileBox showBox)
{
    CFileManager fileManager(true);
    fileManager.CheckForAndCreateDirectory("save004");
    std::string folder;
    fileManager.GetFullPath(folder, "");
    LogMessage("WM_Create 3 %s", folder.c_str());

    LogMessage("CCheckFile CheckMissingFiles.  NUMBEROFSTICKERGRAPHICS %i", NUMBEROFSTICKERGRAPHICS);
    LogStartupStep("save folder");
    const std::string missingPath = FinishFileCheck();
    LogStartupStep("missing-file check");
    if (!missingPath.empty()) {
        const std::string text = "A file (" + missingPath + ") needed for Glimmerbook is missing.";
        showBox(mainWindow, text.c_str(), "Error", MB_ICONEXCLAMATION);
        return false;
    }
    CInitialization options(folder);
    fileManager.Close();
    return true;
}
