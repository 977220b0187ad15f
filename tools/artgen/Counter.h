// The stickers-left counter: five label tiles (for 224 and up from 100, for
// 99 and 10 to 98, for 9 and 2 to 8, for 1, for 0) and a column of number
// tiles that the program lays over the label, so every count reads as one
// line of text.
#pragma once

#include "Canvas.h"

namespace Counter {
const int LABEL_W = 190, TILE_H = 24, DIGITS_W = 30, DIGIT_ROWS = 220;

// The whole 190 x 24 line for a count, painted directly.
Canvas line(int count, const Canvas& background);
// b0019: the five label tiles, one above another.
Canvas labels(const Canvas& background);
// b0020: the number tiles from 223 down to 2, without 99 and 9.
Canvas digits(const Canvas& background);

// Where the program draws the number tile of a count, relative to the label
// (-1 when the label carries the number itself).
int digitOffset(int count);
// Row of the number tile of a count in b0020, or -1.
int digitRow(int count);
}
