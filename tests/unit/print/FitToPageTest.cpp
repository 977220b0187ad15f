#include <gtest/gtest.h>

#include "print/FitToPage.h"

namespace {

struct Case {
    int horzRes, vertRes, frameWidth, frameHeight;
    int x, y, width, height;
};

TEST(FitToPage, ThreeQuartersOfTheWidthCentredWithTheAspectKept)
{
    const Case cases[] = {
        // landscape and portrait printable areas with a 640 x 480 buffer (644 x 484 framed)
        {4800, 3600, 644, 484, 600, 447, 3600, 2705},
        {3600, 4800, 644, 484, 450, 1385, 2700, 2029},
        // the real 844 x 588 page, framed 848 x 592, on an A4 landscape page at 300 dpi
        {3507, 2480, 848, 592, 438, 322, 2630, 1836},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.horzRes << " x " << c.vertRes);
        int place[4] = {0, 0, c.frameWidth, c.frameHeight};
        FitPlaceToPage(place, c.horzRes, c.vertRes);
        EXPECT_EQ(c.x, place[0]);
        EXPECT_EQ(c.y, place[1]);
        EXPECT_EQ(c.width, place[2]);
        EXPECT_EQ(c.height, place[3]);
    }
}

TEST(FitToPage, IntegerArithmeticTruncatesTowardsZero)
{
    // 5 * 3 / 4 truncates to 3, and (5 - 3) / 2 and (5 - 2) / 2 truncate to 1.
    int place[4] = {0, 0, 3, 2};
    FitPlaceToPage(place, 5, 5);
    EXPECT_EQ(1, place[0]);
    EXPECT_EQ(1, place[1]);
    EXPECT_EQ(3, place[2]);
    EXPECT_EQ(2, place[3]);
}

TEST(FitToPage, AnEmptyFrameGetsNoHeight)
{
    int place[4] = {0, 0, 0, 588};
    FitPlaceToPage(place, 4800, 3600);
    EXPECT_EQ(3600, place[2]);
    EXPECT_EQ(0, place[3]);
}

} // namespace
