#include "PageIndicator.h"

#include "Emoji.h"
#include "Lettering.h"

#include <string>

namespace PageIndicator {
Canvas make(const Canvas& background)
{
    const int w = background.width();
    Canvas out(w, BANDS * BAND_H);
    Canvas book = Emoji::render("📖", 24);
    for (int band = 0; band < BANDS; ++band) {
        Canvas b(w, BAND_H);
        b.draw(background, 0, 0);
        if (band > 0) {
            b.roundedRect(8, 3, w - 16, BAND_H - 6, 17);
            b.setColour(0xFFF8E1);
            cairo_fill_preserve(b.cr());
            b.setColour(0x2E5E1E);
            cairo_set_line_width(b.cr(), 2);
            cairo_stroke(b.cr());
            b.draw(book, 22, (BAND_H - book.height()) / 2.0);
            Lettering::drawCentred(b, "Page " + std::to_string(band), w / 2.0 + 14, BAND_H / 2.0, {19, 0x2E5E1E});
        }
        out.draw(b, 0, band * BAND_H);
    }
    return out;
}
}
