#include "TitleScreen.h"

#include "ButtonFace.h"
#include "Colour.h"
#include "Lettering.h"
#include "ScreenLayout.h"
#include "StickerArt.h"
#include "StickerBook.h"

#include <cmath>

namespace {
const double PI = 3.14159265358979323846;
const uint32_t MINT = 0xD7F0C8;
const uint32_t GREEN = 0x2E7D32;

// The pattern as it falls under the title picture, so the picture's rounded
// corners blend into the screen.
void patternUnder(Canvas& picture, const Canvas& tile)
{
    const Box& t = ScreenLayout::TITLE;
    const int p = ScreenLayout::PATTERN;
    for (int y = -(t.y % p); y < picture.height(); y += p)
        for (int x = -(t.x % p); x < picture.width(); x += p)
            picture.draw(tile, x, y);
}

void scatterStickers(Canvas& picture)
{
    struct Spot {
        const char* emoji;
        int size;
        double x, y;
    };
    const Spot spots[] = {
        {"🐸", 64, 40, 36}, {"🌈", 62, 352, 30}, {"🐄", 70, 30, 240}, {"🐠", 58, 372, 226},
        {"🦁", 64, 368, 318}, {"🚗", 62, 34, 330}, {"🧸", 58, 204, 300}, {"🍓", 48, 110, 130},
        {"🦋", 52, 300, 128}, {"🌻", 56, 214, 16},
    };
    for (const Spot& s : spots) {
        Canvas sticker = StickerArt::softSticker(s.emoji, s.size);
        picture.draw(sticker, s.x, s.y);
    }
}
}

namespace TitleScreen {
Canvas pattern()
{
    const int p = ScreenLayout::PATTERN;
    Canvas tile(p, p);
    tile.fill(MINT);
    cairo_t* cr = tile.cr();
    // One dot in the middle and quarter dots at the corners, which meet
    // across tiles as whole dots.
    const double dots[5][2] = {{0, 0}, {double(p), 0}, {0, double(p)}, {double(p), double(p)}, {p / 2.0, p / 2.0}};
    for (const auto& d : dots) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, d[0], d[1], 1.6, 0, 2 * PI);
    }
    tile.setColour(Colour::darker(MINT, 0.12));
    cairo_fill(cr);
    return tile;
}

Canvas picture()
{
    const Box& t = ScreenLayout::TITLE;
    Canvas pic(t.w, t.h);
    patternUnder(pic, pattern());
    cairo_t* cr = pic.cr();
    pic.roundedRect(10, 14, t.w - 16, t.h - 18, 34);
    pic.setColour(0x1B3A10, 0.25);
    cairo_fill(cr);
    pic.roundedRect(4, 4, t.w - 16, t.h - 16, 34);
    pic.verticalGradient(0, 0xFFFDF2, t.h, 0xEAF7D9);
    cairo_fill_preserve(cr);
    pic.setColour(GREEN);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    scatterStickers(pic);
    Lettering::drawCentred(pic, "Mossleaf 4", t.w / 2.0 - 6, 196, {60, 0x66BB6A, 0x1B5E20, 5});
    Lettering::drawCentred(pic, "My sticker book", t.w / 2.0 - 6, 258, {26, 0xF57C00, 0xFFFFFF, 3});
    return pic;
}

Canvas startButton(const Canvas& picture)
{
    const Box& t = ScreenLayout::TITLE;
    const Box& s = ScreenLayout::START;
    return ButtonFace::upOverDown(picture.crop(s.x - t.x, s.y - t.y, s.w, s.h), ButtonFace::word(0x43A047, "Start"));
}
}
