// The 28 sticker buttons of the tray, with a face for each of the 224 stickers.
#pragma once

#include "controls/ButtonGroupOf.h"
#include "controls/StickerButtonSubclass.h"

class StickerButtonGroup : public ButtonGroupOf<StickerButtonSubclass> {
public:
    StickerButtonGroup();
};

// The one group; the object hides the class name where this is included.
extern class StickerButtonGroup StickerButtonGroup;
