// The in-memory templates of the bitmap dialog boxes: a static definition
// per dialog kind, and the writer that turns one into template bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "support/Platform.h"

enum DialogKind : int {
    DialogKindYesNo = 0,
    DialogKindOk = 1,
    DialogKindQuit = 2,
    NUMBER_OF_DIALOG_KINDS = 3,
};

// Sizes are in half pixels: with the usual base units of 8 by 16 one
// template unit is two pixels, so they come out as the bitmaps' sizes.
struct DialogControlDef {
    int32_t x, y, width, height;
    int32_t id;
    uint32_t style;
    // A null class ends a control list.
    const char16_t* windowClass;
    const char16_t* text;
    uint8_t dataCount;
    const void* data;
};

struct DialogDef {
    uint32_t style;
    // Not trusted: the writer counts the controls itself.
    uint8_t itemCount;
    int16_t x, y;
    int16_t width, height;
    const char16_t* menu;
    const char16_t* windowClass;
    const char16_t* title;
    int16_t pointSize;
    const char16_t* fontName;
    const DialogControlDef* controls;
};

// The definition of each kind; empty until FillDialogKindTable has run.
extern const DialogDef* DialogKindTable[NUMBER_OF_DIALOG_KINDS];
void FillDialogKindTable();

// The size of the block a template is built in.
const size_t DIALOG_TEMPLATE_BLOCK_SIZE = 4096;

// Writes the template of `kind` (header, then each item at the next multiple
// of 4 bytes) into a zero-filled block, scaled by the dialog base units.
// Returns the number of bytes used, or 0 when the kind has no definition,
// a base unit is 0 or the template would not fit.
size_t WriteDialogTemplate(int kind, unsigned baseX, unsigned baseY, BYTE* block,
                           size_t capacity);
