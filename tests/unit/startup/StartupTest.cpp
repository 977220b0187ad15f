// What start-up reads and checks: the options file, made when missing, a
// saved hint kept, anything rejected rewritten with the hint on; the name
// tables, an index outside one reported; the first picture missing named.
#include <gtest/gtest.h>

#include <set>

#include "sticker/Catalogue.h"
#include "support/Assert.h"
#include "support/CCheckFile.h"
#include "support/CInitialization.h"
#include "testing/Pictures.h"
#include "testing/TestFolder.h"

namespace {

typedef std::vector<uint8_t> Bytes;

// "ZEPGOPTN", version, option: the whole file, or its first bytes.
Bytes OptionsFile(int32_t version, int32_t option, size_t size = 20)
{
    Bytes bytes;
    PutString(bytes, "ZEPGOPTN");
    PutLong(bytes, version);
    PutLong(bytes, option);
    bytes.resize(size);
    return bytes;
}

class InitializationTest : public ::testing::Test {
protected:
    void SetUp() override { CInitialization::ms_ShowNewStickerHint = 77; }
    // The hint after a start with the file as it is, and the file after it.
    std::pair<int, Bytes> Start()
    {
        CInitialization options(folder_.path().string());
        return {CInitialization::ms_ShowNewStickerHint, ReadBytes("options04.dta")};
    }
    TestFolder folder_;
    TraceCapture trace_;
};

TEST_F(InitializationTest, AMissingFileIsCreatedWithTheHintOnAndASavedOptionIsKept)
{
    EXPECT_EQ(std::pair(1, OptionsFile(1024, 1)), Start());
    CInitialization::ms_ShowNewStickerHint = 0;
    CInitialization().Save();
    CInitialization::ms_ShowNewStickerHint = 1;
    EXPECT_EQ(std::pair(0, OptionsFile(1024, 0)), Start()) << "the hint stays off after a restart";
    WriteBytes("options04.dta", OptionsFile(1024, 5));
    EXPECT_EQ(5, Start().first) << "other values are kept as they are";
}

TEST_F(InitializationTest, RejectedFilesAreRewrittenWithTheHintOn)
{
    Bytes foreign = OptionsFile(1024, 0);
    foreign[11] = 'X';
    const std::string version = "CInitialization::DeSerialize: file version number is wrong\n";
    const std::string text = "CInitialization::DeSerialize: file text is wrong\n";
    const struct { const char* what; Bytes bytes; std::string trace; } cases[] = {
        {"version 1023", OptionsFile(1023, 0), version},
        {"foreign header", foreign, text},
        {"7-character header", {7, 0, 0, 0, 'Z', 'E', 'P', 'G', 'O', 'P', 'T', 0, 4, 0, 0, 0, 0, 0, 0}, text},
        {"19 bytes", OptionsFile(1024, 0, 19), ""},
        {"16 bytes", OptionsFile(1024, 0, 16), ""},
        {"empty", {}, ""},
        {"absurd header length", {0xFF, 0xFF, 0xFF, 0x7F, 'Z'}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes("options04.dta", c.bytes);
        EXPECT_EQ(std::pair(1, OptionsFile(1024, 1)), Start());
        EXPECT_EQ(c.trace, trace_.Take());
    }
}

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
