// Fixes the program folder: the process's current directory when the main
// window is created. Every full path of the program is formed from it
// (CFileManager::GetFullPath).
#pragma once

void SetProgramFolder();
