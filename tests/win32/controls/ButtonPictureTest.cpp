#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include <windows.h>

#include "controls/ButtonGroup.h"
#include "controls/ButtonPicture.h"
#include "imaging/CFileManager.h"
#include "testing/TestFolder.h"

namespace {

// Writes a 24-bit "Y5" picture of tiles stacked along `horizontal` or
// downwards, tile k filled with colours[k] (0x00BBGGRR).
void WriteTilePicture(const char* name, int tileWidth, int tileHeight, bool horizontal,
                      const std::vector<COLORREF>& colours)
{
    const int count = static_cast<int>(colours.size());
    const int width = horizontal ? tileWidth * count : tileWidth;
    const int height = horizontal ? tileHeight : tileHeight * count;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<BYTE> file(54 + stride * height, 0);
    file[0] = 'Y';
    file[1] = '5';
    const DWORD offset = 54;
    memcpy(&file[10], &offset, 4);
    BITMAPINFOHEADER header = {};
    header.biSize = 40;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    memcpy(&file[14], &header, sizeof header);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int tile = horizontal ? x / tileWidth : y / tileHeight;
            BYTE* pixel = &file[54 + (height - 1 - y) * stride + 3 * x];
            pixel[0] = GetBValue(colours[tile]);
            pixel[1] = GetGValue(colours[tile]);
            pixel[2] = GetRValue(colours[tile]);
        }
    }
    FILE* out = fopen(name, "wb");
    ASSERT_NE(nullptr, out);
    fwrite(file.data(), 1, file.size(), out);
    fclose(out);
}

const std::vector<COLORREF> FIVE = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200),
                                    RGB(200, 200, 0), RGB(0, 200, 200)};
const std::vector<COLORREF> TWO = {RGB(10, 20, 30), RGB(250, 240, 230)};

const TileRect FIVE_TILES[5] = {
    {0, 0, 60, 60}, {60, 0, 60, 60}, {120, 0, 60, 60}, {180, 0, 60, 60}, {240, 0, 60, 60},
};
const TileRect TWO_TILES[2] = {{0, 0, 60, 65}, {0, 65, 60, 65}};

// A screen-compatible memory canvas to draw faces into and read back.
class Canvas {
public:
    Canvas()
    {
        HDC screen = GetDC(nullptr);
        m_Dc = CreateCompatibleDC(screen);
        m_Bitmap = CreateCompatibleBitmap(screen, 100, 100);
        ReleaseDC(nullptr, screen);
        m_Old = SelectObject(m_Dc, m_Bitmap);
    }
    ~Canvas()
    {
        SelectObject(m_Dc, m_Old);
        DeleteObject(m_Bitmap);
        DeleteDC(m_Dc);
    }
    HDC Dc() const { return m_Dc; }
    COLORREF At(int x, int y) const { return GetPixel(m_Dc, x, y) & 0xFFFFFF; }

private:
    HDC m_Dc;
    HBITMAP m_Bitmap;
    HGDIOBJ m_Old;
};

class ButtonPictureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CFileManager::SetProgramFolderPath(m_Folder.path().string());
        WriteTilePicture("five.dat", 60, 60, true, FIVE);
        WriteTilePicture("two.dat", 60, 65, false, TWO);
    }
    void TearDown() override { CFileManager::SetProgramFolderPath(""); }

    // Draws with a request and returns the colour shown.
    COLORREF Draw(ButtonPicture& picture, int requested)
    {
        EXPECT_TRUE(picture.SetStateAndDraw(m_Canvas.Dc(), requested, POINT{10, 10}));
        return m_Canvas.At(40, 40);
    }

    TestFolder m_Folder;
    Canvas m_Canvas;
    TileLayout m_Five{5, FIVE_TILES, "\\five.dat"};
    TileLayout m_Two{2, TWO_TILES, "\\two.dat"};
};

TEST_F(ButtonPictureTest, FiveTileFaceShowsTheStateTileAndKeepsItsLatch)
{
    ButtonPicture picture;
    picture.SetLayout(&m_Five);
    ASSERT_TRUE(picture.LoadFromLayout(nullptr));
    EXPECT_EQ(FIVE[0], Draw(picture, StateReset));
    EXPECT_EQ(FIVE[1], Draw(picture, StateHover));
    EXPECT_EQ(FIVE[3], Draw(picture, StateLatched));
    EXPECT_EQ(FIVE[3], Draw(picture, StateDown));
    EXPECT_EQ(FIVE[3], Draw(picture, StateUp));
    EXPECT_EQ(FIVE[0], Draw(picture, StateReset));
    EXPECT_EQ(FIVE[4], Draw(picture, StateDisabled));
    // Drawn at the point given: nothing left of it.
    EXPECT_NE(FIVE[4], m_Canvas.At(9, 40));
    EXPECT_EQ(FIVE[4], m_Canvas.At(69, 69));
}

