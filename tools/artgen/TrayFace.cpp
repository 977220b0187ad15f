#include "TrayFace.h"

#include "Colour.h"
#include "StickerArt.h"
#include "StickerBook.h"

#include <cmath>

namespace {
const int TILE = 60;
const double PI = 3.14159265358979323846;

enum class State { Up, Hover, Down, Latched, Used };

void card(Canvas& c, double x, double y, double size, uint32_t fill, uint32_t rim, double rimWidth)
{
    c.roundedRect(x, y, size, size, 11);
    c.setColour(fill);
    cairo_fill_preserve(c.cr());
    c.setColour(rim);
    cairo_set_line_width(c.cr(), rimWidth);
    cairo_stroke(c.cr());
}

void greyOut(Canvas& c)
{
    for (int y = 0; y < c.height(); ++y) {
        uint32_t* row = c.row(y);
        for (int x = 0; x < c.width(); ++x) {
            const uint32_t p = row[x], a = p >> 24;
            const uint32_t grey = (((p >> 16) & 255) * 3 + ((p >> 8) & 255) * 6 + (p & 255)) / 10;
            // Lift towards a pale grey so the sticker looks faded, not dark.
            const uint32_t faded = (grey + a * 2) / 3;
            row[x] = a << 24 | faded << 16 | faded << 8 | faded;
        }
    }
}

void tick(Canvas& c, double cx, double cy, double r)
{
    cairo_t* cr = c.cr();
    cairo_arc(cr, cx, cy, r, 0, 2 * PI);
    c.setColour(0x2E9E3E);
    cairo_fill_preserve(cr);
    c.setColour(0xFFFFFF);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    cairo_move_to(cr, cx - r * 0.5, cy + r * 0.02);
    cairo_line_to(cr, cx - r * 0.12, cy + r * 0.42);
    cairo_line_to(cr, cx + r * 0.55, cy - r * 0.4);
    cairo_set_line_width(cr, 2.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void dashedSlot(Canvas& c, uint32_t colour)
{
    cairo_t* cr = c.cr();
    const double dashes[] = {4, 3};
    c.roundedRect(12, 12, 36, 36, 8);
    cairo_set_dash(cr, dashes, 2, 0);
    c.setColour(colour, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

Canvas tile(const Canvas& background, const StickerGroup& group, const char* emoji, State state)
{
    Canvas t(TILE, TILE);
    t.draw(background, 0, 0);
    const uint32_t tint = Colour::lighter(group.colour, 0.85);
    const double centre = TILE / 2.0;
    switch (state) {
    case State::Up:
    case State::Hover: {
        const bool hover = state == State::Hover;
        if (hover)
            card(t, 1.5, 1.5, 57, 0xFFF3B0, 0xFFC107, 3);
        else
            card(t, 3, 3, 54, tint, Colour::darker(group.colour, 0.1), 2);
        Canvas s = StickerArt::softSticker(emoji, hover ? 40 : 36);
        t.draw(s, centre - s.width() / 2.0, centre - s.height() / 2.0 - (hover ? 1 : 0));
        break;
    }
    case State::Down: {
        card(t, 4, 5, 52, Colour::darker(tint, 0.12), Colour::darker(group.colour, 0.3), 2.5);
        Canvas s = StickerArt::softSticker(emoji, 33);
        t.draw(s, centre - s.width() / 2.0, centre - s.height() / 2.0 + 2);
        break;
    }
    case State::Latched: {
        card(t, 3, 3, 54, 0xFFFFFF, 0xFFC107, 3);
        dashedSlot(t, group.colour);
        Canvas s = StickerArt::softSticker(emoji, 30);
        t.draw(s, centre - s.width() / 2.0, centre - s.height() / 2.0, 1.0, 0.25);
        break;
    }
    case State::Used: {
        card(t, 3, 3, 54, 0xD9D9D9, 0x9E9E9E, 2);
        Canvas s = StickerArt::softSticker(emoji, 34);
        greyOut(s);
        t.draw(s, centre - s.width() / 2.0 - 3, centre - s.height() / 2.0 - 3, 1.0, 0.55);
        tick(t, 44, 44, 10);
        break;
    }
    }
    return t;
}
}

namespace TrayFace {
Canvas make(int stickerIndex, const Canvas& background)
{
    const StickerGroup& group = StickerBook::group(stickerIndex / STICKERS_PER_GROUP);
    const char* emoji = StickerBook::sticker(stickerIndex).emoji;
    Canvas out(5 * TILE, TILE);
    const State states[] = {State::Up, State::Hover, State::Down, State::Latched, State::Used};
    for (int k = 0; k < 5; ++k)
        out.draw(tile(background, group, emoji, states[k]), k * TILE, 0);
    return out;
}
}
