// b0017: a blank band, then one 196 x 40 band for each page from 1 to 25.
#pragma once

#include "Canvas.h"

namespace PageIndicator {
const int BANDS = 26, BAND_H = 40;
Canvas make(const Canvas& background);
}
