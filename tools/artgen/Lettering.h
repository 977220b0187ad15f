// Rounded, outlined lettering in DejaVu Sans Bold.
#pragma once

#include "Canvas.h"

#include <string>

struct TextStyle {
    double size;
    uint32_t fill;
    uint32_t outline = 0;
    double outlineWidth = 0;
};

namespace Lettering {
double width(const Canvas& canvas, const std::string& text, double size);
// Draws text whose baseline starts at (x, baseline).
void drawAt(Canvas& canvas, const std::string& text, double x, double baseline, const TextStyle& style);
// Centres the text horizontally on cx, its capital height vertically on cy.
void drawCentred(Canvas& canvas, const std::string& text, double cx, double cy, const TextStyle& style);
void drawRightAligned(Canvas& canvas, const std::string& text, double right, double cy, const TextStyle& style);
}
