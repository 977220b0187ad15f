// Cuts a picture out like a die-cut sticker: a white border that follows its
// outline and a soft shadow to the lower right.
#pragma once

#include "Canvas.h"

#include <vector>

namespace DieCut {
enum class Edge {
    // Every pixel fully opaque or fully clear, for pictures keyed on magenta.
    Hard,
    // Anti-aliased, for stickers drawn onto an opaque face.
    Soft,
};

struct Style {
    int border;
    int shadowOffset;
    int shadowBlur;
    Edge edge;
    // Hard edges only: the grey of the shadow's outer edge and of its
    // deepest part, chosen for the page the sticker sits on.
    int shadowEdgeGrey = 176;
    int shadowDeepGrey = 110;
};

// The cut sticker, with room round the art for its border and shadow.
Canvas cut(const Canvas& art, const Style& style);

// Pixels whose squared distance to the nearest set pixel is computed exactly
// (two one-dimensional passes).
std::vector<float> distanceToSet(const std::vector<unsigned char>& set, int width, int height);
}
