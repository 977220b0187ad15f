#include <gtest/gtest.h>

#include <vector>

#include "print/FitToPage.h"

namespace {

TEST(FitToPage, ThreeQuartersOfTheWidthCentredWithTheAspectKept)
{
    const struct {
        int horzRes, vertRes, frameWidth, frameHeight;
        int x, y, width, height;
    } cases[] = {
        // Landscape and portrait printable areas with a framed 644 x 484 buffer.
        {4800, 3600, 644, 484, 600, 447, 3600, 2705},
        {3600, 4800, 644, 484, 450, 1385, 2700, 2029},
        // The framed 848 x 592 page on A4 landscape at 300 dpi.
        {3507, 2480, 848, 592, 438, 322, 2630, 1836},
        // Integer arithmetic truncates towards zero; an empty frame gets no height.
        {5, 5, 3, 2, 1, 1, 3, 2},
        {4800, 3600, 0, 588, 600, 1800, 3600, 0},
    };
    for (const auto& c : cases) {
        int place[4] = {0, 0, c.frameWidth, c.frameHeight};
        FitPlaceToPage(place, c.horzRes, c.vertRes);
        EXPECT_EQ((std::vector<int>{c.x, c.y, c.width, c.height}), std::vector<int>(place, place + 4))
            << c.horzRes << " x " << c.vertRes;
    }
}

} // namespace
