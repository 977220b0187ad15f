#include "print/FitToPage.h"

#include <cstdint>

void FitPlaceToPage(int place[4], int horzRes, int vertRes)
{
    const int frameWidth = place[2];
    const int frameHeight = place[3];
    const int width = (horzRes * 3) / 4;
    // A frame without width has no aspect ratio to keep.
    const int height = frameWidth > 0
        ? static_cast<int>(static_cast<int32_t>(frameHeight * width) / frameWidth)
        : 0;
    place[0] = (horzRes - width) / 2;
    place[1] = (vertRes - height) / 2;
    place[2] = width;
    place[3] = height;
}
