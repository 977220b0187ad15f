#include "Canvas.h"

#include <utility>

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_))
{
}

Canvas::~Canvas() { release(); }

Canvas::Canvas(Canvas&& other) noexcept
    : width_(other.width_), height_(other.height_), surface_(other.surface_), cr_(other.cr_)
{
    other.surface_ = nullptr;
    other.cr_ = nullptr;
}

Canvas& Canvas::operator=(Canvas&& other) noexcept
{
    if (this != &other) {
        release();
        width_ = other.width_;
        height_ = other.height_;
        surface_ = std::exchange(other.surface_, nullptr);
        cr_ = std::exchange(other.cr_, nullptr);
    }
    return *this;
}

void Canvas::release()
{
    if (cr_)
        cairo_destroy(cr_);
    if (surface_)
        cairo_surface_destroy(surface_);
    cr_ = nullptr;
    surface_ = nullptr;
}

void Canvas::flushIfNeeded() const { cairo_surface_flush(surface_); }

uint32_t* Canvas::row(int y)
{
    flushIfNeeded();
    cairo_surface_mark_dirty(surface_);
    return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_));
}

const uint32_t* Canvas::row(int y) const
{
    flushIfNeeded();
    return reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_));
}

uint32_t Canvas::pixel(int x, int y) const { return row(y)[x]; }

void Canvas::setPixel(int x, int y, uint32_t argb) { row(y)[x] = argb; }

void Canvas::setColour(uint32_t rgb, double alpha)
{
    cairo_set_source_rgba(cr_, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0, alpha);
}

void Canvas::fill(uint32_t rgb)
{
    cairo_save(cr_);
    setColour(rgb);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

void Canvas::roundedRect(double x, double y, double w, double h, double r)
{
    const double pi = 3.14159265358979323846;
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, x + w - r, y + r, r, -pi / 2, 0);
    cairo_arc(cr_, x + w - r, y + h - r, r, 0, pi / 2);
    cairo_arc(cr_, x + r, y + h - r, r, pi / 2, pi);
    cairo_arc(cr_, x + r, y + r, r, pi, 3 * pi / 2);
    cairo_close_path(cr_);
}

void Canvas::verticalGradient(double y0, uint32_t top, double y1, uint32_t bottom)
{
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y0, 0, y1);
    auto stop = [pattern](double at, uint32_t rgb) {
        cairo_pattern_add_color_stop_rgb(pattern, at, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0);
    };
    stop(0, top);
    stop(1, bottom);
    cairo_set_source(cr_, pattern);
    cairo_pattern_destroy(pattern);
}

void Canvas::draw(const Canvas& other, double x, double y, double scale, double alpha)
{
    cairo_save(cr_);
    cairo_translate(cr_, x, y);
    cairo_scale(cr_, scale, scale);
    cairo_set_source_surface(cr_, other.surface_, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr_), scale == 1.0 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_paint_with_alpha(cr_, alpha);
    cairo_restore(cr_);
}

Canvas Canvas::crop(int x, int y, int w, int h) const
{
    Canvas part(w, h);
    cairo_set_source_surface(part.cr_, surface_, -x, -y);
    cairo_set_operator(part.cr_, CAIRO_OPERATOR_SOURCE);
    cairo_paint(part.cr_);
    return part;
}

bool Canvas::writePng(const std::string& path) const
{
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}
