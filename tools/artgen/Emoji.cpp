#include "Emoji.h"

#include "Fonts.h"

#include <algorithm>
#include <cmath>

namespace {
const double REFERENCE_SIZE = 128;

struct InkBox {
    int left, top, right, bottom;
};

void showGlyph(Canvas& canvas, const char* utf8, double fontSize, double x, double y)
{
    cairo_t* cr = canvas.cr();
    cairo_set_font_face(cr, Fonts::emoji());
    cairo_set_font_size(cr, fontSize);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, utf8);
}

InkBox inkBox(const Canvas& canvas)
{
    InkBox box{canvas.width(), canvas.height(), -1, -1};
    for (int y = 0; y < canvas.height(); ++y) {
        const uint32_t* row = canvas.row(y);
        for (int x = 0; x < canvas.width(); ++x) {
            if ((row[x] >> 24) > 8) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x + 1);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y + 1);
            }
        }
    }
    return box;
}
}

namespace Emoji {
Canvas render(const char* utf8, int size)
{
    const int origin = 40;
    Canvas probe(int(REFERENCE_SIZE * 1.5) + 2 * origin, int(REFERENCE_SIZE * 1.5) + 2 * origin);
    showGlyph(probe, utf8, REFERENCE_SIZE, origin, origin + REFERENCE_SIZE);
    InkBox box = inkBox(probe);
    if (box.right < 0)
        return Canvas(size, size);
    const double scale = double(size) / std::max(box.right - box.left, box.bottom - box.top);
    const int w = int(std::ceil((box.right - box.left) * scale));
    const int h = int(std::ceil((box.bottom - box.top) * scale));
    Canvas glyph(w, h);
    showGlyph(glyph, utf8, REFERENCE_SIZE * scale, (origin - box.left) * scale, (origin + REFERENCE_SIZE - box.top) * scale);
    return glyph;
}
}
