#include "PageTestSupport.h"

#include "testing/Rects.h"

namespace {

class CarryTest : public PageTest {
protected:
    void SetUp() override { ShowFirstPage(); }

    // As the sticker-button command does it.
    CSprite* PickUp(int index, int x, int y)
    {
        CSprite* sprite = doc.AddSticker(StickerPictureName(index), index, POINT{x, y});
        view.BeginCarry(nullptr, x, y, sprite);
        return sprite;
    }
};

TEST_F(CarryTest, TheStickerIsCentredUnderThePointerAndFollowsIt)
{
    CSprite* s = PickUp(106, 100, 100);
    EXPECT_TRUE(view.IsCarrying());
    EXPECT_EQ(70, s->GetX());
    EXPECT_EQ(80, s->GetY());
    EXPECT_EQ(1, platform.captures);
    EXPECT_EQ(CURSOR_NONE, CursorIndex);
    EXPECT_EQ(-1, platform.displayCount);

    view.FlushDirty(nullptr);
    view.OnMouseMove(nullptr, 0, 130, 101);
    EXPECT_EQ(100, s->GetX());
    EXPECT_EQ(81, s->GetY());
    EXPECT_EQ((std::vector<RECT>{{70, 80, 160, 121}}),
              std::vector<RECT>(view.GetDirtyRects().begin(), view.GetDirtyRects().end()));
    EXPECT_TRUE(platform.pointer.empty());
}

TEST_F(CarryTest, OddSizesHalveTowardZero)
{
    WritePictureFile(Native(StickerPictureName(107)), 7, 5, STICKER_COLOUR);
    CSprite* s = PickUp(107, 10, 10);
    EXPECT_EQ(7, s->GetX());
    EXPECT_EQ(8, s->GetY());
}

TEST_F(CarryTest, ThePointerIsPutBackOnThePageAndTheStickerReturnsWithIt)
{
    CSprite* s = PickUp(106, 400, 300);
    view.OnMouseMove(nullptr, 0, 900, -5);
    ASSERT_EQ(1u, platform.pointer.size());
    EXPECT_EQ(844, platform.pointer[0].x);
    EXPECT_EQ(0, platform.pointer[0].y);
    EXPECT_EQ(870, s->GetX()) << "moved to the unclamped point first";
    view.OnMouseMove(nullptr, 0, 844, 0);
    EXPECT_EQ(814, s->GetX());
    EXPECT_EQ(-20, s->GetY());
    view.OnMouseMove(nullptr, 0, 844, 588);
    EXPECT_EQ(1u, platform.pointer.size()) << "the page's own edges are inside";
}

TEST_F(CarryTest, ALeftClickOnThePlaceSnapsKeepsAndRecordsTheSticker)
{
    // Sticker 106 belongs at (332, 147) on page number 1.
    CSprite* s = PickUp(106, 332 + 30 + 19, 147 + 20 - 19);
    view.OnLButtonDown(nullptr, 0, 381, 148);
    EXPECT_FALSE(view.IsCarrying());
    EXPECT_EQ(332, s->GetX());
    EXPECT_EQ(147, s->GetY());
    EXPECT_EQ(1u, Stickers().size());
    EXPECT_EQ(1, platform.posted);
    EXPECT_EQ(1, platform.releases);
    EXPECT_EQ(0, platform.displayCount);
    EXPECT_EQ(CURSOR_ARROW, CursorIndex);
    EXPECT_TRUE(view.GetDirtyRects().empty()) << "flushed at once";
    EXPECT_FALSE(surface.blits.empty());

    // The ledger on disk already has it.
    std::vector<BYTE> ledger = ReadBytes("\\save004\\page00.sav");
    ASSERT_EQ(918u, ledger.size());
    EXPECT_EQ(1, ledger[22 + 4 * 106]);
    EXPECT_EQ(223, StickersUsed::ms_StickersLeft);
    // And so does the page file, written first: a crash now loses nothing.
    std::vector<BYTE> page = PageHeader();
    PutRecord(page, 106, 332, 147, 11, 0);
    EXPECT_EQ(page, ReadBytes("\\save004\\page01.sav"));

    // A stuck sticker stays whatever is clicked afterwards.
    view.OnRButtonDown(nullptr, 0, 340, 150);
    view.OnLButtonDown(nullptr, 0, 340, 150);
    EXPECT_EQ(1u, Stickers().size());
    EXPECT_EQ(0, platform.displayCount);
}

TEST_F(CarryTest, ALeftClickAwayFromThePlaceThrowsTheStickerAway)
{
    CSprite* s = PickUp(106, 500, 500);
    RECT where;
    s->GetRect(&where);
    view.FlushDirty(nullptr);
    view.OnLButtonDown(nullptr, 0, 500, 500);
    EXPECT_FALSE(view.IsCarrying());
    EXPECT_TRUE(Stickers().empty());
    EXPECT_EQ(0, platform.posted);
    EXPECT_EQ(0, platform.displayCount);
    EXPECT_EQ(1, platform.arrows);
    ASSERT_FALSE(view.GetDirtyRects().empty());
    EXPECT_EQ(where, view.GetDirtyRects().front()) << "its place is redrawn";
    EXPECT_EQ(224, StickersUsed::ms_StickersLeft);
}

TEST_F(CarryTest, ARightClickDiscardsOnceAndTheSecondDoesNothing)
{
    PickUp(106, 332 + 30, 147 + 20);
    view.OnRButtonDown(nullptr, 0, 362, 167);
    EXPECT_TRUE(Stickers().empty()) << "even on its place";
    EXPECT_EQ(0, platform.displayCount);
    EXPECT_EQ(1, platform.arrows);
    view.OnRButtonDown(nullptr, 0, 362, 167);
    EXPECT_EQ(1, platform.arrows);
    EXPECT_EQ(1, platform.releases);
    EXPECT_EQ(0, platform.displayCount);
}

TEST_F(CarryTest, TheCursorCountIsRestoredAfterEveryKindOfEnd)
{
    enum End { Stuck, Dropped, RightClick, Cleared };
    for (End end : {Stuck, Dropped, RightClick, Cleared}) {
        SCOPED_TRACE(end);
        const int x = end == Stuck ? 332 + 30 : 600;
        PickUp(106, x, 147 + 20);
        view.BeginCarry(nullptr, x, 167, view.GetCarriedSprite()); // a second begin hides nothing more
        EXPECT_EQ(-1, platform.displayCount);
        if (end == RightClick)
            view.OnRButtonDown(nullptr, 0, x, 167);
        else if (end == Cleared)
            view.RemoveAllSprites();
        else
            view.OnLButtonDown(nullptr, 0, x, 167);
        EXPECT_EQ(0, platform.displayCount);
        EXPECT_EQ(0, CursorHidden);
        EXPECT_EQ(CURSOR_ARROW, CursorIndex);
        EXPECT_FALSE(view.IsCarrying());
    }
    EXPECT_TRUE(doc.GetSprites().IsEmpty()) << "clearing took the stuck one too";
}

TEST_F(CarryTest, AClickWithNothingCarriedOnlyShowsTheArrow)
{
    view.OnLButtonDown(nullptr, 0, 10, 10);
    view.OnRButtonDown(nullptr, 0, 10, 10);
    view.OnMouseMove(nullptr, 0, 2000, 2000);
    EXPECT_EQ(1, platform.arrows);
    EXPECT_EQ(0, platform.releases);
    EXPECT_TRUE(platform.pointer.empty());
    EXPECT_EQ(0, platform.displayCount);
}

TEST_F(CarryTest, RemoveAllSpritesTakesCornersToo)
{
    doc.AddSticker(StickerPictureName(84), 84, POINT{10, 10});
    view.FlushDirty(nullptr);
    view.RemoveAllSprites();
    EXPECT_TRUE(doc.GetSprites().IsEmpty());
    EXPECT_EQ(5u, view.GetDirtyRects().size());
}

TEST_F(CarryTest, RenderingComposesBackgroundThenStickersBottomToTop)
{
    WritePictureFile(Native(StickerPictureName(84)), 10, 10, 0x111111);
    doc.AddSticker(StickerPictureName(106), 106, POINT{100, 100}); // 60 x 40, below
    CSprite* top = doc.AddSticker(StickerPictureName(84), 84, POINT{95, 95});
    view.FlushDirty(nullptr);
    const CMemoryDIB& buffer = *view.GetBuffer();
    EXPECT_EQ(0x111111u, PixelOf(buffer, 100, 100));
    EXPECT_EQ(STICKER_COLOUR, PixelOf(buffer, 105, 105));
    EXPECT_EQ(BACKGROUND_COLOUR, PixelOf(buffer, 99, 106));

    top->SetPosition(300, 300);
    view.FlushDirty(nullptr);
    EXPECT_EQ(STICKER_COLOUR, PixelOf(buffer, 100, 100)) << "the old place is recomposed";
    EXPECT_EQ(BACKGROUND_COLOUR, PixelOf(buffer, 95, 95));
}

} // namespace
