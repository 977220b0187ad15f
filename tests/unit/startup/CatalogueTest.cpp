// The name tables: every sticker's two pictures named once, an index outside
// a table reported, and the start-up check naming the first picture missing.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "sticker/Catalogue.h"
#include "support/Assert.h"
#include "support/CCheckFile.h"
#include "testing/TestFolder.h"

namespace {

TEST(CatalogueTest, EveryStickerHasItsOwnTwoPicturesAndAnIndexOutsideATableIsReported)
{
    std::set<std::string> names;
    for (int k = 0; k < NUMBEROFSTICKERGRAPHICS; ++k) {
        names.insert(TrayPictureName(k));
        names.insert(StickerPictureName(k));
    }
    EXPECT_EQ(2u * NUMBEROFSTICKERGRAPHICS, names.size()) << "no name is repeated";
    EXPECT_EQ(0u, names.count("")) << "and none is empty";

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

TEST(CheckFileTest, TheFirstPictureMissingIsNamedAndAFolderInItsPlaceCountsAsMissing)
{
    TestFolder folder;
    const std::string program = folder.path().string();
    std::filesystem::create_directories("data004/s0101.dat");
    CCheckFile check(program);
    EXPECT_EQ(1, check.CheckMissingFiles());
    EXPECT_EQ(program + "\\data004\\s0101.dat", check.GetMissingPath());
}

} // namespace
