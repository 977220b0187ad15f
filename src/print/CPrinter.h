// Prints the current page: one call, one page. The constructor gets a
// printer from the print dialog (landscape offered first), prints the page
// framed at three quarters of the page width, centred, and ends the job.
#pragma once

#include <windows.h>
#include <commdlg.h>

class COffScreenBufferView;

class CPrinter {
public:
    CPrinter(HWND owner, const char* documentName);
    virtual ~CPrinter();
    CPrinter(const CPrinter&) = delete;
    CPrinter& operator=(const CPrinter&) = delete;

    // The dialog's printer DC, or 0 when there is no printer or the user cancelled.
    HDC GetPrinterDC(HWND owner);
    // place: 0, 0, w0, h0 in; x, y, width, height on the printer page out.
    void FitToPage(int place[4]);

private:
    bool OfferLandscape(HDC defaultDC);
    // The chosen printer and its port (FILE: and PORTPROMPT: ask for a file).
    void TracePrinter();
    void ReleaseDialogMemory();
    void PrintPage(HDC dc, COffScreenBufferView& view);

    PRINTDLGA m_PrintDialog;
    DOCINFOA m_DocInfo;
};
