#include "PageTestSupport.h"

#include "sticker/DeleteAll.h"

namespace {

const std::string PAGE1 = "\\save004\\page01.sav";
const std::string PAGE2 = "\\save004\\page02.sav";

TEST(PageCycleTest, TwoPagesWrapBothWays)
{
    CPageCycle cycle;
    cycle.NextPage();
    EXPECT_EQ(1, cycle.CurrentPage);
    cycle.NextPage();
    EXPECT_EQ(0, cycle.CurrentPage);
    cycle.PreviousPage();
    EXPECT_EQ(1, cycle.CurrentPage);
}

TEST_F(PageTest, APageShowsItsBackgroundAndFourCornerPiecesAtTheirDepths)
{
    EXPECT_EQ(1, doc.ShowPage(nullptr, PageBackgroundName(0), CORNER_PIECES));
    ASSERT_NE(nullptr, view.GetBuffer());
    EXPECT_EQ(PAGE_WIDTH, view.GetBuffer()->GetWidth());
    std::vector<int> depths;
    std::vector<POINT> places;
    CSpriteList& list = doc.GetSprites();
    for (CSprite* s = list.GetLast(); s; s = list.GetPrevious()) {
        depths.insert(depths.begin(), s->GetDepth());
        places.insert(places.begin(), POINT{s->GetX(), s->GetY()});
    }
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), depths);
    ASSERT_EQ(4u, places.size());
    EXPECT_EQ(836, places[3].x);
    EXPECT_EQ(580, places[3].y);

    view.FlushDirty(nullptr);
    const CMemoryDIB& buffer = *view.GetBuffer();
    EXPECT_EQ(CORNER_COLOUR, PixelOf(buffer, 0, 0));
    EXPECT_EQ(CORNER_COLOUR, PixelOf(buffer, 843, 587));
    EXPECT_EQ(BACKGROUND_COLOUR, PixelOf(buffer, 8, 0)) << "a corner piece is one 8-pixel cell";
    EXPECT_EQ(BACKGROUND_COLOUR, PixelOf(buffer, 400, 300));
}

TEST_F(PageTest, ANewDocumentIsABlankBackgroundOfItsOwnSize)
{
    ShowFirstPage();
    EXPECT_EQ(1, doc.OnNewDocument(nullptr));
    ASSERT_NE(nullptr, doc.GetBackground());
    EXPECT_EQ(320, doc.GetBackground()->GetWidth());
    EXPECT_EQ(240, view.GetBuffer()->GetHeight());
    EXPECT_TRUE(doc.GetSprites().IsEmpty());
}

TEST_F(PageTest, AMissingBackgroundStillGetsItsCornerPieces)
{
    EXPECT_EQ(0, doc.ShowPage(nullptr, "\\data004\\none.dat", CORNER_PIECES));
    EXPECT_EQ(4, CornerCount());
}

TEST_F(PageTest, AnUnreadableBackgroundTurnsToPlainPaperWithoutThePreviousPagesStickers)
{
    ShowFirstPage();
    doc.AddSticker(StickerPictureName(106), 106, POINT{332, 147});
    EXPECT_EQ(0, doc.ShowPage(nullptr, "\\data004\\none.dat", CORNER_PIECES));
    EXPECT_EQ(4, CornerCount());
    EXPECT_EQ(4, static_cast<int>(doc.GetSprites().GetCount()))
        << "only the corner pieces: the sticker belonged to the page before";
    ASSERT_NE(nullptr, view.GetBuffer());
    EXPECT_EQ(PAGE_WIDTH, view.GetBuffer()->GetWidth());
    view.FlushDirty(nullptr);
    EXPECT_EQ(0xFFFFFFu, PixelOf(*view.GetBuffer(), 400, 300));
    doc.SavePage();
    EXPECT_EQ(PageHeader(), ReadBytes(PAGE1));
}

TEST_F(PageTest, PageFilesHoldTheHeaderAndOneRecordPerStickerBottomFirstBelowDepthTenNone)
{
    ShowFirstPage();
    doc.SavePage();
    EXPECT_EQ(PageHeader(), ReadBytes(PAGE1)) << "an empty page is the header alone";

    doc.AddSticker(StickerPictureName(106), 106, POINT{332, 147});
    CSprite* top = doc.AddSticker(StickerPictureName(107), 107, POINT{-5, 600});
    top->SetMirror(true);
    doc.AddSticker(StickerPictureName(111), 111, POINT{9, 9})->SetDepth(7);
    doc.SavePage();
    std::vector<BYTE> expected = PageHeader();
    PutRecord(expected, 106, 332, 147, 12, 0);
    PutRecord(expected, 107, -5, 600, 11, 1);
    EXPECT_EQ(expected, ReadBytes(PAGE1));
}

TEST_F(PageTest, ReadingBackIgnoresTheStoredDepthAndKeepsTheMirror)
{
    std::vector<BYTE> bytes = PageHeader();
    PutRecord(bytes, 106, 332, 147, 7, 0); // a depth below 10 is not applied
    PutRecord(bytes, 107, 124, 74, 99, 1);
    WriteBytes(PAGE1, bytes);
    ShowFirstPage();

    std::vector<CSprite*> stickers = Stickers();
    ASSERT_EQ(2u, stickers.size());
    EXPECT_EQ(106, stickers[0]->GetStickerIndex());
    EXPECT_EQ(12, stickers[0]->GetDepth());
    EXPECT_FALSE(stickers[0]->IsMirrored());
    EXPECT_EQ(107, stickers[1]->GetStickerIndex());
    EXPECT_EQ(124, stickers[1]->GetX());
    EXPECT_EQ(11, stickers[1]->GetDepth());
    EXPECT_TRUE(stickers[1]->IsMirrored());
    EXPECT_EQ(4, CornerCount());
}

