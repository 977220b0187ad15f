// A cairo ARGB32 picture with the few drawing helpers every piece of art uses.
#pragma once

#include <cairo.h>
#include <cstdint>
#include <string>

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(Canvas&& other) noexcept;
    Canvas& operator=(Canvas&& other) noexcept;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }

    // Premultiplied 0xAARRGGBB, as cairo keeps it.
    uint32_t pixel(int x, int y) const;
    void setPixel(int x, int y, uint32_t argb);
    uint32_t* row(int y);
    const uint32_t* row(int y) const;

    void fill(uint32_t rgb);
    void setColour(uint32_t rgb, double alpha = 1.0);
    void roundedRect(double x, double y, double w, double h, double radius);
    void verticalGradient(double y0, uint32_t top, double y1, uint32_t bottom);
    // Draws `other` with its top-left at (x, y), scaled by `scale`.
    void draw(const Canvas& other, double x, double y, double scale = 1.0, double alpha = 1.0);
    Canvas crop(int x, int y, int w, int h) const;
    bool writePng(const std::string& path) const;

private:
    void flushIfNeeded() const;
    void release();

    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};
