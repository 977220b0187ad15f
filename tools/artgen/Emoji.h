// One Noto Color Emoji glyph as a picture.
#pragma once

#include "Canvas.h"

namespace Emoji {
// The glyph scaled so that its inked box is `size` pixels on its longer side,
// cropped to that box.
Canvas render(const char* utf8, int size);
}
