// The die-cut sticker pictures, made once and shared by the sticker files,
// the page outlines, the tray faces and the title and dialog art.
#pragma once

#include "Canvas.h"
#include "ScreenLayout.h"

#include <vector>

class StickerArt {
public:
    StickerArt();
    // The keyed sticker of a sticker index, cropped to what shows.
    const Canvas& sticker(int index) const { return stickers_[index]; }
    // A sticker of any emoji at any size, keyed or anti-aliased.
    // `onDarkPage` gives the sticker a shadow that reads as one on a dark page.
    static Canvas hardSticker(const char* emoji, int size, bool onDarkPage = false);
    static Canvas softSticker(const char* emoji, int size);

private:
    std::vector<Canvas> stickers_;
};

// Smallest box holding every pixel that is not clear.
Box opaqueBounds(const Canvas& canvas);
