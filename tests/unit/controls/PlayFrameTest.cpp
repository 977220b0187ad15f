#include <gtest/gtest.h>

#include <set>

#include "controls/PlayFrame.h"

namespace {

TEST(PlayFrame, CounterDrawsOneLabelAndAtMostOneNumber)
{
    struct Case {
        int left, label, digit, x;
    } cases[] = {
        {224, 0, -1, 0}, {223, 0, 223, 440}, {100, 0, 100, 440}, {99, 1, -1, 0},
        {98, 1, 98, 436}, {10, 1, 10, 436}, {9, 2, -1, 0},   {8, 2, 8, 433},
        {2, 2, 2, 433},   {1, 3, -1, 0},    {0, 4, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.left);
        const CounterTiles tiles = GetCounterTiles(c.left);
        EXPECT_EQ(c.label, tiles.labelTile);
        EXPECT_EQ(c.digit, tiles.digitTile);
        if (c.digit >= 0) {
            EXPECT_EQ(c.x, tiles.digitAt.x);
            EXPECT_EQ(52, tiles.digitAt.y);
        }
    }
}

TEST(PlayFrame, DigitRowsRunFrom223DownSkipping99And9)
{
    EXPECT_EQ(0, CounterDigitTile(223).y);
    EXPECT_EQ(24 * 123, CounterDigitTile(100).y);
    EXPECT_EQ(24 * 124, CounterDigitTile(98).y);
    EXPECT_EQ(24 * 212, CounterDigitTile(10).y);
    EXPECT_EQ(24 * 213, CounterDigitTile(8).y);
    EXPECT_EQ(24 * 219, CounterDigitTile(2).y);
    std::set<int> rows;
    for (int n = 0; n <= 224; ++n) {
        const TileRect tile = CounterDigitTile(n);
        EXPECT_EQ(0, tile.x);
        EXPECT_EQ(30, tile.width);
        EXPECT_EQ(24, tile.height);
        if (n >= 2 && n <= 223 && n != 9 && n != 99)
            rows.insert(tile.y / 24);
        else
            EXPECT_EQ(0, tile.y) << "count " << n << " has no number image";
    }
    // 220 distinct rows: the whole picture, no gaps, no overlaps.
    EXPECT_EQ(220u, rows.size());
    EXPECT_EQ(219, *rows.rbegin());
}

TEST(PlayFrame, LayoutsOfTheFivePieces)
{
    const TileLayout* layouts = FrameLayouts();
    EXPECT_EQ("\\data004\\m0006.dat", layouts[FRAME_BARS].GetFileName());
    EXPECT_EQ("\\data004\\m0003.dat", layouts[FRAME_SIDES].GetFileName());
    EXPECT_EQ("\\data004\\b0017.dat", layouts[FRAME_PAGE_INDICATOR].GetFileName());
    EXPECT_EQ("\\data004\\b0020.dat", layouts[FRAME_COUNTER_DIGITS].GetFileName());
    EXPECT_EQ("\\data004\\b0019.dat", layouts[FRAME_COUNTER_LABEL].GetFileName());
    EXPECT_EQ(90, layouts[FRAME_BARS].GetTile(1).y);
    EXPECT_EQ(90, layouts[FRAME_SIDES].GetTile(1).x);

    const TileLayout& indicator = layouts[FRAME_PAGE_INDICATOR];
    ASSERT_EQ(26, indicator.GetTileCount());
    EXPECT_EQ(40, indicator.GetTile(0).y);
    EXPECT_EQ(80, indicator.GetTile(1).y);
    EXPECT_EQ(196, indicator.GetTile(1).width);
    EXPECT_EQ(0, indicator.GetTile(25).width);

    ASSERT_EQ(225, layouts[FRAME_COUNTER_DIGITS].GetTileCount());
    EXPECT_EQ(24 * 124, layouts[FRAME_COUNTER_DIGITS].GetTile(98).y);
    ASSERT_EQ(5, layouts[FRAME_COUNTER_LABEL].GetTileCount());
    EXPECT_EQ(96, layouts[FRAME_COUNTER_LABEL].GetTile(4).y);
    EXPECT_EQ(190, layouts[FRAME_COUNTER_LABEL].GetTile(4).width);
}

TEST(PlayFrame, BarsAndSidesSurroundThePage)
{
    EXPECT_EQ(678, FRAME_TILES[1].at.y);
    EXPECT_EQ(90, FRAME_TILES[2].at.y);
    EXPECT_EQ(934, FRAME_TILES[3].at.x);
    EXPECT_EQ(FRAME_SIDES, FRAME_TILES[3].piece);
    EXPECT_EQ(1, FRAME_TILES[3].tile);
}

} // namespace
