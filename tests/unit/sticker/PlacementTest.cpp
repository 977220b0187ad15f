#include "PageTestSupport.h"

namespace {

class PlacementTest : public PageTest {
protected:
    // A carried sticker whose top-left is (x, y).
    CSprite* CarryAt(int index, int x, int y)
    {
        CSprite* s = doc.AddSticker(StickerPictureName(index), index, POINT{0, 0});
        view.BeginCarry(nullptr, x + STICKER_W / 2, y + STICKER_H / 2, s);
        EXPECT_EQ(x, s->GetX());
        return s;
    }
    StickerOverPosition check;
};

TEST_F(PlacementTest, StrictlyWithinTwentyPixelsOfItsPlaceOnItsPageSticks)
{
    ShowFirstPage();
    CSprite* s = CarryAt(106, 351, 128);
    EXPECT_EQ(1, check.Check());
    EXPECT_EQ(332, s->GetX());
    EXPECT_EQ(147, s->GetY());

    s = CarryAt(106, 352, 147);
    EXPECT_EQ(0, check.Check()) << "20 is outside the tolerance";
    EXPECT_EQ(352, s->GetX());
    s = CarryAt(106, 332, 167);
    EXPECT_EQ(0, check.Check());
    s = CarryAt(106, 313, 166);
    EXPECT_EQ(1, check.Check());
}

TEST_F(PlacementTest, OnlyOnItsOwnPage)
{
    PageCycle.CurrentPage = 1;
    ShowFirstPage();
    CarryAt(106, 332, 147);
    EXPECT_EQ(0, check.Check());
    CSprite* s = CarryAt(86, -7, 9); // page number 2, partly left of the page
    EXPECT_EQ(1, check.Check());
    EXPECT_EQ(-7, s->GetX());
}

TEST_F(PlacementTest, StickersOfOtherPagesNeverStickAndNothingCarriedAnswersZero)
{
    ShowFirstPage();
    EXPECT_TRUE(check.IsValid());
    EXPECT_EQ(0, check.Check());
    CSprite* s = CarryAt(0, 24, 77); // page number 9
    EXPECT_EQ(0, check.Check());
    EXPECT_EQ(24, s->GetX());
}

TEST_F(PlacementTest, AnIndexOutsideTheTableAnswersZero)
{
    ShowFirstPage();
    for (long index : {-1L, 224L, 100000L}) {
        SCOPED_TRACE(index);
        CSprite* s = new CSprite(0, index, nullptr);
        s->CreateBlank(10, 10);
        view.BeginCarry(nullptr, 5, 5, s);
        EXPECT_EQ(0, check.Check());
        view.OnRButtonDown(nullptr, 0, 5, 5); // never in the list: only deleted
    }
}

} // namespace
