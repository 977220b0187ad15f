#include "controls/ButtonHitTest.h"

bool IsInsideButton(uint32_t lParam, unsigned maxX, unsigned maxY)
{
    const unsigned x = lParam & 0xFFFF;
    const unsigned y = (lParam >> 16) & 0xFFFF;
    return x <= maxX && y <= maxY;
}
