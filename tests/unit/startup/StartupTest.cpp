// What start-up reads and checks: the options file, made when missing, a
// saved hint kept, anything rejected rewritten with the hint on; the name
// tables, an index outside one reported; the first picture missing named.
#include <gtest/gtest.h>

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

// A start with the file as it is (no bytes: no file) leaves the hint and the file:
// a saved option is kept, a missing or rejected file is written afresh with the hint on.
TEST(InitializationTest, ASavedOptionIsKeptAndAMissingOrRejectedFileIsRewrittenWithTheHintOn)
{
    TestFolder folder;
    TraceCapture trace;
    const std::string version = "CInitialization::DeSerialize: file version number is wrong\n";
    const std::string text = "CInitialization::DeSerialize: file text is wrong\n";
    const struct { const char* what; Bytes bytes; int hint; std::string trace; } cases[] = {
        {"the hint off", OptionsFile(1024, 0), 0, ""}, {"another value", OptionsFile(1024, 5), 5, ""},
        {"missing", {}, 1, ""}, {"version 1023", OptionsFile(1023, 0), 1, version},
        {"19 bytes", OptionsFile(1024, 0, 19), 1, ""},
        {"7-character header", {7, 0, 0, 0, 'Z', 'E', 'P', 'G', 'O', 'P', 'T', 0, 4, 0, 0, 0, 0, 0, 0}, 1, text},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.bytes.empty() ? (void)std::filesystem::remove("options04.dta") : (void)WriteBytes("options04.dta", c.bytes);
        CInitialization::ms_ShowNewStickerHint = 77;
        CInitialization options(folder.path().string());
        EXPECT_EQ(std::pair(c.hint, c.hint == 1 ? OptionsFile(1024, 1) : c.bytes),
                  std::pair(CInitialization::ms_ShowNewStickerHint, ReadBytes("options04.dta")));
        EXPECT_EQ(c.trace, trace.Take());
    }
}

int g_Reports = 0;

TEST(CatalogueTest, AnIndexOutsideANameTableIsReportedAndNamesNothing)
{
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
