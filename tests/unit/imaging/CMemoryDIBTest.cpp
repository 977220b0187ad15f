// Memory pictures: the reader's refusals, pixels out of range, and the
// rectangle copies the page is composed with.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "imaging/CMemoryDIB.h"
#include "imaging/CMemoryFile.h"
#include "testing/PictureBytes.h"
#include "testing/TraceCapture.h"

namespace {

const COLORREF MAGENTA = 0xFF00FF;

void Paint(CMemoryDIB& picture, int x, int y, COLORREF colour)
{
    BYTE* p = picture.PixelAddress(x, y);
    ASSERT_NE(nullptr, p) << x << ", " << y;
    p[0] = static_cast<BYTE>(colour >> 16);
    p[1] = static_cast<BYTE>(colour >> 8);
    p[2] = static_cast<BYTE>(colour);
}

COLORREF At(const CMemoryDIB& picture, int x, int y)
{
    COLORREF colour = 0xDEADBEEF;
    EXPECT_TRUE(picture.GetPixel(x, y, &colour)) << x << ", " << y;
    return colour;
}

// Every pixel a different colour, so a misplaced copy shows.
void PaintPattern(CMemoryDIB& picture)
{
    for (int y = 0; y < picture.GetHeight(); ++y)
        for (int x = 0; x < picture.GetWidth(); ++x)
            Paint(picture, x, y, static_cast<COLORREF>(0x010000 * (x + 1) + 0x000100 * (y + 1) + 0x40));
}

class MemoryDIBTest : public ::testing::Test {
protected:
    TraceCapture trace_;
};

TEST_F(MemoryDIBTest, ReadFromTakesA24BitPictureWithItsTopRowLast)
{
    PictureFields fields;
    fields.width = 3;
    fields.height = 2;
    std::vector<uint8_t> bytes = PictureBytes(fields);
    PutPictureColour(bytes, fields, 0, 0, RGB(200, 100, 50));
    PutPictureColour(bytes, fields, 2, 1, RGB(1, 2, 3));
    CMemoryFile file(bytes);
    CMemoryDIB picture(1, 1);
    ASSERT_TRUE(picture.ReadFrom(file)) << Joined(trace_.Take());
    EXPECT_EQ(3, picture.GetWidth());
    EXPECT_EQ(2, picture.GetHeight());
    EXPECT_EQ(RGB(200, 100, 50), At(picture, 0, 0));
    EXPECT_EQ(RGB(1, 2, 3), At(picture, 2, 1));
    EXPECT_EQ(0, std::memcmp(&bytes[54 + 12], picture.PixelAddress(0, 0), 12))
        << "the top row is the last row of the file";
}

TEST_F(MemoryDIBTest, ReadFromRefusesDamagedFilesAndKeepsThePicture)
{
    struct Case {
        const char* what;
        PictureFields fields;
        size_t cutTo; // 0: whole file
        const char* trace;
    };
    std::vector<Case> cases;
    auto add = [&](const char* what, void (*change)(PictureFields&), size_t cutTo, const char* trace) {
        Case c{what, PictureFields(), cutTo, trace};
        change(c.fields);
        cases.push_back(c);
    };
    add("BM magic", [](PictureFields& s) { s.magic[0] = 'B'; s.magic[1] = 'M'; }, 0, "Not a bitmap file");
    add("13 bytes", [](PictureFields&) {}, 13, "Not a bitmap file");
    add("header cut", [](PictureFields&) {}, 30, "CMemoryDIB::ReadFrom: Bad file read.");
    add("8 bits", [](PictureFields& s) { s.bitCount = 8; s.colours = 256; }, 0,
        "CMemoryDIB::ReadFrom: Not a 24-bit uncompressed picture.");
    add("compressed", [](PictureFields& s) { s.compression = 1; }, 0,
        "CMemoryDIB::ReadFrom: Not a 24-bit uncompressed picture.");
    add("64-byte header", [](PictureFields& s) { s.headerSize = 64; }, 0,
        "CMemoryDIB::ReadFrom: Not a 24-bit uncompressed picture.");
    add("zero width", [](PictureFields& s) { s.width = 0; }, 0, "CMemoryDIB::ReadFrom: Bad picture size 0 x 3");
    add("top-down", [](PictureFields& s) { s.height = -3; }, 0, "CMemoryDIB::ReadFrom: Bad picture size 4 x -3");
    add("huge", [](PictureFields& s) { s.width = 0x7FFFFFFF; s.height = 0x7FFFFFFF; s.pixelBytes = 16; }, 0,
        "CMemoryDIB::ReadFrom: Bad picture size 2147483647 x 2147483647");
    add("short rows", [](PictureFields& s) { s.pixelBytes = NeededPixelBytes(s) - 1; }, 0,
        "CMemoryDIB::ReadFrom: Picture data is short.");
    add("rows missing", [](PictureFields& s) { s.height = 8000; s.width = 8000; s.pixelBytes = 0; }, 0,
        "CMemoryDIB::ReadFrom: Picture data is short.");

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> bytes = PictureBytes(c.fields);
        if (c.cutTo)
            bytes.resize(c.cutTo);
        CMemoryFile file(bytes);
        CMemoryDIB picture(2, 2);
        Paint(picture, 1, 1, RGB(9, 8, 7));
        EXPECT_FALSE(picture.ReadFrom(file));
        EXPECT_EQ(std::vector<std::string>{c.trace}, trace_.Take());
        EXPECT_EQ(2, picture.GetWidth());
        EXPECT_EQ(RGB(9, 8, 7), At(picture, 1, 1));
    }
}

