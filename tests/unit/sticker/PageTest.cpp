// The page as a child uses it: page files written and read back, the carried
// sticker, where it sticks, what is written when, and the page composed.
#include "PageTestSupport.h"

#include "sticker/DeleteAll.h"
#include "sticker/PlaceTable.h"

namespace {

const std::string PAGE1 = "\\save004\\page01.sav";
const std::string PAGE2 = "\\save004\\page02.sav";

class StickerTest : public PageTest {
protected:
    // As the sticker-button command does it.
    CSprite* PickUp(int index, int x, int y)
    {
        CSprite* sprite = doc.AddSticker(StickerPictureName(index), index, POINT{x, y});
        view.BeginCarry(nullptr, x, y, sprite);
        return sprite;
    }
    std::vector<long> Indexes()
    {
        std::vector<long> indexes;
        for (CSprite* s : Stickers())
            indexes.push_back(s->GetStickerIndex());
        return indexes;
    }
};

TEST_F(StickerTest, PagesAreWrittenBottomFirstAndReadBackAcrossPageTurns)
{
    ShowFirstPage();
    doc.SavePage();
    EXPECT_EQ(PageHeader(), ReadBytes(PAGE1)) << "an empty page is the header alone";
    doc.AddSticker(StickerPictureName(106), 106, POINT{332, 147});
    doc.AddSticker(StickerPictureName(107), 107, POINT{124, 74})->SetMirror(true);
    doc.AddSticker(StickerPictureName(111), 111, POINT{9, 9})->SetDepth(7);
    doc.GoToPage(CAnimDoc::GoNext);
    std::vector<BYTE> expected = PageHeader();
    PutRecord(expected, 106, 332, 147, 12, 0);
    PutRecord(expected, 107, 124, 74, 11, 1);
    EXPECT_EQ(expected, ReadBytes(PAGE1)) << "saved on turning; nothing below depth ten";
    EXPECT_EQ(1, PageCycle.CurrentPage);
    EXPECT_TRUE(Stickers().empty());
    EXPECT_EQ(4, CornerCount());

    doc.GoToPage(CAnimDoc::GoPrevious);
    EXPECT_EQ(PageHeader(), ReadBytes(PAGE2));
    const std::vector<CSprite*> back = Stickers();
    ASSERT_EQ(2u, back.size());
    EXPECT_EQ(106, back[0]->GetStickerIndex());
    EXPECT_FALSE(back[0]->IsMirrored());
    EXPECT_EQ(124, back[1]->GetX());
    EXPECT_TRUE(back[1]->IsMirrored());
    EXPECT_EQ(4, CornerCount());
    doc.GoToPage(CAnimDoc::GoNext);
    doc.GoToPage(CAnimDoc::GoNext);
    EXPECT_EQ(0, PageCycle.CurrentPage) << "two pages wrap round";
    EXPECT_EQ(0, doc.WriteSprites(FullPath("\\nofolder\\page01.sav")));
}

TEST_F(StickerTest, DamagedOrForeignPageFilesGiveOnlyTheStickersThatCanBeShown)
{
    std::vector<BYTE> damaged = PageHeader();
    const int records[][3] = {
        {106, 332, 147}, {224, 3, 4}, {-1, 3, 4},  // no such sticker
        {108, 587, 63},                            // its picture is missing
        {84, 100, 69},                             // it belongs on the other page
        {107, 0x7FFFFFFF, 74},                     // not at its place
        {106, 332, 147},                           // already there
        {111, 705, 388}, {107, 124, 74},
    };
    for (const auto& r : records)
        PutRecord(damaged, r[0], r[1], r[2], 12, 0);
    damaged.resize(damaged.size() - 2);  // its last number cut short
    std::vector<BYTE> foreign, version, shortText;
    PutString(foreign, "MORVEN05");
    PutLong(foreign, 1024);
    PutString(version, "MORVEN04");
    PutLong(version, 1025);
    PutString(shortText, "MORVEN0");
    for (std::vector<BYTE>* file : {&foreign, &version})
        PutRecord(*file, 84, 1, 2, 11, 0);
    const struct {
        const char* what;
        std::vector<BYTE> bytes;
        int read;
        std::vector<long> stickers;
    } cases[] = {
        {"records that could not have been stuck there", damaged, 1, {106, 111}},
        {"another name", foreign, 0, {}},
        {"another number", version, 0, {}},
        {"a short name", shortText, 0, {}},
    };
    EXPECT_EQ(0, doc.ReadSprites(FullPath(PAGE1))) << "missing";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(PAGE1, c.bytes);
        EXPECT_EQ(c.read, doc.ReadSprites(FullPath(PAGE1)));
        EXPECT_EQ(c.stickers, Indexes());
        view.RemoveAllSprites();
    }
}

