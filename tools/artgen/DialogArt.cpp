#include "DialogArt.h"

#include "ButtonFace.h"
#include "Colour.h"
#include "Lettering.h"
#include "ScreenLayout.h"
#include "StickerArt.h"
#include "StickerBook.h"

#include <string>
#include <vector>

namespace {
const int SIZE = ScreenLayout::DIALOG;
const uint32_t FRAME = 0x2E7D32;
const uint32_t PAPER = 0xFFFBEA;
const uint32_t INK = 0x3E2723;

// A square card in a leafy frame; the lower band, where the buttons sit, is
// plain paper in every dialog so that the shared OK faces match each one.
Canvas card(const char* emoji)
{
    Canvas c(SIZE, SIZE);
    c.fill(FRAME);
    cairo_t* cr = c.cr();
    c.roundedRect(10, 10, SIZE - 20, SIZE - 20, 22);
    c.setColour(PAPER);
    cairo_fill_preserve(cr);
    c.setColour(0xA5D6A7);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    Canvas badge = StickerArt::softSticker(emoji, 62);
    c.draw(badge, SIZE / 2.0 - badge.width() / 2.0, 22);
    return c;
}

void lines(Canvas& c, const std::vector<std::string>& text, double firstY, double size, double gap)
{
    for (size_t i = 0; i < text.size(); ++i)
        Lettering::drawCentred(c, text[i], SIZE / 2.0, firstY + i * gap, {size, INK});
}

void heading(Canvas& c, const std::string& text, double y)
{
    Lettering::drawCentred(c, text, SIZE / 2.0, y, {28, 0x43A047, 0x1B5E20, 3});
}

DialogArt::ButtonPair pair(const Canvas& background, const Box& box, const FaceDesign& design)
{
    Canvas under = background.crop(box.x, box.y, box.w, box.h);
    return {ButtonFace::face(under, design, false), ButtonFace::face(under, design, true)};
}

}

namespace DialogArt {
Canvas about()
{
    Canvas c = card("🌿");
    heading(c, "Mossleaf 4", 118);
    lines(c, {"A sticker book.", "Pick a sticker from the tray,", "then click where it belongs", "on the page. Turn the page", "with the arrows."}, 158, 15, 22);
    return c;
}

Canvas clearAll()
{
    Canvas c = card("🧹");
    heading(c, "Clear all?", 122);
    lines(c, {"Take every sticker off", "both pages and", "start again?"}, 172, 18, 28);
    return c;
}

Canvas newSticker()
{
    Canvas c = card("👆");
    heading(c, "Your sticker!", 118);
    lines(c, {"Move it over the page and", "click where it belongs.", "Look for its faint outline.", "Somewhere else, it flies away."}, 162, 15, 24);
    return c;
}

Canvas ending()
{
    const int w = ScreenLayout::SCREEN_W, h = ScreenLayout::SCREEN_H;
    Canvas c(w, h);
    c.verticalGradient(0, 0xBFE6A8, h, 0x7CB342);
    cairo_paint(c.cr());
    // A ring of friends from every group round the goodbye card, each stuck
    // on at a slight slant.
    struct Friend {
        const char* emoji;
        double x, y, turn;
    };
    const Friend friends[] = {
        {"🐸", 90, 110, -0.12}, {"🌈", 240, 95, 0.08}, {"🐄", 390, 115, -0.05}, {"🐠", 540, 95, 0.1},
        {"🦁", 690, 112, -0.08}, {"🚗", 840, 100, 0.06}, {"🦋", 90, 340, 0.1}, {"🧸", 935, 330, -0.1},
        {"🍓", 90, 560, -0.06}, {"🌻", 240, 590, 0.09}, {"🐢", 380, 570, -0.1}, {"🚂", 650, 575, 0.07},
        {"🐧", 790, 590, -0.08}, {"🎈", 935, 560, 0.12},
    };
    for (const Friend& f : friends) {
        Canvas s = StickerArt::softSticker(f.emoji, 84);
        cairo_save(c.cr());
        cairo_translate(c.cr(), f.x, f.y);
        cairo_rotate(c.cr(), f.turn);
        cairo_set_source_surface(c.cr(), s.surface(), -s.width() / 2.0, -s.height() / 2.0);
        cairo_paint(c.cr());
        cairo_restore(c.cr());
    }
    c.roundedRect(212, 250, 600, 220, 40);
    c.setColour(PAPER, 0.94);
    cairo_fill_preserve(c.cr());
    c.setColour(FRAME);
    cairo_set_line_width(c.cr(), 6);
    cairo_stroke(c.cr());
    Lettering::drawCentred(c, "Goodbye!", w / 2.0, 325, {72, 0xFFB300, 0x6D4C00, 5});
    Lettering::drawCentred(c, "Your stickers stay in the book.", w / 2.0, 400, {26, INK});
    Lettering::drawCentred(c, "See you soon!", w / 2.0, 440, {26, INK});
    const Box& q = ScreenLayout::QUIT_BUTTON;
    c.roundedRect(q.x - 16, q.y - 10, q.w + 32, q.h + 20, 26);
    c.setColour(PAPER, 0.9);
    cairo_fill(c.cr());
    return c;
}

ButtonPair yesButton(const Canvas& background) { return pair(background, ScreenLayout::YES, ButtonFace::word(0x43A047, "Yes")); }
ButtonPair noButton(const Canvas& background) { return pair(background, ScreenLayout::NO, ButtonFace::word(0xE53935, "No")); }
ButtonPair okButton(const Canvas& background) { return pair(background, ScreenLayout::OK, ButtonFace::word(0x1E88E5, "OK")); }
ButtonPair quitButton(const Canvas& background) { return pair(background, ScreenLayout::QUIT_BUTTON, ButtonFace::word(0xF57C00, "Bye!")); }
}
