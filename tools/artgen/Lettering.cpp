#include "Lettering.h"

#include "Fonts.h"

namespace {
void useFont(cairo_t* cr, double size)
{
    cairo_set_font_face(cr, Fonts::lettering());
    cairo_set_font_size(cr, size);
}

// Capital height of the lettering face, so lines centre on what the eye sees.
double capHeight(double size) { return size * 0.729; }
}

namespace Lettering {
double width(const Canvas& canvas, const std::string& text, double size)
{
    cairo_save(canvas.cr());
    useFont(canvas.cr(), size);
    cairo_text_extents_t extents;
    cairo_text_extents(canvas.cr(), text.c_str(), &extents);
    cairo_restore(canvas.cr());
    return extents.x_advance;
}

void drawAt(Canvas& canvas, const std::string& text, double x, double baseline, const TextStyle& style)
{
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    useFont(cr, style.size);
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, text.c_str());
    if (style.outlineWidth > 0) {
        canvas.setColour(style.outline);
        cairo_set_line_width(cr, style.outlineWidth * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    canvas.setColour(style.fill);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawCentred(Canvas& canvas, const std::string& text, double cx, double cy, const TextStyle& style)
{
    drawAt(canvas, text, cx - width(canvas, text, style.size) / 2, cy + capHeight(style.size) / 2, style);
}

void drawRightAligned(Canvas& canvas, const std::string& text, double right, double cy, const TextStyle& style)
{
    drawAt(canvas, text, right - width(canvas, text, style.size), cy + capHeight(style.size) / 2, style);
}
}
