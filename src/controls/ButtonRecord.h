// One button of a screen: written with its window handle when the button is
// created. The tables live in ControlLayout.
#pragma once

#include <cstdint>

#include "support/Platform.h"

struct ButtonRecord {
    HWND window;
    // The sticker buttons carry 2 (left), 1 (bottom) or 3 (right); the Start
    // button gets the main window handle.
    intptr_t tag;
    int32_t id;
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};
