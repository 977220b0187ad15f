#include "controls/BitmapDialog.h"

#include "imaging/DrawBitmapResource.h"
#include "support/Guarded.h"
#include "support/Log.h"

namespace {

// Button faces of one dialog button: down, then up.
struct ButtonFaces {
    const char* down;
    const char* up;
};

const ButtonFaces YES_FACES = {"YESButtonDown", "YESButtonUp"};
const ButtonFaces NO_FACES = {"NOButtonDown", "NOButtonUp"};
const ButtonFaces OK_FACES = {"OKButtonDown", "OKButtonUp"};
const ButtonFaces QUIT_FACES = {"QuitButtonDown", "QuitButtonUp"};

// The dialogs are modal, so one background slot per procedure serves.
const char* g_YesNoBackground = nullptr;
const char* g_OkBackground = nullptr;
const char* g_QuitBackground = nullptr;

void CentreOnParent(HWND dialog)
{
    RECT parent;
    RECT own;
    if (!GetWindowRect(GetParent(dialog), &parent) || !GetWindowRect(dialog, &own))
        return;
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    MoveWindow(dialog, (parent.right - width) / 2, (parent.bottom - height) / 2, width, height,
               FALSE);
}

// What the three procedures share. `faces` picks the faces of a button id
// (null draws nothing); `ends` tells whether a command id ends the dialog.
INT_PTR OnDialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                        const char*& background, const ButtonFaces* (*faces)(UINT id),
                        bool (*ends)(WPARAM id))
{
    switch (message) {
    case WM_INITDIALOG:
        background = reinterpret_cast<const char*>(lParam);
        CentreOnParent(dialog);
        return TRUE;
    case WM_ERASEBKGND:
        if (background)
            DrawBitmapResource(reinterpret_cast<HDC>(wParam), background, 0, 0);
        return 1;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (const ButtonFaces* pair = faces(static_cast<UINT>(wParam)))
            DrawButtonBitmap(item, pair->down, pair->up);
        return 0;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    }
    case WM_COMMAND:
        if (ends(wParam)) {
            EndDialog(dialog, static_cast<INT_PTR>(wParam));
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

INT_PTR HandleDialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                            const char*& background, const ButtonFaces* (*faces)(UINT id),
                            bool (*ends)(WPARAM id))
{
    return CallGuarded<INT_PTR>("BitmapDialog", FALSE, [&] {
        return OnDialogMessage(dialog, message, wParam, lParam, background, faces, ends);
    });
}

const ButtonFaces* YesNoFaces(UINT id)
{
    if (id == 1)
        return &YES_FACES;
    if (id == 2)
        return &NO_FACES;
    return nullptr;
}

const ButtonFaces* OkFaces(UINT)
{
    return &OK_FACES;
}

const ButtonFaces* QuitFaces(UINT)
{
    return &QUIT_FACES;
}

// Escape arrives as IDCANCEL (2), which is also No.
bool EndsWithOneOrTwo(WPARAM id)
{
    return id == 1 || id == 2;
}

bool EndsWithOneOnly(WPARAM id)
{
    return id == 1;
}

} // namespace

HGLOBAL BuildDialogTemplate(int kind)
{
    const LONG units = GetDialogBaseUnits();
    HGLOBAL block = GlobalAlloc(GMEM_ZEROINIT, DIALOG_TEMPLATE_BLOCK_SIZE);
    if (!block)
        return nullptr;
    if (!WriteDialogTemplate(kind, LOWORD(units), HIWORD(units), static_cast<BYTE*>(block),
                             DIALOG_TEMPLATE_BLOCK_SIZE)) {
        LogMessage("BuildDialogTemplate: No template for kind %i", kind);
        GlobalFree(block);
        return nullptr;
    }
    return block;
}

INT_PTR ShowBitmapDialog(HWND owner, int kind, DLGPROC procedure, const char* background)
{
    HGLOBAL block = BuildDialogTemplate(kind);
    if (!block) {
        MessageBoxA(owner, "Insufficient memory.", "Dialog Box Error", MB_OK);
        return 0;
    }
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    const INT_PTR result =
        DialogBoxIndirectParamA(instance, static_cast<LPCDLGTEMPLATEA>(block), owner, procedure,
                                reinterpret_cast<LPARAM>(background));
    GlobalFree(block);
    return result;
}

INT_PTR CALLBACK YesNoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return HandleDialogMessage(dialog, message, wParam, lParam, g_YesNoBackground, YesNoFaces,
                               EndsWithOneOrTwo);
}

INT_PTR CALLBACK OkDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return HandleDialogMessage(dialog, message, wParam, lParam, g_OkBackground, OkFaces,
                               EndsWithOneOrTwo);
}

INT_PTR CALLBACK QuitDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return HandleDialogMessage(dialog, message, wParam, lParam, g_QuitBackground, QuitFaces,
                               EndsWithOneOnly);
}
