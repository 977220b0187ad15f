#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "persist/NativePath.h"
#include "sticker/Catalogue.h"
#include "support/CCheckFile.h"
#include "testing/PictureBytes.h"
#include "testing/TestFolder.h"

namespace {

// Every picture the check probes, in its order.
std::vector<std::string> ProbedNames()
{
    std::vector<std::string> names;
    for (int k = 0; k < NUMBEROFSTICKERPICTURES; ++k)
        names.push_back(StickerPictureName(k));
    for (int k = 0; k < NUMBEROFPAGEBACKGROUNDS; ++k)
        names.push_back(PageBackgroundName(k));
    for (int k = 0; k < NUMBEROFCOMMANDBUTTONPICTURES; ++k)
        names.push_back(CommandButtonPictureName(k));
    for (int k = 0; k < NUMBEROFGROUPTABPICTURES; ++k)
        names.push_back(GroupTabPictureName(k));
    for (int k = 0; k < NUMBEROFTRAYPICTURES; ++k)
        names.push_back(TrayPictureName(k));
    for (const char* name : {"\\data004\\m0006.dat", "\\data004\\m0003.dat", "\\data004\\m0005.dat",
                             "\\data004\\m0001.dat", "\\data004\\b0017.dat", "\\data004\\m0002.dat",
                             "\\data004\\b0013.dat"})
        names.push_back(name);
    return names;
}

class CheckFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        program_ = folder_.path().string();
        std::filesystem::create_directory("data004");
        for (const std::string& name : ProbedNames())
            ASSERT_TRUE(WriteBytes(NativePath(program_ + name), {0x59, 0x35}));
    }
    void Remove(const std::string& name) { std::filesystem::remove(NativePath(program_ + name)); }

    TestFolder folder_;
    std::string program_;
};

TEST_F(CheckFileTest, NothingMissing)
{
    EXPECT_EQ(7u + 224 + 2 + 6 + 8 + 224, ProbedNames().size());
    CCheckFile check(program_);
    EXPECT_EQ(0, check.CheckMissingFiles());
    EXPECT_EQ("", check.GetMissingPath());
}

TEST_F(CheckFileTest, TheCountersAndSavesAreNotNeeded)
{
    WriteBytes("data004/b0019.dat", {1});
    Remove("\\data004\\b0019.dat");
    std::filesystem::remove_all("save004");
    std::filesystem::remove("options04.dta");
    EXPECT_EQ(0, CCheckFile(program_).CheckMissingFiles());
}

TEST_F(CheckFileTest, EachMissingPictureIsNamedWhenItIsTheOnlyOne)
{
    const std::vector<std::string> names = ProbedNames();
    // The ends of every group and a few between.
    const size_t picks[] = {0, 111, 112, 223, 224, 225, 226, 231, 232, 239, 240, 463, 464, 467, 469, 470};
    for (size_t k : picks) {
        SCOPED_TRACE(names[k]);
        const std::vector<uint8_t> saved = ReadBytes(NativePath(program_ + names[k]));
        Remove(names[k]);
        CCheckFile check(program_);
        EXPECT_EQ(1, check.CheckMissingFiles());
        EXPECT_EQ(program_ + names[k], check.GetMissingPath());
        WriteBytes(NativePath(program_ + names[k]), saved);
    }
}

TEST_F(CheckFileTest, TheFirstMissingFileInProbeOrderIsNamed)
{
    Remove("\\data004\\b0013.dat");
    Remove("\\data004\\b0101.dat");
    Remove("\\data004\\p0002.dat");
    CCheckFile check(program_);
    EXPECT_EQ(program_ + "\\data004\\p0002.dat", check.GetMissingPath())
        << "the backgrounds come before the tray pictures and the Start button";

    // A folder where the data is not: the first sticker picture.
    CCheckFile elsewhere(program_ + "\\data004");
    EXPECT_EQ(1, elsewhere.CheckMissingFiles());
    EXPECT_EQ(program_ + "\\data004\\data004\\s0101.dat", elsewhere.GetMissingPath());
}

TEST_F(CheckFileTest, AFolderInPlaceOfAPictureCountsAsMissing)
{
    Remove("\\data004\\m0005.dat");
    std::filesystem::create_directory("data004/m0005.dat");
    EXPECT_EQ(program_ + "\\data004\\m0005.dat", CCheckFile(program_).GetMissingPath());
}

} // namespace
