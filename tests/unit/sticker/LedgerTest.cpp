#include "PageTestSupport.h"

#include <array>
#include <functional>

#include "persist/DeSerializer.h"
#include "persist/FileReplace.h"
#include "sticker/PageFile.h"
#include "support/Log.h"

namespace {

const std::string LEDGER = "\\save004\\page00.sav";
const std::string PAGE1 = "\\save004\\page01.sav";
const std::string PAGE2 = "\\save004\\page02.sav";

std::vector<BYTE> Cut(std::vector<BYTE> bytes, size_t size)
{
    bytes.resize(size);
    return bytes;
}

std::vector<BYTE> LedgerBytes(const std::vector<int>& used, const std::string& ver = "TV",
                              const std::string& text = "MORVEN04", int number = 1024,
                              size_t states = 224)
{
    std::vector<BYTE> bytes;
    PutString(bytes, ver);
    PutString(bytes, text);
    PutLong(bytes, number);
    for (size_t i = 0; i < states; ++i) {
        int state = 0;
        for (int u : used)
            state |= u == static_cast<int>(i);
        PutLong(bytes, state);
    }
    return bytes;
}

typedef std::vector<std::array<int, 3>> Records; // index, x, y

std::vector<BYTE> PageBytes(const Records& records)
{
    std::vector<BYTE> bytes = PageHeader();
    for (const auto& r : records)
        PutRecord(bytes, r[0], r[1], r[2], 11, 0);
    return bytes;
}

std::vector<long> IndexesOn(int page)
{
    std::vector<long> indexes;
    DeSerializer in(FullPath(page == 0 ? PAGE1 : PAGE2));
    for (const PageRecord& r : ReadPageRecords(in, page))
        indexes.push_back(r.index);
    return indexes;
}

// The file names every save replaces, in order, then the platform's replace.
std::vector<std::string> g_Replaced;
FileReplacer g_PlatformReplace;

bool RecordingReplace(const std::string& temporary, const std::string& target)
{
    g_Replaced.push_back(std::filesystem::path(target).filename().string());
    return g_PlatformReplace(temporary, target);
}

class LedgerTest : public PageTest {
protected:
    void FillPages()
    {
        std::vector<BYTE> page = PageHeader();
        PutRecord(page, 84, 1, 2, 11, 0);
        WriteBytes(PAGE1, page);
        WriteBytes(PAGE2, page);
    }
    void ExpectResetWithEmptyPages()
    {
        EXPECT_EQ(224, StickersUsed::ms_StickersLeft);
        for (int i = 0; i < 224; ++i)
            ASSERT_EQ(SU_NOT_USED, ledger->GetStickerUsed(i)) << i;
        EXPECT_EQ(LedgerBytes({}), ReadBytes(LEDGER));
        EXPECT_EQ(PageHeader(), ReadBytes(PAGE1));
        EXPECT_EQ(PageHeader(), ReadBytes(PAGE2));
    }
    StickersUsed* ledger = StickersUsed::GetStickersUsed();
};

TEST_F(LedgerTest, TheFileIs918BytesAndEveryStickChangesItAtOnce)
{
    EXPECT_TRUE(ledger->IsValid());
    EXPECT_EQ(LedgerBytes({}), ReadBytes(LEDGER));
    ASSERT_EQ(918u, ReadBytes(LEDGER).size());
    ledger->SetStickerUsed(0);
    ledger->SetStickerUsed(223);
    EXPECT_EQ(LedgerBytes({0, 223}), ReadBytes(LEDGER));
    EXPECT_EQ(222, StickersUsed::ms_StickersLeft);
    EXPECT_EQ(SU_USED, ledger->GetStickerUsed(223));
    EXPECT_EQ(SU_NOT_USED, ledger->GetStickerUsed(1));
}

TEST_F(LedgerTest, IndexesOutsideTheTableChangeNothing)
{
    const std::vector<BYTE> before = ReadBytes(LEDGER);
    EXPECT_EQ(-1, ledger->GetStickerUsed(224));
    EXPECT_EQ(-1, ledger->GetStickerUsed(-1));
    std::filesystem::remove(Native(LEDGER));
    ledger->SetStickerUsed(-1);
    ledger->SetStickerUsed(224);
    EXPECT_FALSE(std::filesystem::exists(Native(LEDGER))) << "nothing was written";
    EXPECT_EQ(224, StickersUsed::ms_StickersLeft);
}

TEST_F(LedgerTest, ReadingCountsTheUsedStickersAndLeavesThePages)
{
    FillPages();
    WriteBytes(LEDGER, LedgerBytes({0, 5, 223}));
    EXPECT_EQ(1, ledger->ReadStickersUsed());
    EXPECT_EQ(221, StickersUsed::ms_StickersLeft);
    EXPECT_EQ(SU_USED, ledger->GetStickerUsed(5));
    EXPECT_EQ(SU_NOT_USED, ledger->GetStickerUsed(6));
    EXPECT_EQ(PageHeader().size() + 20, ReadBytes(PAGE1).size());
}

TEST_F(LedgerTest, AMissingOrDamagedFileResetsEverythingAndEmptiesBothPages)
{
    const std::vector<std::vector<BYTE>> damaged = {
        {},
        LedgerBytes({3}, "TV", "MORVEN04", 1023),
        LedgerBytes({3}, "TW"),
        LedgerBytes({3}, "TV", "MORVEN05"),
        LedgerBytes({3}, "TV", "MORVEN04", 1024, 100),
        LedgerBytes({3}, std::string(600, 'x')), // longer than the message buffer
        Cut(LedgerBytes({3}), 914),
        Cut(LedgerBytes({3}), 917), // the last state cut short
    };
    for (size_t i = 0; i < damaged.size(); ++i) {
        SCOPED_TRACE(i);
        FillPages();
        ledger->SetStickerUsed(3);
        if (i == 0)
            std::filesystem::remove(Native(LEDGER));
        else
            WriteBytes(LEDGER, damaged[i]);
        EXPECT_EQ(0, ledger->ReadStickersUsed());
        ExpectResetWithEmptyPages();
    }
}

TEST_F(LedgerTest, AFailureTextIsCutToItsBufferHoweverLongTheHeaderRead)
{
    WriteBytes(LEDGER, LedgerBytes({}, std::string(600, 'x')));
    g_LogEnabled = 1;
    EXPECT_EQ(0, ledger->ReadStickersUsed());
    g_LogEnabled = 0;
    std::ifstream log("log.txt");
    std::string line, found;
    while (std::getline(log, line))
        if (line.find("SU_VER is wrong: ") != std::string::npos)
            found = line;
    const std::string prefix = "StickersUsed::ReadStickersUsed: catch: ";
    const size_t start = found.find(prefix);
    ASSERT_NE(std::string::npos, start) << "no failure line in the log";
    EXPECT_EQ(255u, found.size() - start - prefix.size()) << found;
    EXPECT_EQ('x', found.back());
}

TEST_F(LedgerTest, AFailedWriteKeepsTheStateInMemory)
{
    std::filesystem::remove_all("save004");
    ledger->SetStickerUsed(9);
    EXPECT_EQ(0, ledger->WriteStickersUsed());
    EXPECT_EQ(SU_USED, ledger->GetStickerUsed(9));
    EXPECT_EQ(223, StickersUsed::ms_StickersLeft);
}

TEST_F(LedgerTest, TheStartMendsTheLedgerAndThePagesUntilTheyAgree)
{
    struct Case {
        const char* what;
        std::vector<int> used;
        Records page1, page2;
        std::vector<int> expectedUsed;
        std::vector<long> expected1, expected2;
    };
    const std::vector<Case> cases = {
        {"killed after the page of a stick", {}, {{106, 332, 147}}, {}, {106}, {106}, {}},
        {"killed in clear-all before the ledger", {84, 106}, {}, {{84, 100, 69}}, {84, 106},
         {106}, {84}},
        {"used with no place on the two pages", {0}, {}, {}, {}, {}, {}},
        {"a damaged record off its place", {}, {{107, 1, 2}}, {}, {}, {}, {}},
        {"the ledger confirms a damaged record", {107}, {{107, 1, 2}}, {}, {107}, {107}, {}},
        {"on the other page's file", {}, {{84, 100, 69}}, {}, {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(LEDGER, LedgerBytes(c.used));
        WriteBytes(PAGE1, PageBytes(c.page1));
        WriteBytes(PAGE2, PageBytes(c.page2));
        ASSERT_EQ(1, ledger->ReadStickersUsed());
        ledger->MendWithPages();
        EXPECT_EQ(LedgerBytes(c.expectedUsed), ReadBytes(LEDGER));
        EXPECT_EQ(224 - static_cast<int>(c.expectedUsed.size()), StickersUsed::ms_StickersLeft);
        EXPECT_EQ(c.expected1, IndexesOn(0));
        EXPECT_EQ(c.expected2, IndexesOn(1));
    }
}

// A kill between two saves must leave what the next start can mend: the page
// before the ledger on a stick, both pages before the ledger when clearing.
TEST_F(LedgerTest, SavesReplaceTheFilesInTheOrderThatSurvivesAKill)
{
    struct Case {
        const char* what;
        std::function<void()> action;
        std::vector<std::string> replaced;
    };
    const std::vector<Case> cases = {
        {"a stick",
         [&] {
             ShowFirstPage();
             CSprite* sprite = doc.AddSticker(StickerPictureName(106), 106, POINT{362, 167});
             view.BeginCarry(nullptr, 362, 167, sprite);
             view.OnLButtonDown(nullptr, 0, 362, 167);
         },
         {"page01.sav", "page00.sav"}},
        {"clear-all", [&] { ledger->ResetAndClearPages(); },
         {"page01.sav", "page02.sav", "page00.sav"}},
        {"a damaged ledger read",
         [&] {
             WriteBytes(LEDGER, {});
             ledger->ReadStickersUsed();
         },
         {"page01.sav", "page02.sav", "page00.sav"}},
        {"a start that mends both",
         [&] {
             WriteBytes(LEDGER, LedgerBytes({84}));
             ledger->ReadStickersUsed();
             WriteBytes(PAGE1, PageBytes({{107, 124, 74}}));
             WriteBytes(PAGE2, PageHeader());
             ledger->MendWithPages();
         },
         {"page02.sav", "page00.sav"}},
        {"a start with agreeing files", [&] { ledger->MendWithPages(); }, {}},
    };
    g_PlatformReplace = ReplaceWithTemporary;
    ReplaceWithTemporary = RecordingReplace;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_Replaced.clear();
        c.action();
        EXPECT_EQ(c.replaced, g_Replaced);
    }
    ReplaceWithTemporary = g_PlatformReplace;
}

} // namespace
