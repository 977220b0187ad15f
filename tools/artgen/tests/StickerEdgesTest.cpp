// Stickers are keyed on magenta: their edges must be hard, or the page would
// show a pink fringe round every sticker.
#include "ArtFolder.h"

#include "DieCut.h"
#include "Random.h"
#include "sticker/PlaceTable.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {
const uint32_t KEY = 0xFF00FF;

bool grey(uint32_t c) { return (c >> 16) == ((c >> 8) & 255) && ((c >> 8) & 255) == (c & 255); }

bool keyed(const Picture& p, int x, int y)
{
    return x < 0 || y < 0 || x >= p.width || y >= p.height || p.at(x, y) == KEY;
}
}

TEST(StickerEdges, EveryPixelBesideTheKeyIsBorderWhiteOrShadowGrey)
{
    for (int i = 0; i < NUMBEROFSTICKERGRAPHICS; ++i) {
        char file[32];
        std::snprintf(file, sizeof file, "data004/s%02d%02d.dat", i / 28 + 1, i % 28 + 1);
        const Picture p = Picture::load(file);
        ASSERT_FALSE(p.pixels.empty()) << file;
        int blends = 0, firstX = -1, firstY = -1;
        for (int y = 0; y < p.height; ++y) {
            for (int x = 0; x < p.width; ++x) {
                if (keyed(p, x, y))
                    continue;
                const bool edge = keyed(p, x - 1, y) || keyed(p, x + 1, y) || keyed(p, x, y - 1) || keyed(p, x, y + 1);
                if (edge && !grey(p.at(x, y)) && blends++ == 0)
                    firstX = x, firstY = y;
            }
        }
        EXPECT_EQ(0, blends) << file << ": first blended edge pixel at (" << firstX << ", " << firstY << ") is "
                             << std::hex << (firstX >= 0 ? p.at(firstX, firstY) : 0);
    }
}

TEST(StickerEdges, StickersAreCroppedToWhatShows)
{
    // The place table names the top-left of what the child sees.
    for (int i = 0; i < NUMBEROFSTICKERGRAPHICS; i += 7) {
        char file[32];
        std::snprintf(file, sizeof file, "data004/s%02d%02d.dat", i / 28 + 1, i % 28 + 1);
        const Picture p = Picture::load(file);
        bool top = false, bottom = false, left = false, right = false;
        for (int x = 0; x < p.width; ++x)
            top |= !keyed(p, x, 0), bottom |= !keyed(p, x, p.height - 1);
        for (int y = 0; y < p.height; ++y)
            left |= !keyed(p, 0, y), right |= !keyed(p, p.width - 1, y);
        EXPECT_TRUE(top && bottom && left && right) << file;
    }
}

TEST(StickerEdges, CornerPiecesRoundThePageInwards)
{
    const Picture p = Picture::load("data004/m0002.dat");
    ASSERT_EQ(32, p.width);
    const uint32_t rim = p.at(0, 0);
    EXPECT_NE(KEY, rim);
    // Outer corner of each cell is frame colour, the inner corner clear.
    const int outer[4][2] = {{0, 0}, {15, 0}, {16, 7}, {31, 7}};
    const int inner[4][2] = {{7, 7}, {8, 7}, {23, 0}, {24, 0}};
    for (int cell = 0; cell < 4; ++cell) {
        EXPECT_EQ(rim, p.at(outer[cell][0], outer[cell][1])) << "cell " << cell;
        EXPECT_EQ(KEY, p.at(inner[cell][0], inner[cell][1])) << "cell " << cell;
    }
    for (uint32_t c : p.pixels)
        EXPECT_TRUE(c == KEY || c == rim) << std::hex << c;
}

TEST(StickerEdges, DistanceTransformIsExact)
{
    const int w = 23, h = 17;
    Random random(9);
    std::vector<unsigned char> set(w * h);
    for (auto& s : set)
        s = random.next() % 9 == 0;
    const std::vector<float> d = DieCut::distanceToSet(set, w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float best = 1e12f;
            for (int v = 0; v < h; ++v)
                for (int u = 0; u < w; ++u)
                    if (set[v * w + u])
                        best = std::min(best, float((u - x) * (u - x) + (v - y) * (v - y)));
            ASSERT_EQ(best, d[y * w + x]) << "at (" << x << ", " << y << ")";
        }
    }
}
