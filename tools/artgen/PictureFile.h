// Writes a picture as a 24-bit Windows bitmap: "Y5" for the data folder,
// "BM" for the resources. Clear pixels become the key colour magenta.
#pragma once

#include "Canvas.h"

#include <string>

namespace PictureFile {
const uint32_t KEY = 0xFF00FF;
// What an opaque magenta pixel becomes, so the key marks only clear pixels.
const uint32_t NEAR_KEY = 0xFE00FF;

bool write(const std::string& path, const Canvas& canvas, const char magic[2]);
// Opaque colour 0xRRGGBB of a canvas pixel as written.
uint32_t colourOf(uint32_t argb);
}