TEST_F(ButtonPictureTest, TwoTileFaceKeepsItsTileForHoverAndLatch)
{
    ButtonPicture picture;
    picture.SetLayout(&m_Two);
    ASSERT_TRUE(picture.LoadFromLayout(nullptr));
    EXPECT_EQ(TWO[1], Draw(picture, StateDown));
    EXPECT_EQ(TWO[1], Draw(picture, StateHover));
    EXPECT_EQ(TWO[0], Draw(picture, StateUp));
    EXPECT_EQ(TWO[0], Draw(picture, StateLatched));
    EXPECT_EQ(TWO[0], Draw(picture, StateDown));
    EXPECT_EQ(TWO[0], Draw(picture, StateDisabled));
    EXPECT_EQ(TWO[1], Draw(picture, StateDown)) << "disabling ended the latch";
    EXPECT_EQ(TWO[0], Draw(picture, StateReset));
}

TEST_F(ButtonPictureTest, MissingPicturesAndTilesDrawNothing)
{
    TiledBitmap noLayout;
    EXPECT_FALSE(noLayout.LoadFromLayout(nullptr));
    EXPECT_FALSE(noLayout.DrawTile(m_Canvas.Dc(), 0, POINT{0, 0}));

    TileLayout missing(5, FIVE_TILES, "\\absent.dat");
    TiledBitmap absent;
    absent.SetLayout(&missing);
    EXPECT_FALSE(absent.LoadFromLayout(nullptr));
    EXPECT_FALSE(absent.DrawTile(m_Canvas.Dc(), 0, POINT{0, 0}));

    TiledBitmap five;
    five.SetLayout(&m_Five);
    ASSERT_TRUE(five.LoadFromLayout(nullptr));
    EXPECT_FALSE(five.DrawTile(m_Canvas.Dc(), 5, POINT{0, 0}));
    EXPECT_FALSE(five.DrawTile(m_Canvas.Dc(), -1, POINT{0, 0}));
    EXPECT_TRUE(five.DrawTile(m_Canvas.Dc(), 4, POINT{0, 0}));
}

TEST_F(ButtonPictureTest, GroupDrawsTheNamedPictureOfMore)
{
    // Three pictures for one button, as the tray has 224 faces for 28 buttons.
    class TestGroup : public ButtonGroup {
    public:
        TestGroup() : ButtonGroup(1, 3) {}
        void SubclassAll() override {}
        void UnsubclassAll() override {}
    } group;
    const TileLayout layouts[3] = {m_Five, m_Five, m_Two};
    group.AssignPictures(layouts, nullptr);
    // A face is read at its draw, as its file is then, and kept while it is
    // among the last as many drawn as the group has buttons (here one).
    WriteTilePicture("two.dat", 60, 65, false, {TWO[1], TWO[0]});
    EXPECT_TRUE(group.DrawButton(m_Canvas.Dc(), StateDown, 2));
    EXPECT_EQ(TWO[0], m_Canvas.At(30, 30)) << "drawn at the button's corner by default";
    WriteTilePicture("two.dat", 60, 65, false, TWO);
    EXPECT_TRUE(group.DrawButton(m_Canvas.Dc(), StateUp, 2));
    EXPECT_EQ(TWO[1], m_Canvas.At(30, 30)) << "read again while kept";
    EXPECT_TRUE(group.DrawButton(m_Canvas.Dc(), StateLatched, 1, POINT{20, 20}));
    EXPECT_EQ(FIVE[3], m_Canvas.At(50, 50));
    EXPECT_TRUE(group.DrawButton(m_Canvas.Dc(), StateUp, 2));
    EXPECT_EQ(TWO[0], m_Canvas.At(30, 30)) << "let go for another face, then read afresh";
    EXPECT_EQ(StateReset, group.GetPicture(0).GetState()) << "untouched picture";
    EXPECT_FALSE(group.DrawButton(m_Canvas.Dc(), StateUp, 3));
}

} // namespace
