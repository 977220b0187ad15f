// Start-up of the page: the document and the view linked, the placement
// check given both, the first page shown with its stickers.
#pragma once

#include <windows.h>

void StartPage(HWND mainWindow);
