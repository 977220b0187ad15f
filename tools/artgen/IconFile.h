// The program's icon (.ico, several sizes) and its arrow cursor (.cur), both
// 32-bit with an AND mask for systems that ignore alpha.
#pragma once

#include "Canvas.h"

#include <vector>

namespace IconFile {
struct Image {
    const Canvas* canvas;
    int hotspotX = 0, hotspotY = 0;
};
// type 1: icon, 2: cursor.
std::vector<unsigned char> write(int type, const std::vector<Image>& images);

Canvas icon(int size);
Canvas arrowCursor();
const int CURSOR_HOTSPOT = 1;
}
