#include "PlayFrame.h"

#include "Colour.h"
#include "Random.h"

#include <cmath>

namespace {
const double PI = 3.14159265358979323846;
const uint32_t MOSS_TOP = 0xA8D672;
const uint32_t MOSS_BOTTOM = 0x74B04A;
const int RIM_WIDTH = 5;

void leaf(Canvas& canvas, double x, double y, double length, double angle, uint32_t colour, double alpha)
{
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, length * 0.3, -length * 0.35, length * 0.75, -length * 0.3, length, 0);
    cairo_curve_to(cr, length * 0.75, length * 0.3, length * 0.3, length * 0.35, 0, 0);
    canvas.setColour(colour, alpha);
    cairo_fill(cr);
    cairo_move_to(cr, length * 0.08, 0);
    cairo_line_to(cr, length * 0.85, 0);
    canvas.setColour(Colour::darker(colour, 0.3), alpha);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void paintMoss(Canvas& canvas)
{
    canvas.verticalGradient(0, MOSS_TOP, ScreenLayout::SCREEN_H, MOSS_BOTTOM);
    cairo_paint(canvas.cr());
    Random random(4);
    for (int i = 0; i < 260; ++i) {
        const double x = random.uniform(0, ScreenLayout::SCREEN_W), y = random.uniform(0, ScreenLayout::SCREEN_H);
        const bool light = random.uniform(0, 1) < 0.5;
        leaf(canvas, x, y, random.uniform(10, 20), random.uniform(0, 2 * PI),
             light ? 0xE8F5C8 : 0x3F7F2A, light ? 0.22 : 0.16);
    }
}

void paintRim(Canvas& canvas)
{
    const Box& page = ScreenLayout::PAGE;
    cairo_t* cr = canvas.cr();
    canvas.roundedRect(page.x - RIM_WIDTH - 3, page.y - RIM_WIDTH - 3, page.w + 2 * (RIM_WIDTH + 3),
                       page.h + 2 * (RIM_WIDTH + 3), 14);
    canvas.setColour(0xF4FBE6, 0.8);
    cairo_fill(cr);
    canvas.roundedRect(page.x - RIM_WIDTH, page.y - RIM_WIDTH, page.w + 2 * RIM_WIDTH, page.h + 2 * RIM_WIDTH, 12);
    canvas.setColour(PlayFrame::RIM);
    cairo_fill(cr);
}

// The wells the tray buttons sit in, so the tray reads as one shelf.
void paintTrayWells(Canvas& canvas)
{
    for (int n = 0; n < 28; ++n) {
        const Box b = ScreenLayout::trayButton(n);
        canvas.roundedRect(b.x - 1, b.y - 1, b.w + 2, b.h + 2, 12);
        canvas.setColour(0x3F7F2A, 0.25);
        cairo_fill(canvas.cr());
    }
}
}

PlayFrame::PlayFrame() : screen_(ScreenLayout::SCREEN_W, ScreenLayout::SCREEN_H)
{
    paintMoss(screen_);
    paintRim(screen_);
    paintTrayWells(screen_);
}

Canvas PlayFrame::bars() const
{
    const int bar = ScreenLayout::BAR;
    Canvas out(ScreenLayout::SCREEN_W, 2 * bar);
    out.draw(screen_.crop(0, 0, ScreenLayout::SCREEN_W, bar), 0, 0);
    out.draw(screen_.crop(0, ScreenLayout::SCREEN_H - bar, ScreenLayout::SCREEN_W, bar), 0, bar);
    return out;
}

Canvas PlayFrame::sides() const
{
    const int bar = ScreenLayout::BAR;
    const Box& page = ScreenLayout::PAGE;
    Canvas out(2 * bar, page.h);
    out.draw(screen_.crop(0, page.y, bar, page.h), 0, 0);
    out.draw(screen_.crop(page.x + page.w, page.y, bar, page.h), bar, 0);
    return out;
}

Canvas PlayFrame::corners()
{
    const int c = ScreenLayout::CORNER;
    Canvas strip(4 * c, c);
    for (int cell = 0; cell < 4; ++cell) {
        // Cell 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right.
        const double cx = cell % 2 == 0 ? c : 0, cy = cell < 2 ? c : 0;
        for (int y = 0; y < c; ++y) {
            for (int x = 0; x < c; ++x) {
                const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
                if (std::sqrt(dx * dx + dy * dy) > c)
                    strip.setPixel(cell * c + x, y, 0xFF000000 | RIM);
            }
        }
    }
    return strip;
}