TEST_F(StickerTest, AnUnreadableBackgroundTurnsToPlainPaperWithoutThePreviousPagesStickers)
{
    ShowFirstPage();
    doc.AddSticker(StickerPictureName(106), 106, POINT{332, 147});
    EXPECT_EQ(0, doc.ShowPage(nullptr, "\\data004\\none.dat", CORNER_PIECES));
    EXPECT_EQ(4, static_cast<int>(doc.GetSprites().GetCount()))
        << "only the corner pieces: the sticker belonged to the page before";
    ASSERT_NE(nullptr, view.GetBuffer());
    EXPECT_EQ(PAGE_WIDTH, view.GetBuffer()->GetWidth());
    view.FlushDirty(nullptr);
    EXPECT_EQ(0xFFFFFFu, PixelOf(*view.GetBuffer(), 400, 300));
    doc.SavePage();
    EXPECT_EQ(PageHeader(), ReadBytes(PAGE1));
}

TEST_F(StickerTest, TheCarriedStickerIsCentredFollowsThePointerAndTheStickerKeepsToThePage)
{
    ShowFirstPage();
    CSprite* s = PickUp(106, 100, 100);
    EXPECT_EQ(70, s->GetX());
    EXPECT_EQ(80, s->GetY());
    EXPECT_EQ(CURSOR_NONE, CursorIndex);
    EXPECT_EQ(-1, platform.displayCount);
    view.OnMouseMove(nullptr, 0, 900, -5);
    ASSERT_EQ(1u, platform.pointer.size());
    EXPECT_EQ(844, platform.pointer[0].x);
    EXPECT_EQ(0, platform.pointer[0].y);
    view.OnMouseMove(nullptr, 0, 844, 588);
    EXPECT_EQ(814, s->GetX());
    EXPECT_EQ(1u, platform.pointer.size()) << "the page's own edges are inside";
}

TEST_F(StickerTest, AStickerSticksOnlyStrictlyWithinTwentyPixelsOfItsPlaceOnItsOwnPage)
{
    ShowFirstPage();
    StickerOverPosition check;
    EXPECT_EQ(0, check.Check()) << "nothing carried";
    const struct {
        int index, x, y, sticks;
    } cases[] = {
        {106, 351, 128, 1}, {106, 313, 166, 1}, {106, 352, 147, 0}, {106, 332, 167, 0},
        {86, -7, 9, 0},  // its place, but on the second page
        {0, 24, 77, 0},  // a sticker of no page of this book
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.index << " at " << c.x << ", " << c.y);
        CSprite* s = doc.AddSticker(StickerPictureName(c.index), c.index, POINT{0, 0});
        view.BeginCarry(nullptr, c.x + STICKER_W / 2, c.y + STICKER_H / 2, s);
        EXPECT_EQ(c.sticks, check.Check());
        EXPECT_EQ(c.sticks ? STICKER_PLACES[c.index].x : c.x, s->GetX());
        view.OnRButtonDown(nullptr, 0, 0, 0);
    }
    CSprite* unknown = new CSprite(0, 224, nullptr);
    unknown->CreateBlank(10, 10);
    view.BeginCarry(nullptr, 5, 5, unknown);
    EXPECT_EQ(0, check.Check()) << "an index outside the table";
    view.OnRButtonDown(nullptr, 0, 5, 5);
}

