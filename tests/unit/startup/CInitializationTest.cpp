#include <gtest/gtest.h>

#include "support/CInitialization.h"
#include "testing/PictureBytes.h"
#include "testing/TestFolder.h"
#include "testing/TraceCapture.h"

namespace {

typedef std::vector<uint8_t> Bytes;

// "ZEPGOPTN", version, option: the whole file, or its first bytes.
Bytes OptionsFile(int32_t version, int32_t option, size_t size = 20)
{
    Bytes bytes = {8, 0, 0, 0, 'Z', 'E', 'P', 'G', 'O', 'P', 'T', 'N'};
    for (int32_t value : {version, option})
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i)));
    bytes.resize(size);
    return bytes;
}

class InitializationTest : public ::testing::Test {
protected:
    void SetUp() override { CInitialization::ms_ShowNewStickerHint = 77; }
    Bytes Saved() { return ReadBytes("options04.dta"); }
    void Load() { CInitialization options(folder_.path().string()); }

    TestFolder folder_;
    TraceCapture trace_;
};

TEST_F(InitializationTest, AMissingFileIsCreatedWithTheHintOnAndASavedOptionIsKept)
{
    Load();
    EXPECT_EQ(1, CInitialization::ms_ShowNewStickerHint);
    EXPECT_EQ(OptionsFile(1024, 1), Saved());
    CInitialization::ms_ShowNewStickerHint = 0;
    CInitialization().Save();
    CInitialization::ms_ShowNewStickerHint = 1;
    Load();
    EXPECT_EQ(0, CInitialization::ms_ShowNewStickerHint) << "the hint stays off after a restart";
    EXPECT_EQ(OptionsFile(1024, 0), Saved()) << "a good file is not rewritten";
    WriteBytes("options04.dta", OptionsFile(1024, 5));
    Load();
    EXPECT_EQ(5, CInitialization::ms_ShowNewStickerHint) << "other values are kept as they are";
}

TEST_F(InitializationTest, RejectedFilesAreRewrittenWithTheHintOn)
{
    Bytes foreign = OptionsFile(1024, 0);
    foreign[11] = 'X';
    const std::string version = "CInitialization::DeSerialize: file version number is wrong";
    const std::string text = "CInitialization::DeSerialize: file text is wrong";
    const struct {
        const char* what;
        Bytes bytes;
        std::vector<std::string> trace;
    } cases[] = {
        {"version 1023", OptionsFile(1023, 0), {version}},
        {"foreign header", foreign, {text}},
        {"7-character header", {7, 0, 0, 0, 'Z', 'E', 'P', 'G', 'O', 'P', 'T', 0, 4, 0, 0, 0, 0, 0, 0}, {text}},
        {"19 bytes", OptionsFile(1024, 0, 19), {}},
        {"16 bytes", OptionsFile(1024, 0, 16), {}},
        {"empty", {}, {}},
        {"absurd header length", {0xFF, 0xFF, 0xFF, 0x7F, 'Z'}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes("options04.dta", c.bytes);
        Load();
        EXPECT_EQ(1, CInitialization::ms_ShowNewStickerHint);
        EXPECT_EQ(OptionsFile(1024, 1), Saved());
        EXPECT_EQ(c.trace, trace_.Take());
    }
}

} // namespace
