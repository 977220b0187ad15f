// Fixes the program folder: the process's current directory when the main
// window is created, or the executable's own folder when the current
// directory holds no data folder (the current directory is moved there).
// A folder whose name the ANSI code page cannot hold is entered by its short
// name. Every full path of the program is formed from it
// (CFileManager::GetFullPath).
#pragma once

void SetProgramFolder();