TEST_F(MemoryDIBTest, KeyedCopiesFollowThePixelRuleForEveryRunPattern)
{
    // Widths with and without row padding; key pixels in runs of every length.
    for (int width : {4, 9, 17, 37}) {
        SCOPED_TRACE(width);
        CMemoryDIB source(width, 3);
        CMemoryDIB dest(width, 3);
        unsigned seed = 12345;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x) {
                seed = seed * 1103515245u + 12345u;
                const bool key = (seed >> 16) % 3 == 0 || x == width - 1;
                Paint(source, x, y, key ? MAGENTA : static_cast<COLORREF>(seed >> 8 & 0xFFFFFF));
                Paint(dest, x, y, RGB(7, 7, 7));
            }
        // The top row is stored last: its final pixel ends the picture's memory.
        source.CopyTo(&dest, 0, 0, width, 3, 0, 0, MAGENTA);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x) {
                const COLORREF from = At(source, x, y);
                EXPECT_EQ(from == MAGENTA ? RGB(7, 7, 7) : from, At(dest, x, y)) << x << ", " << y;
            }
    }
}

class CopyTest : public MemoryDIBTest {
protected:
    CopyTest() : source_(6, 5), dest_(8, 7)
    {
        PaintPattern(source_);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 8; ++x)
                Paint(dest_, x, y, RGB(0, 0, 0));
    }
    CMemoryDIB source_;
    CMemoryDIB dest_;
};

TEST_F(CopyTest, CopyMirroredToGivesTheMirrorImage)
{
    CMemoryDIB mirror(6, 5);
    source_.CopyMirroredTo(&mirror, 0, 0, 6, 5, 0, 0, -1);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(At(source_, 5 - x, y), At(mirror, x, y)) << x << ", " << y;

    // A part: destination (dx + i, dy + j) takes source (width - 1 - (sx + i), sy + j).
    Paint(source_, 4, 3, MAGENTA);
    source_.CopyMirroredTo(&dest_, 2, 2, 3, 2, 1, 2, MAGENTA);
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 3; ++i) {
            const COLORREF from = At(source_, 5 - (1 + i), 2 + j);
            EXPECT_EQ(from == MAGENTA ? RGB(0, 0, 0) : from, At(dest_, 2 + i, 2 + j)) << i << ", " << j;
        }
    EXPECT_EQ(RGB(0, 0, 0), At(dest_, 1, 2));
    EXPECT_EQ(RGB(0, 0, 0), At(dest_, 5, 2));
}

TEST_F(CopyTest, RectanglesOutsideEitherPictureCopyNothing)
{
    const int bad[][6] = {
        // dx, dy, w, h, sx, sy
        {0, 0, 7, 1, 0, 0},   // wider than the source
        {5, 0, 4, 1, 0, 0},   // past the destination's right edge
        {0, 6, 1, 2, 0, 0},   // past the destination's bottom
        {-1, 0, 2, 2, 0, 0},  // before the destination
        {0, 0, 2, 2, -1, 0},  // before the source
        {0, 0, -2, 2, 0, 0},  // negative width
    };
    for (const auto& r : bad) {
        source_.CopyTo(&dest_, r[0], r[1], r[2], r[3], r[4], r[5], -1);
        source_.CopyMirroredTo(&dest_, r[0], r[1], r[2], r[3], r[4], r[5], -1);
    }
    source_.CopyTo(nullptr, 0, 0, 1, 1, 0, 0, -1);
    source_.CopyTo(&dest_, 0, 0, 0, 3, 0, 0, -1);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(RGB(0, 0, 0), At(dest_, x, y)) << x << ", " << y;
    EXPECT_EQ(12u, trace_.Take().size()) << "every refused rectangle is traced";
}

} // namespace
