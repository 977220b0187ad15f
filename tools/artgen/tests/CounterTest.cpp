// The counter rule: a label tile, and for most counts a number tile drawn
// over it, must read as one clean line "N stickers left".
#include "ArtFolder.h"

#include "Counter.h"
#include "PictureFile.h"
#include "PlayFrame.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// Rows of the number picture from the top: 223 down to 2, without 99 and 9.
int rowOf(int count)
{
    int row = 0;
    for (int n = 223; n >= 2; --n) {
        if (n == 99 || n == 9)
            continue;
        if (n == count)
            return row;
        ++row;
    }
    return -1;
}

// What the program draws at (417, 52) for a count, relative to that point.
std::vector<uint32_t> shown(int count, const Picture& labels, const Picture& digits)
{
    int tile, digitX = -1;
    if (count == 224)
        tile = 0;
    else if (count >= 100)
        tile = 0, digitX = 440;
    else if (count == 99)
        tile = 1;
    else if (count >= 10)
        tile = 1, digitX = 436;
    else if (count == 9)
        tile = 2;
    else if (count >= 2)
        tile = 2, digitX = 433;
    else
        tile = count == 1 ? 3 : 4;
    std::vector<uint32_t> out(190 * 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 190; ++x)
            out[y * 190 + x] = labels.at(x, tile * 24 + y);
    if (digitX >= 0)
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 30; ++x)
                out[y * 190 + digitX - 417 + x] = digits.at(x, rowOf(count) * 24 + y);
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
