#include "GroupTab.h"

#include "Colour.h"
#include "Emoji.h"
#include "StickerBook.h"

namespace {
Canvas face(const Canvas& background, const StickerGroup& group, bool chosen)
{
    Canvas t(background.width(), background.height());
    t.draw(background, 0, 0);
    cairo_t* cr = t.cr();
    const double top = chosen ? 2 : 8, bottom = chosen ? 63 : 60;
    t.roundedRect(4, top + 2, 54, bottom - top, 13);
    t.setColour(0x1B3A10, 0.3);
    cairo_fill(cr);
    t.roundedRect(3, top, 54, bottom - top, 13);
    const uint32_t base = chosen ? group.colour : Colour::mix(group.colour, 0xEDEDED, 0.55);
    t.verticalGradient(top, Colour::lighter(base, 0.5), bottom, base);
    cairo_fill_preserve(cr);
    t.setColour(chosen ? 0xFFFFFF : Colour::darker(base, 0.3));
    cairo_set_line_width(cr, chosen ? 3 : 2);
    cairo_stroke(cr);
    Canvas emblem = Emoji::render(group.emblem, chosen ? 40 : 32);
    t.draw(emblem, 30 - emblem.width() / 2.0, (top + bottom) / 2 - emblem.height() / 2.0, 1.0, chosen ? 1.0 : 0.8);
    return t;
}
}

namespace GroupTab {
Canvas make(int group, const Canvas& background)
{
    Canvas out(background.width(), 2 * background.height());
    out.draw(face(background, StickerBook::group(group), false), 0, 0);
    out.draw(face(background, StickerBook::group(group), true), 0, background.height());
    return out;
}
}
