// Faces of the push buttons: a glossy rounded body with an emoji, a word or
// an arrow, painted on the background the button sits on.
#pragma once

#include "Canvas.h"

#include <string>

struct FaceDesign {
    explicit FaceDesign(uint32_t c) : colour(c) {}
    uint32_t colour;
    const char* emoji = nullptr;
    int emojiSize = 0;
    std::string label;
    double labelSize = 0;
    // -1 points left, 1 points right, 0 none.
    int arrow = 0;
    double radius = 14;
};

namespace ButtonFace {
// A big rounded button with one word on it.
FaceDesign word(uint32_t colour, const char* label);
Canvas face(const Canvas& background, const FaceDesign& design, bool down);
// Up face above down face.
Canvas upOverDown(const Canvas& background, const FaceDesign& design);
}
