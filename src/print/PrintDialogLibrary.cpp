#include "print/PrintDialogLibrary.h"

#include "support/LibraryFunction.h"
#include "support/Log.h"

BOOL CPrintDialogLibrary::PrintDlg(PRINTDLGA* dialog)
{
    if (!m_PrintDlg && !Load())
        return FALSE;
    return m_PrintDlg(dialog);
}

bool CPrintDialogLibrary::Load()
{
    HMODULE module = LoadLibraryA("comdlg32.dll");
    if (!module) {
        LogMessage("CPrintDialogLibrary::Load: comdlg32.dll not loaded, error %lu", GetLastError());
        return false;
    }
    m_PrintDlg = LibraryFunction<PrintDlgFunction>(module, "PrintDlgA");
    if (!m_PrintDlg) {
        LogMessage("CPrintDialogLibrary::Load: no PrintDlgA in comdlg32.dll");
        FreeLibrary(module);
        return false;
    }
    return true;
}
