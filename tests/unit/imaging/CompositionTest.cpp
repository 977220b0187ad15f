// Composing the page: dirty rectangles all composed before any is shown, the
// framed print, sprites' keyed, mirrored and clipped drawing, frame cells.
#include <gtest/gtest.h>

#include <cstring>

#include "imaging/CFrameSprite.h"
#include "imaging/COffScreenBufferView.h"
#include "imaging/CSpriteList.h"
#include "testing/FakeBufferSurface.h"
#include "testing/Pictures.h"

namespace {

using Rects = std::vector<RECT>;
const COLORREF MAGENTA = 0xFF00FF, RED = 0x0000FF, BLUE = 0xFF0000, GREY = 0x808080;

void ExpectPixels(const CMemoryDIB& picture, const char* why, const std::vector<std::pair<POINT, COLORREF>>& pixels)
{
    for (const auto& [at, colour] : pixels)
        EXPECT_EQ(colour, PixelOf(picture, at.x, at.y)) << why << " at " << at.x << ", " << at.y;
}

// The test is the view: it composes by painting the rectangle grey, and
// remembers how many blits had happened when each rectangle was composed.
class CompositionTest : public ::testing::Test, public COffScreenBufferView {
protected:
    CompositionTest()
    {
        SetSurface(std::unique_ptr<BufferSurface>(&surface));
        list.GetListener().SetView(this);
    }
    void RenderRect(const RECT* clip) override
    {
        blitsWhenRendered.push_back(surface.blits.size());
        for (int y = clip->top; y < clip->bottom; ++y)
            for (int x = clip->left; x < clip->right; ++x)
                if (GetBuffer() && GetBuffer()->PixelAddress(x, y))
                    PutPixel(*GetBuffer(), x, y, GREY);
    }
    bool MakeBuffer(int w, int h)
    {
        CMemoryDIB source(w, h);
        return CreateBuffer(nullptr, &source);
    }
    Rects Dirty() const { return Rects(GetDirtyRects().begin(), GetDirtyRects().end()); }

