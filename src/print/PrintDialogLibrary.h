// The print dialog's library. comdlg32 brings the shell and the common
// controls with it, a dozen libraries that only printing uses: it is loaded
// when the first print asks for the dialog, not when the program starts, and
// stays loaded from then on.
#pragma once

#include <windows.h>
#include <commdlg.h>

class CPrintDialogLibrary {
public:
    // PrintDlgA, or FALSE (traced) when the library cannot be loaded.
    BOOL PrintDlg(PRINTDLGA* dialog);

private:
    bool Load();

    typedef BOOL(WINAPI* PrintDlgFunction)(PRINTDLGA*);
    PrintDlgFunction m_PrintDlg = nullptr;
};
