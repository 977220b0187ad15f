#include "PageScene.h"

#include "Colour.h"
#include "Random.h"
#include "sticker/PlaceTable.h"

#include <algorithm>
#include <cmath>

namespace {
const double PI = 3.14159265358979323846;

void hill(Canvas& page, double baseY, double amplitude, double phase, double waves, uint32_t top, uint32_t bottom)
{
    cairo_t* cr = page.cr();
    cairo_move_to(cr, 0, PageScene::H);
    for (int x = 0; x <= PageScene::W; x += 4)
        cairo_line_to(cr, x, baseY - amplitude * std::sin(phase + waves * 2 * PI * x / PageScene::W));
    cairo_line_to(cr, PageScene::W, PageScene::H);
    cairo_close_path(cr);
    page.verticalGradient(baseY - amplitude, top, PageScene::H, bottom);
    cairo_fill(cr);
}

void dot(Canvas& page, double x, double y, double r, uint32_t colour, double alpha)
{
    cairo_arc(page.cr(), x, y, r, 0, 2 * PI);
    page.setColour(colour, alpha);
    cairo_fill(page.cr());
}

void pine(Canvas& page, double x, double baseY, double height, uint32_t colour)
{
    cairo_t* cr = page.cr();
    for (int tier = 0; tier < 3; ++tier) {
        const double top = baseY - height + tier * height * 0.25;
        const double half = height * (0.2 + tier * 0.08);
        cairo_move_to(cr, x, top);
        cairo_line_to(cr, x + half, top + height * 0.42);
        cairo_line_to(cr, x - half, top + height * 0.42);
        cairo_close_path(cr);
    }
    page.setColour(colour);
    cairo_fill(cr);
}

void reed(Canvas& page, double x, double baseY, double height)
{
    cairo_t* cr = page.cr();
    cairo_move_to(cr, x, baseY);
    cairo_curve_to(cr, x - 2, baseY - height * 0.5, x + 3, baseY - height * 0.8, x + 1, baseY - height);
    page.setColour(0x4E7D2A);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    page.roundedRect(x - 2, baseY - height * 0.95, 5, height * 0.3, 2.5);
    page.setColour(0x7B4A25);
    cairo_fill(cr);
}

void flower(Canvas& page, double x, double y, uint32_t petals)
{
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * PI / 5;
        dot(page, x + 3 * std::cos(a), y + 3 * std::sin(a), 2.4, petals, 1);
    }
    dot(page, x, y, 1.8, 0xFFD54F, 1);
}

// A path that widens as it comes nearer, as a chain of discs along a curve.
void path(Canvas& page, const double (&points)[4][2], double nearWidth, uint32_t colour)
{
    for (int i = 0; i <= 200; ++i) {
        const double t = i / 200.0, u = 1 - t;
        const double b[4] = {u * u * u, 3 * u * u * t, 3 * u * t * t, t * t * t};
        double x = 0, y = 0;
        for (int k = 0; k < 4; ++k)
            x += b[k] * points[k][0], y += b[k] * points[k][1];
        dot(page, x, y, 3 + nearWidth * t * t, colour, 1);
    }
}

void cabin(Canvas& page, double x, double baseY)
{
    cairo_t* cr = page.cr();
    const double w = 64, h = 40;
    cairo_arc(cr, x + w * 0.35, baseY - h * 0.45, 34, 0, 2 * PI);
    page.setColour(0xFFC107, 0.1);
    cairo_fill(cr);
    page.roundedRect(x + w * 0.7, baseY - h - 30, 10, 24, 2);
    page.setColour(0x4E342E);
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i)
        dot(page, x + w * 0.75 + 6 + i * 7, baseY - h - 38 - i * 9, 4 + i * 1.5, 0xFFFFFF, 0.45 - i * 0.1);
    cairo_rectangle(cr, x, baseY - h, w, h);
    page.setColour(0x6D4C41);
    cairo_fill(cr);
    cairo_move_to(cr, x - 8, baseY - h + 2);
    cairo_line_to(cr, x + w / 2, baseY - h - 28);
    cairo_line_to(cr, x + w + 8, baseY - h + 2);
    cairo_close_path(cr);
    page.setColour(0xF4F8FF);
    cairo_fill(cr);
    page.roundedRect(x + 10, baseY - h + 10, 16, 14, 2);
    page.setColour(0xFFD54F);
    cairo_fill(cr);
    page.roundedRect(x + 38, baseY - h + 14, 14, h - 14, 2);
    page.setColour(0x3E2723);
    cairo_fill(cr);
}

void puff(Canvas& page, double x, double y, double scale)
{
    cairo_t* cr = page.cr();
    const double parts[][3] = {{-30, 0, 16}, {-10, -10, 22}, {16, -6, 18}, {34, 2, 13}};
    for (const auto& p : parts) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + p[0] * scale, y + p[1] * scale, p[2] * scale, 0, 2 * PI);
    }
    page.roundedRect(x - 44 * scale, y - 4 * scale, 90 * scale, 18 * scale, 9 * scale);
    page.setColour(0xFFFFFF, 0.85);
    cairo_fill(cr);
}