TEST_F(PageTest, ReadingSkipsWhatCouldNotHaveBeenStuckThereAndARecordCutShort)
{
    std::vector<BYTE> bytes = PageHeader();
    PutRecord(bytes, 106, 332, 147, 11, 0);
    PutRecord(bytes, 224, 3, 4, 12, 0); // outside the tables
    PutRecord(bytes, -1, 3, 4, 12, 0);
    PutRecord(bytes, 108, 587, 63, 12, 0); // its picture is missing
    PutRecord(bytes, 84, 100, 69, 12, 0); // it belongs on the other page
    PutRecord(bytes, 107, 0x7FFFFFFF, 74, 12, 0); // not at its place
    PutRecord(bytes, 106, 332, 147, 12, 0); // already there
    PutRecord(bytes, 111, 705, 388, 13, 0);
    PutRecord(bytes, 107, 124, 74, 14, 0);
    bytes.resize(bytes.size() - 2); // its last number cut short
    WriteBytes(PAGE1, bytes);

    EXPECT_EQ(1, doc.ReadSprites(FullPath(PAGE1)));
    std::vector<long> indexes;
    for (CSprite* s : Stickers())
        indexes.push_back(s->GetStickerIndex());
    EXPECT_EQ((std::vector<long>{106, 111}), indexes);
}

TEST_F(PageTest, AForeignOrMissingPageFileGivesNoStickers)
{
    EXPECT_EQ(0, doc.ReadSprites(FullPath(PAGE1))) << "missing";

    std::vector<BYTE> foreign;
    PutString(foreign, "MORVEN05");
    PutLong(foreign, 1024);
    PutRecord(foreign, 84, 1, 2, 11, 0);
    WriteBytes(PAGE1, foreign);
    EXPECT_EQ(0, doc.ReadSprites(FullPath(PAGE1)));

    std::vector<BYTE> version;
    PutString(version, "MORVEN04");
    PutLong(version, 1025);
    PutRecord(version, 84, 1, 2, 11, 0);
    WriteBytes(PAGE1, version);
    EXPECT_EQ(0, doc.ReadSprites(FullPath(PAGE1)));

    std::vector<BYTE> shortText;
    PutString(shortText, "MORVEN0");
    WriteBytes(PAGE1, shortText);
    EXPECT_EQ(0, doc.ReadSprites(FullPath(PAGE1)));
    EXPECT_TRUE(Stickers().empty());
}

TEST_F(PageTest, TurningPagesSavesTheOldPageAndRebuildsTheNewOneFromItsFile)
{
    ShowFirstPage();
    doc.AddSticker(StickerPictureName(106), 106, POINT{332, 147});
    const long firstId = Stickers()[0]->GetSerialId();

    doc.GoToPage(CAnimDoc::GoNext);
    EXPECT_EQ(1, PageCycle.CurrentPage);
    EXPECT_TRUE(Stickers().empty());
    EXPECT_EQ(4, CornerCount());
    EXPECT_EQ(PageHeader().size() + 20, ReadBytes(PAGE1).size());

    doc.GoToPage(CAnimDoc::GoPrevious);
    EXPECT_EQ(0, PageCycle.CurrentPage);
    ASSERT_EQ(1u, Stickers().size());
    EXPECT_EQ(332, Stickers()[0]->GetX());
    EXPECT_GT(Stickers()[0]->GetSerialId(), firstId) << "ids keep rising";
    EXPECT_EQ(PageHeader(), ReadBytes(PAGE2));

    doc.GoToPage(CAnimDoc::GoStay);
    EXPECT_EQ(0, PageCycle.CurrentPage);
    ASSERT_EQ(1u, Stickers().size());
    EXPECT_EQ(147, Stickers()[0]->GetY());
    EXPECT_EQ(4, CornerCount());
}

TEST_F(PageTest, ASaveIntoAMissingFolderReportsZero)
{
    ShowFirstPage();
    doc.AddSticker(StickerPictureName(106), 106, POINT{1, 1});
    EXPECT_EQ(1, doc.WriteSprites(FullPath(PAGE1)));
    EXPECT_EQ(0, doc.WriteSprites(FullPath("\\nofolder\\page01.sav")));
}

TEST_F(PageTest, ClearingPagesWritesBothAsTheBareHeader)
{
    std::vector<BYTE> full = PageHeader();
    PutRecord(full, 84, 1, 2, 11, 0);
    WriteBytes(PAGE1, full);
    WriteBytes(PAGE2, full);
    {
        DeleteAll deleteAll;
        EXPECT_TRUE(deleteAll.IsValid());
        deleteAll.ClearPages();
        EXPECT_EQ(0, deleteAll.WriteEmptyPage(FullPath("\\nofolder\\x.sav")));
    }
    EXPECT_EQ(PageHeader(), ReadBytes(PAGE1));
    EXPECT_EQ(PageHeader(), ReadBytes(PAGE2));
}

} // namespace
