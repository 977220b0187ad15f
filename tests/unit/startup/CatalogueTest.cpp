#include <gtest/gtest.h>

#include <set>

#include "sticker/Catalogue.h"
#include "support/Assert.h"

namespace {

TEST(CatalogueTest, StickerTablesRunByGroupAndPosition)
{
    EXPECT_EQ("\\data004\\b0101.dat", TrayPictureName(0));
    EXPECT_EQ("\\data004\\s0101.dat", StickerPictureName(STICKER01_01));
    EXPECT_EQ("\\data004\\b0128.dat", TrayPictureName(27));
    EXPECT_EQ("\\data004\\b0201.dat", TrayPictureName(28));
    EXPECT_EQ("\\data004\\b0428.dat", TrayPictureName(111));
    EXPECT_EQ("\\data004\\s0428.dat", StickerPictureName(111));
    EXPECT_EQ("\\data004\\s0501.dat", StickerPictureName(112)) << "every tray sticker has its picture";
    EXPECT_EQ("\\data004\\b0828.dat", TrayPictureName(223));
    EXPECT_EQ("\\data004\\s0828.dat", StickerPictureName(223));

    std::set<std::string> names;
    for (int k = 0; k < NUMBEROFSTICKERGRAPHICS; ++k) {
        names.insert(TrayPictureName(k));
        names.insert(StickerPictureName(k));
    }
    EXPECT_EQ(2u * NUMBEROFSTICKERGRAPHICS, names.size()) << "no name is repeated";
}

TEST(CatalogueTest, ScreenAndSaveTables)
{
    EXPECT_EQ("\\data004\\b0004.dat", GroupTabPictureName(0));
    EXPECT_EQ("\\data004\\b0011.dat", GroupTabPictureName(7));
    const char* const commands[] = {"\\data004\\b0015.dat", "\\data004\\b0014.dat",
                                    "\\data004\\b0001.dat", "\\data004\\b0012.dat",
                                    "\\data004\\b0018.dat", "\\data004\\b0002.dat"};
    for (int k = 0; k < NUMBEROFCOMMANDBUTTONPICTURES; ++k)
        EXPECT_EQ(commands[k], CommandButtonPictureName(k)) << k;
    EXPECT_EQ("\\data004\\p0001.dat", PageBackgroundName(0));
    EXPECT_EQ("\\data004\\p0002.dat", PageBackgroundName(1));
    EXPECT_EQ("\\data004\\m0002.dat", CornerStripName());
    EXPECT_EQ("\\save004\\page01.sav", SaveName(SAVE_PAGE01));
    EXPECT_EQ("\\save004\\page02.sav", SaveName(SAVE_PAGE02));
    EXPECT_EQ("\\save004\\page00.sav", SaveName(SAVE_STICKERSUSED));
}

TEST(CatalogueTest, AnIndexOutsideATableIsReportedAndGivesNoName)
{
    static int reports;
    reports = 0;
    SetAssertUi({[](const char*) {
                     ++reports;
                     return false;
                 },
                 nullptr, nullptr});
    EXPECT_EQ("", TrayPictureName(224));
    EXPECT_EQ("", StickerPictureName(-1));
    EXPECT_EQ("", PageBackgroundName(2));
    EXPECT_EQ("", SaveName(3));
    SetAssertUi({nullptr, nullptr, nullptr});
    EXPECT_EQ(4, reports);
}

} // namespace
