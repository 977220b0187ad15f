// The rectangle copies the page is composed with, plain and mirrored, keyed,
// in part, and refused outside either picture: each checked pixel by pixel
// against what the copy should have done.
#include <gtest/gtest.h>

#include <vector>

#include "imaging/CMemoryDIB.h"
#include "testing/Pictures.h"
#include "testing/TraceCapture.h"

namespace {

const COLORREF MAGENTA = 0xFF00FF;

struct Copy { const char* why; int dx, dy, w, h, sx, sy; bool refused; };

// Random colours with the key in runs of every length, the last column keyed:
// the top row is stored last, so its final pixel ends the picture's memory.
void PaintPattern(CMemoryDIB& picture)
{
    unsigned seed = 12345;
    for (int y = 0; y < picture.GetHeight(); ++y)
        for (int x = 0; x < picture.GetWidth(); ++x) {
            seed = seed * 1103515245u + 12345u;
            const bool key = (seed >> 16) % 3 == 0 || x == picture.GetWidth() - 1;
            PutPixel(picture, x, y, key ? MAGENTA : static_cast<COLORREF>(seed >> 8 & 0xFFFFFF));
        }
}

void ExpectCopy(const CMemoryDIB& source, CMemoryDIB& dest, const Copy& c, bool mirror, int key)
{
    SCOPED_TRACE(testing::Message() << c.why << (mirror ? ", mirrored" : ""));
    std::vector<COLORREF> before;
    for (int y = 0; y < dest.GetHeight(); ++y)
        for (int x = 0; x < dest.GetWidth(); ++x)
            before.push_back(PixelOf(dest, x, y));
    TraceCapture trace;
    if (mirror)
        source.CopyMirroredTo(&dest, c.dx, c.dy, c.w, c.h, c.sx, c.sy, key);
    else
        source.CopyTo(&dest, c.dx, c.dy, c.w, c.h, c.sx, c.sy, key);
    EXPECT_EQ(c.refused ? 1u : 0u, trace.Take().size()) << "a refused rectangle is traced";
    for (int y = 0; y < dest.GetHeight(); ++y)
        for (int x = 0; x < dest.GetWidth(); ++x) {
            const int i = x - c.dx, j = y - c.dy;
            COLORREF want = before[y * dest.GetWidth() + x];
            if (!c.refused && i >= 0 && i < c.w && j >= 0 && j < c.h) {
                const COLORREF from = PixelOf(source, mirror ? source.GetWidth() - 1 - (c.sx + i) : c.sx + i, c.sy + j);
                if (static_cast<int>(from) != key)
                    want = from;
            }
            ASSERT_EQ(want, PixelOf(dest, x, y)) << x << ", " << y;
        }
}

TEST(MemoryDIBTest, WholeKeyedCopiesFollowThePixelRuleForEveryRunPattern)
{
    // Widths with and without row padding.
    for (int width : {4, 9, 17, 37}) {
        CMemoryDIB source(width, 3);
        CMemoryDIB dest(width, 3);
        PaintPattern(source);
        const Copy whole = {"whole", 0, 0, width, 3, 0, 0, false};
        ExpectCopy(source, dest, whole, false, MAGENTA);
        ExpectCopy(source, dest, whole, true, MAGENTA);
    }
}

TEST(MemoryDIBTest, PartsAreCopiedAndRectanglesOutsideEitherPictureRefused)
{
    const Copy copies[] = {
        {"a part, moved", 2, 2, 3, 2, 1, 2, false}, {"nothing to copy", 0, 0, 0, 3, 0, 0, false},
        {"wider than the source", 0, 0, 7, 1, 0, 0, true}, {"past the destination's right", 5, 0, 4, 1, 0, 0, true},
        {"past the destination's bottom", 0, 6, 1, 2, 0, 0, true}, {"before the destination", -1, 0, 2, 2, 0, 0, true},
        {"before the source", 0, 0, 2, 2, -1, 0, true}, {"negative width", 0, 0, -2, 2, 0, 0, true},
    };
    CMemoryDIB source(6, 5);
    CMemoryDIB dest(8, 7);
    PaintPattern(source);
    for (const Copy& c : copies)
        for (bool mirror : {false, true})
            for (int key : {-1, static_cast<int>(MAGENTA)})
                ExpectCopy(source, dest, c, mirror, key);
    source.CopyTo(nullptr, 0, 0, 1, 1, 0, 0, -1);
}

} // namespace
