#include "DieCut.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
const float FAR = 1e12f;
const double SHADOW_THRESHOLD = 0.3;
const double SHADOW_STRENGTH = 0.35;
const uint32_t INK_ALPHA = 24;

// Squared distance transform of one line (Felzenszwalb and Huttenlocher).
void distanceLine(const float* f, float* d, int n, std::vector<int>& v, std::vector<float>& z)
{
    int k = 0;
    v[0] = 0;
    z[0] = -std::numeric_limits<float>::infinity();
    z[1] = std::numeric_limits<float>::infinity();
    for (int q = 1; q < n; ++q) {
        float s;
        while (true) {
            s = ((f[q] + float(q) * q) - (f[v[k]] + float(v[k]) * v[k])) / (2.0f * q - 2.0f * v[k]);
            if (s > z[k] || k == 0)
                break;
            --k;
        }
        if (s <= z[k]) {
            v[0] = q;
            z[0] = -std::numeric_limits<float>::infinity();
            z[1] = std::numeric_limits<float>::infinity();
            continue;
        }
        ++k;
        v[k] = q;
        z[k] = s;
        z[k + 1] = std::numeric_limits<float>::infinity();
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[k + 1] < q)
            ++k;
        const float dq = float(q - v[k]);
        d[q] = dq * dq + f[v[k]];
    }
}

void boxBlur(std::vector<float>& values, int width, int height, int radius)
{
    std::vector<float> line(std::max(width, height));
    const float scale = 1.0f / (2 * radius + 1);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float sum = 0;
            for (int i = std::max(0, x - radius); i <= std::min(width - 1, x + radius); ++i)
                sum += values[y * width + i];
            line[x] = sum * scale;
        }
        std::copy(line.begin(), line.begin() + width, values.begin() + y * width);
    }
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            float sum = 0;
            for (int i = std::max(0, y - radius); i <= std::min(height - 1, y + radius); ++i)
                sum += values[i * width + x];
            line[y] = sum * scale;
        }
        for (int y = 0; y < height; ++y)
            values[y * width + x] = line[y];
    }
}

uint32_t over(uint32_t top, uint32_t bottom)
{
    const uint32_t inverse = 255 - (top >> 24);
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const uint32_t t = (top >> shift) & 255;
        const uint32_t b = (bottom >> shift) & 255;
        out |= std::min<uint32_t>(255, t + (b * inverse + 127) / 255) << shift;
    }
    return out;
}

int margin(const DieCut::Style& style) { return style.border + style.shadowOffset + 2 * style.shadowBlur + 1; }

// Grey of the shadow for a blurred coverage s: from its edge grey where the
// shadow is cut off to its deep grey where it is full.
uint32_t shadowGrey(const DieCut::Style& style, double s)
{
    const double t = (s - SHADOW_THRESHOLD) / (1 - SHADOW_THRESHOLD);
    return uint32_t(std::lround(style.shadowEdgeGrey + (style.shadowDeepGrey - style.shadowEdgeGrey) * t));
}

uint32_t premultiplied(double alpha, uint32_t grey)
{
    const uint32_t a = uint32_t(std::lround(alpha * 255));
    const uint32_t g = uint32_t(std::lround(alpha * grey));
    return a << 24 | g << 16 | g << 8 | g;
}
}

namespace DieCut {

std::vector<float> distanceToSet(const std::vector<unsigned char>& set, int width, int height)
{
    std::vector<float> grid(size_t(width) * height);
    for (size_t i = 0; i < grid.size(); ++i)
        grid[i] = set[i] ? 0.0f : FAR;
    const int longest = std::max(width, height);
    std::vector<float> f(longest), d(longest), z(longest + 1);
    std::vector<int> v(longest);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y)
            f[y] = grid[y * width + x];
        distanceLine(f.data(), d.data(), height, v, z);
        for (int y = 0; y < height; ++y)
            grid[y * width + x] = d[y];
    }
    for (int y = 0; y < height; ++y) {
        distanceLine(&grid[y * width], d.data(), width, v, z);
        std::copy(d.begin(), d.begin() + width, grid.begin() + y * width);
    }
    return grid;
}

Canvas cut(const Canvas& art, const Style& style)
{
    const int m = margin(style);
    Canvas out(art.width() + 2 * m, art.height() + 2 * m);
    Canvas placed(out.width(), out.height());
    placed.draw(art, m, m);
    const int w = out.width(), h = out.height();

    // Even faint ink (glows, soft shadows in the glyph) gets the full border
    // round it, so no colour of the glyph reaches the cut edge.
    std::vector<unsigned char> inked(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            inked[y * w + x] = (placed.pixel(x, y) >> 24) >= INK_ALPHA;
    const std::vector<float> squared = distanceToSet(inked, w, h);

    std::vector<float> shape(size_t(w) * h), distance(size_t(w) * h);
    for (size_t i = 0; i < shape.size(); ++i) {
        distance[i] = std::sqrt(squared[i]);
        shape[i] = style.edge == Edge::Hard ? (distance[i] <= style.border ? 1.0f : 0.0f)
                                            : float(std::clamp(style.border + 0.5 - distance[i], 0.0, 1.0));
    }
    std::vector<float> shadow(size_t(w) * h, 0.0f);
    for (int y = style.shadowOffset; y < h; ++y)
        for (int x = style.shadowOffset; x < w; ++x)
            shadow[y * w + x] = shape[(y - style.shadowOffset) * w + x - style.shadowOffset];
    boxBlur(shadow, w, h, style.shadowBlur);
    boxBlur(shadow, w, h, style.shadowBlur);

    for (int y = 0; y < h; ++y) {
        uint32_t* row = out.row(y);
        for (int x = 0; x < w; ++x) {
            const size_t i = size_t(y) * w + x;
            const uint32_t glyph = placed.pixel(x, y);
            if (style.edge == Edge::Soft) {
                row[x] = over(glyph, over(premultiplied(shape[i], 255), premultiplied(SHADOW_STRENGTH * shadow[i], 0)));
            } else if (shape[i] >= 0.5f) {
                // The outermost pixel of the border is plain white: every pixel
                // next to the key is white or shadow grey.
                row[x] = distance[i] > style.border - 1 ? 0xFFFFFFFF : over(glyph, 0xFFFFFFFF);
            } else {
                row[x] = shadow[i] >= SHADOW_THRESHOLD ? premultiplied(1.0, shadowGrey(style, shadow[i])) : 0;
            }
        }
    }
    return out;
}
}
