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
    std::vector<RECT> Dirty() const { return std::vector<RECT>(GetDirtyRects().begin(), GetDirtyRects().end()); }
};

// A loaded-looking sprite: w x h red at (x, y), with magenta pixels at keys.
template <class Sprite = CSprite>
Sprite* MakeSprite(int w, int h, int x, int y, std::vector<POINT> keys = {})
{
    POINT at = {x, y};
    Sprite* sprite = new Sprite(0, 0, &at);
    sprite->CreateBlank(w, h);
    FillPicture(*sprite, RED);
    for (POINT k : keys)
        PutPixel(*sprite, k.x, k.y, MAGENTA);
    sprite->ResetKey();
    return sprite;
}

struct Expected {
    int x, y;
    COLORREF colour;
};

void ExpectPixels(const char* why, const CMemoryDIB& page, const std::vector<Expected>& pixels)
{
    for (const Expected& p : pixels)
        EXPECT_EQ(p.colour, PixelOf(page, p.x, p.y)) << why << " at " << p.x << ", " << p.y;
}

TEST(SpriteListTest, DepthChangesReSortAndMarkTheOldPlaceDirty)
{
    DirtyView view;
    CSpriteList list;
    list.GetListener().SetView(&view);
    CSprite* p = MakeSprite(4, 4, 1, 2);
    CSprite* q = MakeSprite(4, 4, 0, 0);
    CSprite* r = MakeSprite(4, 4, 0, 0);
    for (CSprite* s : {p, q, r})
        list.Insert(s);
    auto order = [&] {
        std::vector<std::pair<CSprite*, int>> out;
        for (CSprite* s = list.GetLast(); s; s = list.GetPrevious())
            out.insert(out.begin(), {s, s->GetDepth()});
        return out;
    };
    using Order = std::vector<std::pair<CSprite*, int>>;

    p->SetDepth(5);
    EXPECT_EQ((Order{{p, 5}, {r, 11}, {q, 12}}), order());
    EXPECT_EQ((std::vector<RECT>{{1, 2, 5, 6}}), view.Dirty());
    q->SetDepth(10);
    EXPECT_EQ((Order{{p, 5}, {q, 11}, {r, 12}}), order()) << "the bottom-most rises to the top of the stickers";
    view.FlushDirty(nullptr);
    r->SetDepth(12);
    EXPECT_TRUE(view.Dirty().empty()) << "the same depth sends no notice";
    EXPECT_EQ((Order{{p, 5}, {q, 11}, {r, 12}}), order());
}

TEST(SpriteTest, DrawSkipsTheKeyMirrorsAndStaysInsideTheDestination)
{
    CMemoryDIB page(20, 10);
    FillPicture(page, BLUE);
    CSprite* s = MakeSprite(4, 2, -2, 8, {{3, 0}, {2, 1}});
    s->Draw(&page, nullptr);
    ExpectPixels("off the left and bottom, magenta never drawn", page,
                 {{0, 8, RED}, {1, 8, BLUE}, {0, 9, BLUE}, {1, 9, RED}, {2, 8, BLUE}});

    FillPicture(page, BLUE);
    s->SetPosition(5, 0);
    s->SetMirror(true);
    RECT clip = {5, 0, 7, 10};
    s->Draw(&page, &clip);
    ExpectPixels("mirrored (column 3 first), clipped at 7", page,
                 {{5, 0, BLUE}, {6, 0, RED}, {5, 1, RED}, {6, 1, BLUE}, {7, 0, BLUE}});

    FillPicture(page, BLUE);
    s->Hide();
    s->Draw(&page, nullptr);
    ExpectPixels("hidden", page, {{6, 0, BLUE}});
    delete s;
}

TEST(FrameSpriteTest, ShowsOneCellOfTheGridAndRefusesCellsTooSmall)
{
    DirtyView view;
    CSpriteList list;
    list.GetListener().SetView(&view);
    CFrameSprite* f = MakeSprite<CFrameSprite>(8, 2, 10, 20, {{7, 1}});
    for (POINT blue : {POINT{4, 0}, POINT{5, 0}, POINT{4, 1}, POINT{5, 1}})
        PutPixel(*f, blue.x, blue.y, BLUE);

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
    EXPECT_TRUE(view.Dirty().empty());
    EXPECT_TRUE(f->SetColumn(2));
    EXPECT_EQ((std::vector<RECT>{{10, 20, 12, 22}}), view.Dirty());

    CMemoryDIB page(16, 24);
    FillPicture(page, 0);
    f->Draw(&page, nullptr);
    ExpectPixels("cell 2 only", page, {{10, 20, BLUE}, {11, 21, BLUE}, {12, 20, 0}});
}

} // namespace
