// Sprites: their order and depths, the rectangles their changes mark, drawing
// with the key colour, mirrored and clipped, and frame sprites' cells.
#include <gtest/gtest.h>

#include <vector>

#include "imaging/CFrameSprite.h"
#include "imaging/COffScreenBufferView.h"
#include "imaging/CSprite.h"
#include "imaging/CSpriteList.h"
#include "testing/Pictures.h"
#include "testing/Rects.h"

namespace {

const COLORREF MAGENTA = 0xFF00FF;
const COLORREF RED = 0x0000FF;
const COLORREF BLUE = 0xFF0000;

class DirtyView : public COffScreenBufferView {
public:
    void RenderRect(const RECT*) override {}
    std::vector<RECT> Dirty() const
    {
        return std::vector<RECT>(GetDirtyRects().begin(), GetDirtyRects().end());
    }
};

// A loaded-looking sprite: w x h of one colour, magenta as its key.
CSprite* MakeSprite(int w, int h, COLORREF colour = RED, int x = 0, int y = 0)
{
    POINT at = {x, y};
    CSprite* sprite = new CSprite(0, 0, &at);
    sprite->CreateBlank(w, h);
    FillPicture(*sprite, colour);
    sprite->ResetKey();
    return sprite;
}

class SpriteListTest : public ::testing::Test {
protected:
    SpriteListTest() { list.GetListener().SetView(&view); }

    std::vector<CSprite*> Order()
    {
        std::vector<CSprite*> out;
        for (CSprite* s = list.GetLast(); s; s = list.GetPrevious())
            out.insert(out.begin(), s);
        return out;
    }
    std::vector<int> Depths()
    {
        std::vector<int> out;
        for (CSprite* s : Order())
            out.push_back(s->GetDepth());
        return out;
    }

    DirtyView view;
    CSpriteList list;
};

TEST_F(SpriteListTest, DepthChangesReSortAndMarkTheOldPlaceDirty)
{
    CSprite* p = MakeSprite(4, 4, RED, 1, 2);
    CSprite* q = MakeSprite(4, 4);
    CSprite* r = MakeSprite(4, 4);
    for (CSprite* s : {p, q, r})
        list.Insert(s);

    p->SetDepth(5);
    EXPECT_EQ((std::vector<CSprite*>{p, r, q}), Order());
    EXPECT_EQ((std::vector<int>{5, 11, 12}), Depths());
    EXPECT_EQ((std::vector<RECT>{{1, 2, 5, 6}}), view.Dirty());

    q->SetDepth(10); // the bottom-most rises to the top of the stickers
    EXPECT_EQ((std::vector<CSprite*>{p, q, r}), Order());
    EXPECT_EQ((std::vector<int>{5, 11, 12}), Depths());

    view.FlushDirty(nullptr);
    r->SetDepth(12);
    EXPECT_TRUE(view.Dirty().empty()) << "the same depth sends no notice";
    EXPECT_EQ((std::vector<CSprite*>{p, q, r}), Order());
}

TEST(SpriteTest, DrawSkipsTheKeyMirrorsAndStaysInsideTheDestination)
{
    CMemoryDIB page(20, 10);
    FillPicture(page, BLUE);
    CSprite* s = MakeSprite(4, 2, RED, -2, 8);
    PutPixel(*s, 3, 0, MAGENTA);
    PutPixel(*s, 2, 1, MAGENTA);
    s->Draw(&page, nullptr); // hangs off the left and bottom edges
    EXPECT_EQ(RED, PixelOf(page, 0, 8));
    EXPECT_EQ(BLUE, PixelOf(page, 1, 8)) << "magenta never reaches the page";
    EXPECT_EQ(BLUE, PixelOf(page, 0, 9));
    EXPECT_EQ(RED, PixelOf(page, 1, 9));
    EXPECT_EQ(BLUE, PixelOf(page, 2, 8));

    FillPicture(page, BLUE);
    s->SetPosition(5, 0);
    s->SetMirror(true);
    RECT clip = {5, 0, 7, 10};
    s->Draw(&page, &clip);
    EXPECT_EQ(BLUE, PixelOf(page, 5, 0)) << "mirrored: column 3 comes first";
    EXPECT_EQ(RED, PixelOf(page, 6, 0));
    EXPECT_EQ(RED, PixelOf(page, 5, 1));
    EXPECT_EQ(BLUE, PixelOf(page, 6, 1));
    EXPECT_EQ(BLUE, PixelOf(page, 7, 0)) << "clipped";

    FillPicture(page, BLUE);
    s->Hide();
    s->Draw(&page, nullptr);
    EXPECT_EQ(BLUE, PixelOf(page, 6, 0)) << "hidden sprites draw nothing";
    delete s;
}

TEST(FrameSpriteTest, ShowsOneCellOfTheGridAndRefusesCellsTooSmall)
{
    DirtyView view;
    CSpriteList list;
    list.GetListener().SetView(&view);
    POINT at = {10, 20};
    CFrameSprite* f = new CFrameSprite(0, 0, &at);
    f->CreateBlank(8, 2);
    FillPicture(*f, RED);
    for (int y = 0; y < 2; ++y) {
        PutPixel(*f, 4, y, BLUE);
        PutPixel(*f, 5, y, BLUE);
    }
    PutPixel(*f, 7, 1, MAGENTA);
    f->ResetKey();

    EXPECT_FALSE(f->SetRows(3)) << "2 pixels cannot make 3 rows";
    EXPECT_FALSE(f->SetRows(0));
    EXPECT_FALSE(f->SetColumns(9));
    ASSERT_TRUE(f->SetColumns(4));
    ASSERT_TRUE(f->SetRows(1));
    EXPECT_EQ(2, f->GetFrameWidth());
    EXPECT_EQ(2, f->GetFrameHeight());
    list.Insert(f);

    EXPECT_FALSE(f->SetColumn(4));
    EXPECT_FALSE(f->SetColumn(0)) << "already shown";
    EXPECT_TRUE(view.GetDirtyRects().empty());
    EXPECT_TRUE(f->SetColumn(2));
    EXPECT_EQ((std::vector<RECT>{{10, 20, 12, 22}}), view.Dirty());

    CMemoryDIB page(16, 24);
    FillPicture(page, 0);
    f->Draw(&page, nullptr);
    EXPECT_EQ(BLUE, PixelOf(page, 10, 20));
    EXPECT_EQ(BLUE, PixelOf(page, 11, 21));
    EXPECT_EQ(0u, PixelOf(page, 12, 20)) << "only one cell is drawn";

}

} // namespace
