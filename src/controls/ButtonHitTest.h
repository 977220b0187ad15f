// Whether a mouse message's point lies on a button. The coordinates are read
// as unsigned 16-bit numbers, so any point left of or above the button (as
// captured moves deliver them) is outside.
#pragma once

#include <cstdint>

// Inside when x <= maxX and y <= maxY; the far edges count as inside.
bool IsInsideButton(uint32_t lParam, unsigned maxX, unsigned maxY);

const unsigned STICKER_BUTTON_MAX_X = 60;
const unsigned STICKER_BUTTON_MAX_Y = 60;
const unsigned PAGE_TAB_MAX_X = 60;
const unsigned PAGE_TAB_MAX_Y = 65;