TEST_F(StickerTest, AStickWritesThePageFileBeforeTheLedgerAndTheStickerStays)
{
    ShowFirstPage();
    CSprite* s = PickUp(106, 332 + 30 + 19, 147 + 20 - 19);
    view.OnLButtonDown(nullptr, 0, 381, 148);
    EXPECT_FALSE(view.IsCarrying());
    EXPECT_EQ(332, s->GetX());
    EXPECT_EQ(147, s->GetY());
    EXPECT_EQ(1, platform.posted);
    EXPECT_TRUE(view.GetDirtyRects().empty()) << "flushed at once";
    EXPECT_FALSE(surface.blits.empty());
    std::vector<BYTE> ledger = ReadBytes("\\save004\\page00.sav");
    ASSERT_EQ(918u, ledger.size());
    EXPECT_EQ(1, ledger[22 + 4 * 106]);
    EXPECT_EQ(223, StickersUsed::ms_StickersLeft);
    std::vector<BYTE> page = PageHeader();
    PutRecord(page, 106, 332, 147, 11, 0);
    EXPECT_EQ(page, ReadBytes(PAGE1));
    view.OnRButtonDown(nullptr, 0, 340, 150);
    view.OnLButtonDown(nullptr, 0, 340, 150);
    EXPECT_EQ(1u, Stickers().size()) << "a stuck sticker stays whatever is clicked";
}

TEST_F(StickerTest, EveryEndOfACarryRestoresTheCursorOnce)
{
    ShowFirstPage();
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
        view.OnRButtonDown(nullptr, 0, x, 167);
        EXPECT_EQ(0, platform.displayCount) << "a click with nothing carried changes nothing";
    }
    EXPECT_TRUE(doc.GetSprites().IsEmpty()) << "clearing took the stuck one and the corners";
}

TEST_F(StickerTest, ThePageIsComposedBackgroundCornersThenStickersBottomToTop)
{
    ShowFirstPage();
    WritePictureFile(Native(StickerPictureName(84)), 10, 10, 0x111111);
    doc.AddSticker(StickerPictureName(106), 106, POINT{100, 100});
    CSprite* top = doc.AddSticker(StickerPictureName(84), 84, POINT{95, 95});
    view.FlushDirty(nullptr);
    const CMemoryDIB& buffer = *view.GetBuffer();
    EXPECT_EQ(CORNER_COLOUR, PixelOf(buffer, 843, 587));
    EXPECT_EQ(BACKGROUND_COLOUR, PixelOf(buffer, 8, 0)) << "a corner piece is one 8-pixel cell";
    EXPECT_EQ(0x111111u, PixelOf(buffer, 100, 100));
    EXPECT_EQ(STICKER_COLOUR, PixelOf(buffer, 105, 105));
    top->SetPosition(300, 300);
    view.FlushDirty(nullptr);
    EXPECT_EQ(STICKER_COLOUR, PixelOf(buffer, 100, 100)) << "the old place is recomposed";
    EXPECT_EQ(BACKGROUND_COLOUR, PixelOf(buffer, 95, 95));
}

TEST_F(StickerTest, ClearingPagesWritesBothAsTheBareHeader)
{
    std::vector<BYTE> full = PageHeader();
    PutRecord(full, 84, 1, 2, 11, 0);
    WriteBytes(PAGE1, full);
    WriteBytes(PAGE2, full);
    DeleteAll deleteAll;
    deleteAll.ClearPages();
    EXPECT_EQ(0, deleteAll.WriteEmptyPage(FullPath("\\nofolder\\x.sav")));
    EXPECT_EQ(PageHeader(), ReadBytes(PAGE1));
    EXPECT_EQ(PageHeader(), ReadBytes(PAGE2));
}

} // namespace
