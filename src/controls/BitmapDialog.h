// Modal dialog boxes without caption or frame whose face is a bitmap
// resource, with owner-drawn bitmap buttons. The templates are built in
// memory at each call, so the program carries no dialog resources.
#pragma once

#include <windows.h>

#include "controls/DialogTemplate.h"

// A fixed, zero-filled block holding the template of `kind`, or null when it
// cannot be allocated (or the kind has no definition). The caller frees it.
HGLOBAL BuildDialogTemplate(int kind);

// Runs the dialog of `kind` with `procedure` over `owner`, its face the
// bitmap resource `background`, and returns what it ended with: 0 when the
// template could not be built (after telling the user).
INT_PTR ShowBitmapDialog(HWND owner, int kind, DLGPROC procedure, const char* background);

// Yes ends with 1, No (and Escape) with 2. For DialogKindYesNo.
INT_PTR CALLBACK YesNoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// OK ends with 1, Escape with 2. For DialogKindOk.
INT_PTR CALLBACK OkDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Only the Quit button ends it, with 1. For DialogKindQuit.
INT_PTR CALLBACK QuitDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
