// The program's counter rule on the painted pictures: a label tile, and for
// most counts a number tile over it, must read as one line "N stickers left".
#include "ArtFolder.h"

#include "Counter.h"
#include "PictureFile.h"
#include "PlayFrame.h"
#include "controls/PlayFrame.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Counter, EveryCountFrom0To224ReadsAsItsOwnNumber)
{
    const ArtPicture labels("data004/b0019.dat"), digits("data004/b0020.dat");
    ASSERT_EQ(120, labels.GetHeight());
    ASSERT_EQ(5280, digits.GetHeight());
    const Canvas background = PlayFrame().background(ScreenLayout::COUNTER);
    std::vector<std::vector<uint32_t>> painted(225);
    for (int count = 0; count < 225; ++count) {
        // What the program draws at the counter's place for the count, by its own rule.
        const CounterTiles tiles = GetCounterTiles(count);
        const int digitX = tiles.digitAt.x - COUNTER_LABEL_POINT.x;
        const Canvas line = Counter::line(count, background);
        int wrong = 0, firstX = -1, firstY = -1;
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 190; ++x) {
                const uint32_t shown = tiles.digitTile >= 0 && x >= digitX && x < digitX + 30
                                           ? digits.at(x - digitX, CounterDigitTile(count).y + y)
                                           : labels.at(x, tiles.labelTile * 24 + y);
                painted[count].push_back(PictureFile::colourOf(line.pixel(x, y)));
                if (painted[count].back() != shown && wrong++ == 0)
                    firstX = x, firstY = y;
            }
        }
        EXPECT_EQ(0, wrong) << "count " << count << ": first wrong pixel at (" << firstX << ", " << firstY << ")";
    }
    EXPECT_NE(painted[42], painted[43]);
    EXPECT_NE(painted[142], painted[143]);
}
