// The two page backgrounds, 844 x 588: a sunny day by a lake (page number 2)
// and a snowy night (page number 1), each with a faint outline of every
// sticker that belongs on it, at its place.
#pragma once

#include "Canvas.h"
#include "StickerArt.h"

namespace PageScene {
const int W = 844, H = 588;
// pageNumber counts from 1.
Canvas make(int pageNumber, const StickerArt& art);
// The painted scene alone, before the outlines go on.
Canvas scene(int pageNumber);
}