// Faint white silhouette with a soft rim, where a sticker belongs.
void outline(Canvas& page, const Canvas& sticker, int left, int top, bool darkPage)
{
    const int w = sticker.width(), h = sticker.height();
    auto inside = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && (sticker.pixel(x, y) >> 24) != 0; };
    const uint32_t rim = darkPage ? 0xFFFFFF : 0x5D4037;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int px = left + x, py = top + y;
            if (!inside(x, y) || px < 0 || py < 0 || px >= PageScene::W || py >= PageScene::H)
                continue;
            int edge = 3;
            for (int r = 1; r <= 2 && edge == 3; ++r)
                if (!inside(x - r, y) || !inside(x + r, y) || !inside(x, y - r) || !inside(x, y + r))
                    edge = r;
            const uint32_t under = page.pixel(px, py) & 0xFFFFFF;
            const uint32_t glow = Colour::mix(under, 0xFFFFFF, darkPage ? 0.16 : 0.3);
            const uint32_t colour = edge == 1 ? Colour::mix(under, rim, darkPage ? 0.55 : 0.45)
                                  : edge == 2 ? Colour::mix(under, 0xFFFFFF, 0.5)
                                              : glow;
            page.setPixel(px, py, 0xFF000000 | colour);
        }
    }
}
}

namespace PageScene {
void paintSunnyLake(Canvas& page)
{
    cairo_t* cr = page.cr();
    page.verticalGradient(0, 0x6EC6FF, 320, 0xDFF4FF);
    cairo_paint(cr);
    hill(page, 300, 22, 0.6, 1.6, 0xA5D6A7, 0x81C784);
    // The rise the house stands on.
    cairo_save(cr);
    cairo_translate(cr, 450, 306);
    cairo_scale(cr, 120, 36);
    cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
    cairo_restore(cr);
    page.verticalGradient(270, 0x9CD56A, 340, 0x7CBF4A);
    cairo_fill(cr);
    hill(page, 322, 30, 2.4, 1.1, 0x8BCB5A, 0x5FA83A);
    // The lake, with the sailboat and the duck on it.
    cairo_save(cr);
    cairo_translate(cr, 300, 452);
    cairo_scale(cr, 275, 112);
    cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
    cairo_restore(cr);
    page.verticalGradient(340, 0x4FC3F7, 564, 0x1E88E5);
    cairo_fill_preserve(cr);
    page.setColour(0xCDE8A0);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    Random random(2);
    for (int i = 0; i < 26; ++i) {
        const double x = random.uniform(80, 500), y = random.uniform(380, 540);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 6, y - 3, x + 12, y - 3, x + 18, y);
        page.setColour(0xFFFFFF, 0.45);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
    const double track[4][2] = {{446, 282}, {560, 320}, {800, 380}, {830, 600}};
    path(page, track, 26, 0xE6D3A3);
    for (int i = 0; i < 9; ++i)
        reed(page, 548 + i * 7 + random.uniform(-2, 2), 470 + i * 3, random.uniform(34, 56));
    for (int i = 0; i < 60; ++i) {
        const double x = random.uniform(0, W), y = random.uniform(330, H);
        const double dx = (x - 300) / 285, dy = (y - 452) / 122;
        if (dx * dx + dy * dy > 1)
            flower(page, x, y, i % 3 == 0 ? 0xFFFFFF : i % 3 == 1 ? 0xF48FB1 : 0xFFF176);
    }
    // Small far-off clouds where no sticker goes.
    const double clouds[][3] = {{600, 150, 1.0}, {735, 95, 0.8}, {690, 215, 0.65}};
    for (const auto& cloud : clouds)
        puff(page, cloud[0], cloud[1], cloud[2]);
}

void paintSnowyNight(Canvas& page)
{
    cairo_t* cr = page.cr();
    page.verticalGradient(0, 0x0D1B4A, 430, 0x3E4C8C);
    cairo_paint(cr);
    Random random(1);
    for (int i = 0; i < 140; ++i)
        dot(page, random.uniform(0, W), random.uniform(0, 380), random.uniform(0.6, 1.6), 0xFFFFE0, random.uniform(0.4, 0.9));
    hill(page, 400, 26, 1.0, 1.3, 0x9FB3D9, 0x7D92C4);
    for (int i = 0; i < 14; ++i) {
        const double x = 330 + i * 26 + random.uniform(-6, 6);
        pine(page, x, 412 - 18 * std::sin(1.0 + 1.3 * 2 * PI * x / W) + 8, random.uniform(34, 52), 0x2C4A6E);
    }
    cabin(page, 560, 440);
    hill(page, 466, 20, 3.6, 0.9, 0xF4F8FF, 0xC9D6EE);
    for (int i = 0; i < 90; ++i)
        dot(page, random.uniform(0, W), random.uniform(0, H), random.uniform(1.2, 2.6), 0xFFFFFF, 0.75);
    cairo_move_to(cr, 180, H);
    cairo_curve_to(cr, 240, 520, 330, 500, 420, 470);
    page.setColour(0xFFFFFF, 0.6);
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
}

Canvas scene(int pageNumber)
{
    Canvas page(W, H);
    if (pageNumber == 1)
        paintSnowyNight(page);
    else
        paintSunnyLake(page);
    return page;
}

Canvas make(int pageNumber, const StickerArt& art)
{
    Canvas page = scene(pageNumber);
    const bool night = pageNumber == 1;
    for (int i = 0; i < NUMBEROFSTICKERGRAPHICS; ++i) {
        if (STICKER_PLACES[i].page == pageNumber)
            outline(page, art.sticker(i), STICKER_PLACES[i].x, STICKER_PLACES[i].y, night);
    }
    return page;
}
}
