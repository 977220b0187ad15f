#include "print/CPrinter.h"

#include <cstring>

#include "print/FitToPage.h"
#include "print/PrintDialogLibrary.h"
#include "sticker/AnimView.h"
#include "support/BringToFront.h"
#include "support/Log.h"

// The system's records, as the 32-bit program and its 64-bit twin lay them out.
static_assert(sizeof(PRINTDLGA) == (sizeof(void*) == 4 ? 66 : 120), "the print dialog record's size");
static_assert(sizeof(DOCINFOA) == (sizeof(void*) == 4 ? 20 : 40), "the document record's size");

namespace {
// Room for the 2-pixel black border drawn around the printed page.
const int FRAME_MARGIN = 4;

CPrintDialogLibrary g_PrintDialogLibrary;

// A printer may ask for a file name when the job starts (ports FILE: and
// PORTPROMPT:, print-to-PDF and document writers). That prompt has no owner
// among our windows, and a topmost window covers every other one even when
// the prompt is active: under our full-screen window the book would look
// frozen. Step out of the topmost band for the length of the job.
bool DropTopmost(HWND window)
{
    if (!window || !(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST))
        return false;
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    LogMessage("CPrinter::CPrinter: no longer topmost for the print job");
    return true;
}

void RestoreTopmost(HWND window)
{
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    LogMessage("CPrinter::CPrinter: topmost again");
}
} // namespace

CPrinter::CPrinter(HWND owner, const char* documentName)
{
    std::memset(&m_PrintDialog, 0, sizeof m_PrintDialog);
    std::memset(&m_DocInfo, 0, sizeof m_DocInfo);
    LogMessage("CPrinter::CPrinter: Printer Dialog");

    HDC dc = GetPrinterDC(owner);
    if (!dc) {
        LogMessage("CPrinter::CPrinter: Unable to get a printer DC");
        return;
    }
    m_DocInfo.cbSize = sizeof m_DocInfo;
    m_DocInfo.lpszDocName = documentName;
    const bool wasTopmost = DropTopmost(owner);
    if (StartDocA(dc, &m_DocInfo) <= 0) {
        LogMessage("CPrinter::CPrinter: StartDoc failed");
    } else if (StartPage(dc) <= 0) {
        LogMessage("CPrinter::CPrinter: StartPage failed");
    } else {
        PrintPage(dc, AnimView);
        if (EndPage(dc) < 1)
            LogMessage("CPrinter::CPrinter: EndPage failed");
        if (EndDoc(dc) < 1)
            LogMessage("CPrinter::CPrinter: EndDoc failed");
    }
    DeleteDC(dc);
    if (wasTopmost)
        RestoreTopmost(owner);
    // A file name prompt comes from another program: while it was in front,
    // the exclusive full-screen mode minimised the book, and nothing else
    // brings it back.
    BringToFront(owner);
}

CPrinter::~CPrinter() = default;

void CPrinter::PrintPage(HDC dc, COffScreenBufferView& view)
{
    RECT frame;
    view.GetRect(&frame);
    int place[4] = {0, 0, frame.right - frame.left + FRAME_MARGIN,
                    frame.bottom - frame.top + FRAME_MARGIN};
    m_PrintDialog.hDC = dc;
    FitToPage(place);
    view.PrintTo(dc, place);
}

HDC CPrinter::GetPrinterDC(HWND owner)
{
    m_PrintDialog.lStructSize = sizeof m_PrintDialog;
    m_PrintDialog.hwndOwner = owner;
    m_PrintDialog.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    m_PrintDialog.nCopies = 1;
    // Without a default printer this fails at once and yields no DEVMODE to
    // turn; there is nothing to print on then.
    if (!g_PrintDialogLibrary.PrintDlg(&m_PrintDialog)) {
        ReleaseDialogMemory();
        return nullptr;
    }
    HDC defaultDC = m_PrintDialog.hDC;
    const bool landscape = OfferLandscape(defaultDC);
    if (defaultDC)
        DeleteDC(defaultDC);
    m_PrintDialog.hDC = nullptr;
    if (!landscape) {
        ReleaseDialogMemory();
        return nullptr;
    }

    m_PrintDialog.Flags = PD_HIDEPRINTTOFILE | PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION;
    const BOOL confirmed = g_PrintDialogLibrary.PrintDlg(&m_PrintDialog);
    HDC dc = confirmed ? m_PrintDialog.hDC : nullptr;
    if (dc)
        TracePrinter();
    ReleaseDialogMemory();
    return dc;
}

bool CPrinter::OfferLandscape(HDC defaultDC)
{
    if (!m_PrintDialog.hDevMode)
        return false;
    DEVMODEA* mode = static_cast<DEVMODEA*>(GlobalLock(m_PrintDialog.hDevMode));
    if (!mode)
        return false;
    mode->dmFields |= DM_ORIENTATION;
    mode->dmOrientation = DMORIENT_LANDSCAPE;
    if (defaultDC)
        ResetDCA(defaultDC, mode);
    GlobalUnlock(m_PrintDialog.hDevMode);
    return true;
}

void CPrinter::TracePrinter()
{
    const DEVNAMES* names = m_PrintDialog.hDevNames
                                ? static_cast<const DEVNAMES*>(GlobalLock(m_PrintDialog.hDevNames))
                                : nullptr;
    if (!names)
        return;
    const char* base = reinterpret_cast<const char*>(names);
    LogMessage("CPrinter::GetPrinterDC: printer %s on port %s", base + names->wDeviceOffset,
               base + names->wOutputOffset);
    GlobalUnlock(m_PrintDialog.hDevNames);
}

void CPrinter::ReleaseDialogMemory()
{
    // The dialog allocates these for us on every call; a print job must not
    // leave them behind.
    if (m_PrintDialog.hDevMode)
        GlobalFree(m_PrintDialog.hDevMode);
    if (m_PrintDialog.hDevNames)
        GlobalFree(m_PrintDialog.hDevNames);
    m_PrintDialog.hDevMode = nullptr;
    m_PrintDialog.hDevNames = nullptr;
}

void CPrinter::FitToPage(int place[4])
{
    FitPlaceToPage(place, GetDeviceCaps(m_PrintDialog.hDC, HORZRES),
                   GetDeviceCaps(m_PrintDialog.hDC, VERTRES));
}
