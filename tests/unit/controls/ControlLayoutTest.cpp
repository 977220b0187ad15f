#include <gtest/gtest.h>

#include <set>

#include "controls/ControlLayout.h"

namespace {

void ExpectRecord(const ButtonRecord& r, int id, int x, int y, int w, int h, int tag)
{
    SCOPED_TRACE(testing::Message() << "id " << id);
    EXPECT_EQ(id, r.id);
    EXPECT_EQ(x, r.x);
    EXPECT_EQ(y, r.y);
    EXPECT_EQ(w, r.width);
    EXPECT_EQ(h, r.height);
    EXPECT_EQ(tag, r.tag);
    EXPECT_EQ(nullptr, r.window);
}

TEST(ControlLayout, CommandButtonsAroundThePageIndicator)
{
    ExpectRecord(StartButtonRecords[0], 1000, 450, 538, 124, 50, 0);
    ExpectRecord(CommandButtonRecords[2], 1003, 417, 11, 190, 34, 0);
    // The previous page button ends just left of the indicator (x 414 to
    // 609); the next page button shares its last column.
    const ButtonRecord& previous = CommandButtonRecords[4];
    const ButtonRecord& next = CommandButtonRecords[5];
    ExpectRecord(previous, 1005, 350, 694, 64, 60, 1);
    ExpectRecord(next, 1006, 609, 694, 64, 60, 1);
    EXPECT_EQ(413, previous.x + previous.width - 1);
    EXPECT_EQ(414 + 196 - 1, next.x);
}

TEST(ControlLayout, CommandRecordsAreFoundByIdOnly)
{
    EXPECT_EQ(&CommandButtonRecords[0], FindCommandButtonRecord(1001));
    EXPECT_EQ(&CommandButtonRecords[5], FindCommandButtonRecord(1006));
    EXPECT_EQ(nullptr, FindCommandButtonRecord(1000));
    EXPECT_EQ(nullptr, FindCommandButtonRecord(1007));
}

TEST(ControlLayout, PageTabsLeaveAGapOverTheTopCentre)
{
    const int xs[NUMBER_OF_PAGE_TABS] = {150, 215, 280, 345, 619, 684, 749, 814};
    for (int i = 0; i < NUMBER_OF_PAGE_TABS; ++i)
        ExpectRecord(PageTabRecords[i], 1007 + i, xs[i], 9, 60, 65, 0);
}

TEST(ControlLayout, TrayRunsDownTheLeftAlongTheBottomAndUpTheRight)
{
    ExpectRecord(StickerButtonRecords[0], 1015, 15, 109, 60, 60, 2);
    ExpectRecord(StickerButtonRecords[8], 1023, 15, 629, 60, 60, 2);
    ExpectRecord(StickerButtonRecords[9], 1024, 15, 694, 60, 60, 1);
    ExpectRecord(StickerButtonRecords[13], 1028, 275, 694, 60, 60, 1);
    ExpectRecord(StickerButtonRecords[14], 1029, 689, 694, 60, 60, 1);
    ExpectRecord(StickerButtonRecords[18], 1033, 949, 694, 60, 60, 1);
    ExpectRecord(StickerButtonRecords[19], 1034, 949, 629, 60, 60, 3);
    ExpectRecord(StickerButtonRecords[27], 1042, 949, 109, 60, 60, 3);
    for (int i = 1; i < 9; ++i)
        EXPECT_EQ(65, StickerButtonRecords[i].y - StickerButtonRecords[i - 1].y) << i;
    for (int i = 20; i < 28; ++i)
        EXPECT_EQ(-65, StickerButtonRecords[i].y - StickerButtonRecords[i - 1].y) << i;
}

TEST(ControlLayout, IdsAreDistinctAndContiguous)
{
    std::set<int> ids = {StartButtonRecords[0].id};
    for (const ButtonRecord& r : CommandButtonRecords)
        ids.insert(r.id);
    for (const ButtonRecord& r : PageTabRecords)
        ids.insert(r.id);
    for (const ButtonRecord& r : StickerButtonRecords)
        ids.insert(r.id);
    EXPECT_EQ(43u, ids.size());
    EXPECT_EQ(1000, *ids.begin());
    EXPECT_EQ(1042, *ids.rbegin());
}

TEST(ControlLayout, PictureLayoutsNameTheirFilesAndTiles)
{
    const TileLayout& start = StartButtonLayouts()[0];
    EXPECT_EQ("\\data004\\b0013.dat", start.GetFileName());
    EXPECT_EQ(2, start.GetTileCount());
    EXPECT_EQ(50, start.GetTile(1).y);

    const char* commands[NUMBER_OF_COMMAND_BUTTONS] = {
        "\\data004\\b0015.dat", "\\data004\\b0014.dat", "\\data004\\b0001.dat",
        "\\data004\\b0012.dat", "\\data004\\b0018.dat", "\\data004\\b0002.dat",
    };
    for (int i = 0; i < NUMBER_OF_COMMAND_BUTTONS; ++i) {
        const TileLayout& layout = CommandButtonLayouts()[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(commands[i], layout.GetFileName());
        ASSERT_EQ(2, layout.GetTileCount());
        // Each face is exactly the size of its button, up above down.
        EXPECT_EQ(CommandButtonRecords[i].width, layout.GetTile(0).width);
        EXPECT_EQ(CommandButtonRecords[i].height, layout.GetTile(1).height);
        EXPECT_EQ(CommandButtonRecords[i].height, layout.GetTile(1).y);
    }

    EXPECT_EQ("\\data004\\b0004.dat", PageTabLayouts()[0].GetFileName());
    EXPECT_EQ("\\data004\\b0011.dat", PageTabLayouts()[7].GetFileName());
    EXPECT_EQ(65, PageTabLayouts()[7].GetTile(1).y);

    const TileLayout* faces = StickerButtonLayouts();
    EXPECT_EQ("\\data004\\b0101.dat", faces[0].GetFileName());
    EXPECT_EQ("\\data004\\b0201.dat", faces[28].GetFileName());
    EXPECT_EQ("\\data004\\b0828.dat", faces[223].GetFileName());
    ASSERT_EQ(5, faces[100].GetTileCount());
    EXPECT_EQ(240, faces[100].GetTile(4).x);
    EXPECT_EQ(60, faces[100].GetTile(4).width);
}

} // namespace
