#include "ButtonFace.h"

#include "Colour.h"
#include "Emoji.h"
#include "Lettering.h"

namespace {
const int INSET = 3;
const int PRESS = 2;

void body(Canvas& canvas, const FaceDesign& d, bool down)
{
    cairo_t* cr = canvas.cr();
    const double x = INSET, w = canvas.width() - 2 * INSET, h = canvas.height() - 2 * INSET - PRESS;
    const double y = INSET + (down ? PRESS : 0);
    if (!down) {
        canvas.roundedRect(x + 1, y + PRESS + 1, w, h, d.radius);
        canvas.setColour(0x1B3A10, 0.35);
        cairo_fill(cr);
    }
    const uint32_t base = down ? Colour::darker(d.colour, 0.18) : d.colour;
    canvas.roundedRect(x, y, w, h, d.radius);
    canvas.verticalGradient(y, Colour::lighter(base, 0.45), y + h, base);
    cairo_fill_preserve(cr);
    canvas.setColour(Colour::darker(base, 0.4));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    canvas.roundedRect(x + 4, y + 3, w - 8, h * 0.42, d.radius * 0.7);
    canvas.setColour(0xFFFFFF, down ? 0.12 : 0.3);
    cairo_fill(cr);
}

void arrow(Canvas& canvas, int direction, double cx, double cy, double size)
{
    cairo_t* cr = canvas.cr();
    const double half = size / 2;
    cairo_move_to(cr, cx + direction * half, cy);
    cairo_line_to(cr, cx - direction * half * 0.7, cy - half);
    cairo_line_to(cr, cx - direction * half * 0.7, cy + half);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    canvas.setColour(0x5A3A00);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    canvas.setColour(0xFFFFFF);
    cairo_fill(cr);
}

void content(Canvas& canvas, const FaceDesign& d, bool down)
{
    const double cy = INSET + (canvas.height() - 2 * INSET - PRESS) / 2.0 + (down ? PRESS : 0);
    const double gap = d.emoji && !d.label.empty() ? 6 : 0;
    Canvas icon = d.emoji ? Emoji::render(d.emoji, d.emojiSize) : Canvas(0, 0);
    const double labelW = d.label.empty() ? 0 : Lettering::width(canvas, d.label, d.labelSize);
    const double total = (d.emoji ? icon.width() : 0) + gap + labelW;
    double x = (canvas.width() - total) / 2;
    if (d.emoji) {
        canvas.draw(icon, x, cy - icon.height() / 2.0);
        x += icon.width() + gap;
    }
    if (!d.label.empty())
        Lettering::drawAt(canvas, d.label, x, cy + d.labelSize * 0.729 / 2,
                          {d.labelSize, 0xFFFFFF, Colour::darker(d.colour, 0.5), 2.2});
    if (d.arrow)
        arrow(canvas, d.arrow, canvas.width() / 2.0, cy, canvas.height() * 0.5);
}
}

namespace ButtonFace {
FaceDesign word(uint32_t colour, const char* label)
{
    FaceDesign d(colour);
    d.label = label;
    d.labelSize = 24;
    d.radius = 20;
    return d;
}

Canvas face(const Canvas& background, const FaceDesign& design, bool down)
{
    Canvas out(background.width(), background.height());
    out.draw(background, 0, 0);
    body(out, design, down);
    content(out, design, down);
    return out;
}

Canvas upOverDown(const Canvas& background, const FaceDesign& design)
{
    Canvas out(background.width(), 2 * background.height());
    out.draw(face(background, design, false), 0, 0);
    out.draw(face(background, design, true), 0, background.height());
    return out;
}
}
