#include <gtest/gtest.h>

#include <vector>

#include "print/FitToPage.h"

TEST(FitToPage, ThreeQuartersOfTheWidthCentredWithTheAspectKept)
{
    // Printable width and height, the frame's width and height, then the place.
    const std::vector<int> cases[] = {
        {4800, 3600, 644, 484, 600, 447, 3600, 2705},  // landscape
        {3600, 4800, 644, 484, 450, 1385, 2700, 2029}, // portrait
        {5, 5, 3, 2, 1, 1, 3, 2},                      // integers truncate towards zero
        {4800, 3600, 0, 588, 600, 1800, 3600, 0},      // an empty frame gets no height
    };
    for (const auto& c : cases) {
        int place[4] = {0, 0, c[2], c[3]};
        FitPlaceToPage(place, c[0], c[1]);
        EXPECT_EQ(std::vector<int>(c.begin() + 4, c.end()), std::vector<int>(place, place + 4)) << c[0] << " x " << c[1];
    }
}
