#include "Counter.h"

#include "Colour.h"
#include "Lettering.h"

#include <string>

namespace {
const int LABEL_X = 417;
const double NUMBER_SIZE = 14, WORD_SIZE = 12.5;
const uint32_t INK = 0x2E5E1E;

bool hasNumberTile(int count) { return count >= 2 && count <= 223 && count != 9 && count != 99; }

// Right edge of the number: fixed per digit count, so that a number tile drawn
// where the program draws it lines up with the label's own lettering.
double numberRight(int count)
{
    if (count >= 100)
        return 440 - LABEL_X + Counter::DIGITS_W;
    if (count >= 10)
        return 436 - LABEL_X + Counter::DIGITS_W;
    return 433 - LABEL_X + Counter::DIGITS_W;
}
}

namespace Counter {
int digitOffset(int count)
{
    if (!hasNumberTile(count))
        return -1;
    return int(numberRight(count)) - DIGITS_W;
}

int digitRow(int count)
{
    if (!hasNumberTile(count))
        return -1;
    int row = 223 - count;
    if (count < 99)
        --row;
    if (count < 9)
        --row;
    return row;
}

Canvas line(int count, const Canvas& background)
{
    Canvas c(LABEL_W, TILE_H);
    c.draw(background, 0, 0);
    cairo_t* cr = c.cr();
    c.roundedRect(0.5, 0.5, LABEL_W - 1, TILE_H - 1, 11.5);
    c.setColour(0xFFF8E1);
    cairo_fill_preserve(cr);
    c.setColour(Colour::darker(0x8BC34A, 0.2));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    const TextStyle number{NUMBER_SIZE, 0xD84315};
    const TextStyle words{WORD_SIZE, INK};
    if (count == 0) {
        Lettering::drawCentred(c, "No stickers left", LABEL_W / 2.0, TILE_H / 2.0, words);
        return c;
    }
    const double right = numberRight(count);
    Lettering::drawRightAligned(c, std::to_string(count), right, TILE_H / 2.0, number);
    Lettering::drawAt(c, count == 1 ? "sticker left" : "stickers left", right + 5, TILE_H / 2.0 + WORD_SIZE * 0.729 / 2, words);
    return c;
}

Canvas labels(const Canvas& background)
{
    const int shown[5] = {224, 99, 9, 1, 0};
    Canvas out(LABEL_W, 5 * TILE_H);
    for (int k = 0; k < 5; ++k)
        out.draw(line(shown[k], background), 0, k * TILE_H);
    return out;
}

Canvas digits(const Canvas& background)
{
    Canvas out(DIGITS_W, DIGIT_ROWS * TILE_H);
    for (int count = 223; count >= 2; --count) {
        if (!hasNumberTile(count))
            continue;
        Canvas whole = line(count, background);
        out.draw(whole.crop(digitOffset(count), 0, DIGITS_W, TILE_H), 0, digitRow(count) * TILE_H);
    }
    return out;
}
}
