#include <gtest/gtest.h>

#include <cstdint>

#include "controls/ButtonHitTest.h"

namespace {

uint32_t Point(int x, int y)
{
    return (static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16) |
           static_cast<uint16_t>(x);
}

TEST(ButtonHitTest, FarEdgesAreInsideAndOneBeyondIsOutside)
{
    EXPECT_TRUE(IsInsideButton(Point(0, 0), STICKER_BUTTON_MAX_X, STICKER_BUTTON_MAX_Y));
    EXPECT_TRUE(IsInsideButton(Point(60, 60), STICKER_BUTTON_MAX_X, STICKER_BUTTON_MAX_Y));
    EXPECT_FALSE(IsInsideButton(Point(61, 30), STICKER_BUTTON_MAX_X, STICKER_BUTTON_MAX_Y));
    EXPECT_FALSE(IsInsideButton(Point(30, 61), STICKER_BUTTON_MAX_X, STICKER_BUTTON_MAX_Y));
    // A tab is taller than a sticker button.
    EXPECT_TRUE(IsInsideButton(Point(60, 65), PAGE_TAB_MAX_X, PAGE_TAB_MAX_Y));
    EXPECT_FALSE(IsInsideButton(Point(60, 66), PAGE_TAB_MAX_X, PAGE_TAB_MAX_Y));
}

TEST(ButtonHitTest, NegativeCoordinatesOfCapturedMovesAreOutside)
{
    EXPECT_FALSE(IsInsideButton(Point(-1, 10), STICKER_BUTTON_MAX_X, STICKER_BUTTON_MAX_Y));
    EXPECT_FALSE(IsInsideButton(Point(10, -1), STICKER_BUTTON_MAX_X, STICKER_BUTTON_MAX_Y));
    EXPECT_FALSE(IsInsideButton(Point(-32768, -32768), PAGE_TAB_MAX_X, PAGE_TAB_MAX_Y));
}

} // namespace
