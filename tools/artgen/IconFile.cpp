#include "IconFile.h"

#include "Colour.h"
#include "StickerArt.h"

#include <algorithm>

namespace {
void put(std::vector<unsigned char>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back((value >> (8 * i)) & 255);
}

std::vector<unsigned char> dib(const Canvas& c)
{
    const int w = c.width(), h = c.height();
    const int maskStride = ((w + 31) / 32) * 4;
    std::vector<unsigned char> out;
    put(out, 40, 4);
    put(out, w, 4);
    put(out, 2 * h, 4);
    put(out, 1, 2);
    put(out, 32, 2);
    put(out, 0, 4);
    put(out, uint32_t(w * h * 4 + maskStride * h), 4);
    out.insert(out.end(), 16, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const uint32_t p = c.pixel(x, y), a = p >> 24;
            for (int shift : {0, 8, 16}) {
                const uint32_t v = (p >> shift) & 255;
                out.push_back(static_cast<unsigned char>(a ? (v * 255 + a / 2) / a : 0));
            }
            out.push_back(static_cast<unsigned char>(a));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<unsigned char> row(maskStride, 0);
        for (int x = 0; x < w; ++x)
            if ((c.pixel(x, y) >> 24) < 128)
                row[x / 8] |= 0x80 >> (x % 8);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
}

namespace IconFile {
std::vector<unsigned char> write(int type, const std::vector<Image>& images)
{
    std::vector<unsigned char> out;
    put(out, 0, 2);
    put(out, type, 2);
    put(out, uint32_t(images.size()), 2);
    std::vector<std::vector<unsigned char>> bodies;
    uint32_t offset = 6 + 16 * uint32_t(images.size());
    for (const Image& image : images) {
        bodies.push_back(dib(*image.canvas));
        out.push_back(static_cast<unsigned char>(image.canvas->width() & 255));
        out.push_back(static_cast<unsigned char>(image.canvas->height() & 255));
        out.push_back(0);
        out.push_back(0);
        // Icons give planes and bit count here, cursors the hotspot.
        put(out, type == 1 ? 1 : image.hotspotX, 2);
        put(out, type == 1 ? 32 : image.hotspotY, 2);
        put(out, uint32_t(bodies.back().size()), 4);
        put(out, offset, 4);
        offset += uint32_t(bodies.back().size());
    }
    for (const auto& body : bodies)
        out.insert(out.end(), body.begin(), body.end());
    return out;
}

Canvas icon(int size)
{
    Canvas c(size, size);
    const double s = size / 32.0;
    c.roundedRect(1 * s, 1 * s, 30 * s, 30 * s, 7 * s);
    c.verticalGradient(0, 0xA8D672, size, 0x4E9A2E);
    cairo_fill_preserve(c.cr());
    c.setColour(0x2E5E1E);
    cairo_set_line_width(c.cr(), std::max(1.0, 1.5 * s));
    cairo_stroke(c.cr());
    Canvas leaf = StickerArt::softSticker("🌿", int(20 * s));
    c.draw(leaf, (size - leaf.width()) / 2.0, (size - leaf.height()) / 2.0);
    return c;
}

Canvas arrowCursor()
{
    Canvas c(32, 32);
    cairo_t* cr = c.cr();
    const double points[][2] = {{1, 1}, {1, 22}, {6, 17.5}, {10, 26.5}, {13.5, 25}, {9.5, 16}, {16, 16}};
    cairo_move_to(cr, points[0][0], points[0][1]);
    for (const auto& p : points)
        cairo_line_to(cr, p[0], p[1]);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    c.setColour(0xFFFDE7);
    cairo_fill_preserve(cr);
    c.setColour(0x1B5E20);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    return c;
}
}
