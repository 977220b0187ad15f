// The eight themed groups of 28 stickers: which emoji each sticker shows and
// how large its picture is.
#pragma once

#include "sticker/PlaceTable.h"

#include <cstdint>

const int GROUPS = NUMBEROFSTICKERGRAPHICS / STICKERS_PER_GROUP;

struct StickerEntry {
    const char* emoji;
    // Longer side of the emoji itself, before the border and shadow.
    int size;
};

struct StickerGroup {
    const char* name;
    const char* emblem;
    uint32_t colour;
    StickerEntry stickers[STICKERS_PER_GROUP];
};

namespace StickerBook {
const StickerGroup& group(int g);
const StickerEntry& sticker(int index);
}
