// What start-up reads and checks: the options file, made when missing, a
// saved hint kept, anything rejected rewritten with the hint on; the name
// tables, an index outside one reported; the first picture missing named.
#include <gtest/gtest.h>

#include "sticker/Catalogue.h"
#include "support/Assert.h"
#include "support/CCheckFile.h"
#include "support/CInitialization.h"
#include "support/Platform.h"
#include "testing/Pictures.h"
#include "testing/TestFolder.h"

namespace {

// "ZEPGOPTN", version, option: the whole file, or its first bytes.
Bytes OptionsFile(int32_t version, int32_t option, size_t size = 20)
{
    Bytes bytes;
    PutString(bytes, "ZEPGOPTN"), PutLong(bytes, version), PutLong(bytes, option);
    return bytes.resize(size), bytes;
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

// Every picture made, then one of each group made missing, from the last group
// probed to the first: each is named ahead of the groups probed after it. A
// folder in a picture's place, or a picture another program locks, is missing.
TEST(CheckFileTest, APictureMissingFromAnyGroupIsNamedFirstInProbeOrderAndAFolderOrALockCountsAsMissing)
{
    TestFolder folder;
    const std::string program = folder.path().string();
    std::filesystem::create_directory("data004");
    // sGGNN and bGGNN; in group 0 the buttons' pictures but the counter's (b0019, b0020), the screens' and the pages'.
    for (int group = 0; group <= 8; ++group)
        for (int n = 1; n <= (group ? 28 : 18); ++n)
            for (char kind : std::string(group ? "sb" : "bmp"))
                WriteBytes("data004/" + (kind + std::to_string(10000 + 100 * group + n).substr(1)) + ".dat", {});
    const CCheckFile whole(program);
    EXPECT_EQ(std::pair(0, std::string()), std::pair(whole.CheckMissingFiles(), whole.GetMissingPath()));
#ifdef _WIN32
    HANDLE lock = CreateFileA("data004\\b0013.dat", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(program + "\\data004\\b0013.dat", CCheckFile(program).GetMissingPath()) << "locked";
    CloseHandle(lock);
#endif
    const char* const lastOfEachGroup[] = {"s0828", "p0002", "b0002", "b0011", "b0828", "m0006", "m0003", "m0005",
                                           "m0001", "b0017", "m0002", "b0013"};
    for (int k = static_cast<int>(std::size(lastOfEachGroup)) - 1; k >= 0; --k) {
        const std::string name = std::string("data004/") + lastOfEachGroup[k] + ".dat";
        std::filesystem::remove(name);
        if (k == 4)
            std::filesystem::create_directory(name);
        CCheckFile check(program);
        EXPECT_EQ(std::pair(1, program + "\\data004\\" + lastOfEachGroup[k] + ".dat"),
                  std::pair(check.CheckMissingFiles(), check.GetMissingPath()));
    }
}

} // namespace
