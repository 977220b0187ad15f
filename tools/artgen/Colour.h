// 0xRRGGBB colour arithmetic.
#pragma once

#include <cmath>
#include <cstdint>

namespace Colour {
inline uint32_t mix(uint32_t a, uint32_t b, double t)
{
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const double ca = (a >> shift) & 255, cb = (b >> shift) & 255;
        out |= uint32_t(std::lround(ca + (cb - ca) * t)) << shift;
    }
    return out;
}
inline uint32_t lighter(uint32_t c, double t) { return mix(c, 0xFFFFFF, t); }
inline uint32_t darker(uint32_t c, double t) { return mix(c, 0x000000, t); }
}
