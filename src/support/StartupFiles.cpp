#include "support/StartupFiles.h"

#include <string>

#include "imaging/CFileManager.h"
#include "sticker/PlaceTable.h"
#include "support/CCheckFile.h"
#include "support/CInitialization.h"
#include "support/Log.h"
#include "support/ProgramFolder.h"

bool PrepareProgramFiles(HWND mainWindow, MissingFileBox showBox)
{
    SetProgramFolder();
    CFileManager fileManager(true);
    fileManager.CheckForAndCreateDirectory("save004");
    std::string folder;
    fileManager.GetFullPath(folder, "");
    LogMessage("WM_Create 3 %s", folder.c_str());

    LogMessage("CCheckFile CheckMissingFiles.  NUMBEROFSTICKERGRAPHICS %i", NUMBEROFSTICKERGRAPHICS);
    LogStartupStep("save folder");
    CCheckFile check(folder);
    LogStartupStep("missing-file check");
    if (check.CheckMissingFiles()) {
        const std::string text =
            "A file (" + check.GetMissingPath() + ") needed for Glimmerbook is missing.";
        showBox(mainWindow, text.c_str(), "Error", MB_ICONEXCLAMATION);
        return false;
    }
    CInitialization options(folder);
    fileManager.Close();
    return true;
}