    // A sprite in the list: w x h red at (x, y), magenta at keys.
    template <class Sprite = CSprite>
    Sprite* Make(int w, int h, int x, int y, std::vector<POINT> keys = {})
    {
        POINT at = {x, y};
        Sprite* sprite = new Sprite(0, 0, &at);
        sprite->CreateBlank(w, h);
        FillPicture(*sprite, RED);
        for (POINT k : keys)
            PutPixel(*sprite, k.x, k.y, MAGENTA);
        sprite->ResetKey();
        list.Insert(sprite);
        return sprite;
    }
    FakeBufferSurface& surface = *new FakeBufferSurface; // the view's
    std::vector<size_t> blitsWhenRendered;
    CSpriteList list;
    CMemoryDIB page{20, 24};
};

TEST_F(CompositionTest, OnlyTheNewestRectangleAbsorbsAnOverlappingOneAndAllAreComposedBeforeAnyIsShown)
{
    ASSERT_TRUE(MakeBuffer(100, 80));
    const struct { const char* why; Rects added, dirty; } cases[] = {
        {"overlapping the newest", {{0, 0, 10, 10}, {5, 5, 20, 20}}, {{0, 0, 20, 20}}},
        {"overlapping only an older one", {{0, 0, 10, 10}, {30, 30, 40, 40}, {5, 5, 12, 12}},
         {{5, 5, 12, 12}, {30, 30, 40, 40}, {0, 0, 10, 10}}},
        {"touching is not overlapping", {{0, 0, 10, 10}, {10, 0, 20, 10}}, {{10, 0, 20, 10}, {0, 0, 10, 10}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        for (const RECT& r : c.added)
            AddDirtyRect(&r);
        EXPECT_EQ(c.dirty, Dirty());
        surface.blits.clear(), blitsWhenRendered.clear();
        FlushDirty(nullptr);
        FlushDirty(nullptr);
        EXPECT_EQ(std::vector<size_t>(c.dirty.size(), 0), blitsWhenRendered) << "all composed before any is shown, once";
        EXPECT_EQ(c.dirty, surface.blits);
    }
    surface.blits.clear();
    for (RECT r : Rects{{90, 70, 130, 120}, {200, 0, 300, 50}})
        BlitToWindow(nullptr, &r);
    BlitToWindow(nullptr, nullptr);
    EXPECT_EQ((Rects{{90, 70, 100, 80}, {0, 0, 100, 80}}), surface.blits);
}

TEST_F(CompositionTest, NothingIsShownOrPrintedWithoutABufferAndThePrintHasARoundedBlackBorder)
{
    const int place[4] = {10, 20, 3000, 2000};
    const RECT dirty = {0, 0, 10, 10};
    surface.failCreate = true;
    EXPECT_FALSE(MakeBuffer(50, 50));
    AddDirtyRect(&dirty);
    FlushDirty(nullptr);
    PrintTo(nullptr, place);
    EXPECT_TRUE(surface.blits.empty() && !surface.printed) << "without a buffer";
    surface.failCreate = false;
    ASSERT_TRUE(MakeBuffer(640, 480));
    PrintTo(nullptr, place);
    ASSERT_NE(nullptr, surface.printed);
    ASSERT_EQ((std::pair{644, 484}), std::pair(surface.printed->GetWidth(), surface.printed->GetHeight()));
    EXPECT_EQ(0, std::memcmp(place, surface.place, sizeof place));
    const COLORREF white = 0xFFFFFF, black = 0;
    ExpectPixels(*surface.printed, "outside the corners' curve, the border, the frame's blackened corner",
                 {{{0, 0}, white}, {{5, 0}, white}, {{6, 0}, black}, {{643, 0}, white}, {{0, 483}, white},
                  {{643, 483}, white}, {{0, 5}, white}, {{0, 6}, black}, {{322, 0}, black}, {{1, 200}, black},
                  {{2, 2}, black}, {{8, 2}, black}, {{9, 2}, GREY}, {{641, 481}, black}, {{322, 2}, GREY},
                  {{3, 9}, GREY}});
    ExpectPixels(*GetBuffer(), "the screen keeps its corners till recomposed", {{{0, 0}, black}, {{7, 0}, GREY}});
}

// A frame sprite shows one cell of its grid and refuses cells too small.
TEST_F(CompositionTest, DrawSkipsTheKeyMirrorsStaysInsideTheDestinationAndShowsOneFrameCell)
{
    FillPicture(page, BLUE);
    CSprite* s = Make(4, 2, -2, 22, {{3, 0}, {2, 1}});
    s->Draw(&page, nullptr);
    ExpectPixels(page, "off the left and bottom, magenta never drawn",
                 {{{0, 22}, RED}, {{1, 22}, BLUE}, {{0, 23}, BLUE}, {{1, 23}, RED}, {{2, 22}, BLUE}});
    FillPicture(page, BLUE);
    s->SetPosition(5, 0), s->SetMirror(true);
    RECT clip = {5, 0, 7, 10};
    s->Draw(&page, &clip);
    ExpectPixels(page, "mirrored (column 3 first), clipped at 7",
                 {{{5, 0}, BLUE}, {{6, 0}, RED}, {{5, 1}, RED}, {{6, 1}, BLUE}, {{7, 0}, BLUE}});
    FillPicture(page, BLUE);
    s->Hide();
    s->Draw(&page, nullptr);
    ExpectPixels(page, "hidden", {{{6, 0}, BLUE}});
    CFrameSprite* f = Make<CFrameSprite>(8, 2, 10, 20, {{7, 1}});
    for (POINT blue : {POINT{4, 0}, POINT{5, 0}, POINT{4, 1}, POINT{5, 1}})
        PutPixel(*f, blue.x, blue.y, BLUE);
    EXPECT_FALSE(f->SetRows(3) || f->SetRows(0) || f->SetColumns(9)) << "2 x 8 pixels make no 3 rows or 9 columns";
    ASSERT_TRUE(f->SetColumns(4) && f->SetRows(1));
    FlushDirty(nullptr);
    EXPECT_FALSE(f->SetColumn(4) || f->SetColumn(0)) << "no such column; already shown";
    EXPECT_TRUE(Dirty().empty());
    EXPECT_TRUE(f->SetColumn(2));
    EXPECT_EQ((Rects{{10, 20, 12, 22}}), Dirty());
    FillPicture(page, 0);
    f->Draw(&page, nullptr);
    ExpectPixels(page, "cell 2 only", {{{10, 20}, BLUE}, {{11, 21}, BLUE}, {{12, 20}, 0}});
}

} // namespace
