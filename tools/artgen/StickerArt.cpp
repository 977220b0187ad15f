#include "StickerArt.h"

#include "DieCut.h"
#include "Emoji.h"
#include "StickerBook.h"
#include "sticker/PlaceTable.h"

#include <algorithm>

namespace {
// The snowy night: its stickers get a darker shadow.
const int NIGHT_PAGE = 1;

DieCut::Style styleFor(int size, DieCut::Edge edge)
{
    const int border = std::max(2, size / 17);
    return {border, std::max(1, size / 40), std::max(1, size / 45), edge};
}
}

Box opaqueBounds(const Canvas& canvas)
{
    int left = canvas.width(), top = canvas.height(), right = 0, bottom = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        const uint32_t* row = canvas.row(y);
        for (int x = 0; x < canvas.width(); ++x) {
            if (row[x] >> 24) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = std::max(bottom, y + 1);
            }
        }
    }
    if (right <= left)
        return {0, 0, canvas.width(), canvas.height()};
    return {left, top, right - left, bottom - top};
}

StickerArt::StickerArt()
{
    stickers_.reserve(NUMBEROFSTICKERGRAPHICS);
    for (int i = 0; i < NUMBEROFSTICKERGRAPHICS; ++i)
        stickers_.push_back(hardSticker(StickerBook::sticker(i).emoji, StickerBook::sticker(i).size,
                                        STICKER_PLACES[i].page == NIGHT_PAGE));
}

Canvas StickerArt::hardSticker(const char* emoji, int size, bool onDarkPage)
{
    DieCut::Style style = styleFor(size, DieCut::Edge::Hard);
    if (onDarkPage) {
        style.shadowEdgeGrey = 58;
        style.shadowDeepGrey = 24;
    }
    Canvas cut = DieCut::cut(Emoji::render(emoji, size), style);
    const Box box = opaqueBounds(cut);
    return cut.crop(box.x, box.y, box.w, box.h);
}

Canvas StickerArt::softSticker(const char* emoji, int size)
{
    return DieCut::cut(Emoji::render(emoji, size), styleFor(size, DieCut::Edge::Soft));
}
