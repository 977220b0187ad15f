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

int g_Reports = 0;

TEST(CatalogueTest, EveryStickerHasItsOwnTwoPicturesAndAnIndexOutsideATableIsReported)
{
    std::set<std::string> names = {""};
    for (int k = 0; k < NUMBEROFSTICKERGRAPHICS; ++k)
        names.insert({TrayPictureName(k), StickerPictureName(k)});
    EXPECT_EQ(2u * NUMBEROFSTICKERGRAPHICS + 1, names.size()) << "none repeated, none empty";

    SetAssertUi({[](const char*) { return ++g_Reports, false; }, nullptr, nullptr});
    const std::string outside = TrayPictureName(224) + StickerPictureName(-1) + PageBackgroundName(2) + SaveName(3);
    SetAssertUi({nullptr, nullptr, nullptr});
    EXPECT_EQ(std::pair(std::string(), 4), std::pair(outside, g_Reports)) << "names, reports";
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
