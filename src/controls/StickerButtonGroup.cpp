#include "controls/StickerButtonGroup.h"

#include "sticker/Catalogue.h"

StickerButtonGroup::StickerButtonGroup() : ButtonGroupOf(NUMBEROFTRAYPICTURES)
{
}

class StickerButtonGroup StickerButtonGroup;
