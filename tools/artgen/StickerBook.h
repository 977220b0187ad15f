// The eight themed groups of 28 stickers: which emoji each sticker shows and
// how large its picture is.
#pragma once

#include <cstdint>

const int GROUPS = 8;
const int GROUP_SIZE = 28;
const int STICKERS = GROUPS * GROUP_SIZE;

struct StickerEntry {
    const char* emoji;
    // Longer side of the emoji itself, before the border and shadow.
    int size;
};

struct StickerGroup {
    const char* name;
    const char* emblem;
    uint32_t colour;
    StickerEntry stickers[GROUP_SIZE];
};

namespace StickerBook {
const StickerGroup& group(int g);
const StickerEntry& sticker(int index);
}
