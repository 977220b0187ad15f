// The options file: made when missing, a saved hint kept, anything rejected
// rewritten with the hint on.
#include <gtest/gtest.h>

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

} // namespace
