// The program's counter rule on the painted pictures: a label tile, and for
// most counts a number tile over it, must read as one line "N stickers left".
#include "ArtFolder.h"

#include "Counter.h"
#include "PictureFile.h"
#include "PlayFrame.h"
#include "controls/PlayFrame.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// What the program draws at the counter's place for a count, by its own rule.
std::vector<uint32_t> shown(int count, const Picture& labels, const Picture& digits)
{
    const CounterTiles tiles = GetCounterTiles(count);
    std::vector<uint32_t> out(190 * 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 190; ++x)
            out[y * 190 + x] = labels.at(x, tiles.labelTile * 24 + y);
    if (tiles.digitTile >= 0)
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 30; ++x)
                out[y * 190 + tiles.digitAt.x - COUNTER_LABEL_POINT.x + x] =
                    digits.at(x, CounterDigitTile(count).y + y);
    return out;
}

std::vector<uint32_t> painted(int count, const Canvas& background)
{
    const Canvas line = Counter::line(count, background);
    std::vector<uint32_t> out(190 * 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 190; ++x)
            out[y * 190 + x] = PictureFile::colourOf(line.pixel(x, y));
    return out;
}
}

TEST(Counter, EveryCountFrom0To224ReadsAsItsOwnNumber)
{
    const Picture labels = Picture::load("data004/b0019.dat");
    const Picture digits = Picture::load("data004/b0020.dat");
    ASSERT_EQ(120, labels.height);
    ASSERT_EQ(5280, digits.height);
    const Canvas background = PlayFrame().background(ScreenLayout::COUNTER);
    for (int count = 0; count <= 224; ++count) {
        const std::vector<uint32_t> expected = painted(count, background), actual = shown(count, labels, digits);
        int wrong = 0, firstX = -1, firstY = -1;
        for (size_t i = 0; i < expected.size(); ++i)
            if (expected[i] != actual[i] && wrong++ == 0)
                firstX = int(i % 190), firstY = int(i / 190);
        EXPECT_EQ(0, wrong) << "count " << count << ": first wrong pixel at (" << firstX << ", " << firstY << ")";
    }
    EXPECT_NE(painted(42, background), painted(43, background));
    EXPECT_NE(painted(142, background), painted(143, background));
}
