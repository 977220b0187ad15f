// The page as a child uses it and its files: pages written and read back, the
// carried sticker and where it sticks, the page composed, the stickers-used
// ledger, the mend at start and the order saves replace files in.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "imaging/CFileManager.h"
#include "imaging/CSprite.h"
#include "persist/FileHold.h"
#include "persist/NativePath.h"
#include "sticker/AnimView.h"
#include "sticker/CAnimDoc.h"
#include "sticker/CPageCycle.h"
#include "sticker/Catalogue.h"
#include "sticker/DeleteAll.h"
#include "sticker/PlaceTable.h"
#include "sticker/StickerOverPosition.h"
#include "sticker/StickersUsed.h"
#include "testing/FakeBufferSurface.h"
#include "testing/Pictures.h"
#include "testing/ReplaceRecorder.h"
#include "testing/TestFolder.h"

namespace {

typedef std::vector<std::array<int, 5>> Records; // index, x, y, depth, mirrored
const COLORREF BACKGROUND = 0x204060, STICKER = 0x0000FF, CORNER = 0x00FF00;
const int STICKER_W = 60, STICKER_H = 40;
// Under the program folder, which is the test's own folder.
const std::string LEDGER = "save004/page00.sav", PAGE1 = "save004/page01.sav", PAGE2 = "save004/page02.sav";

// What the view asked of the window system, with the cursor display count.
struct FakeCarryPlatform : CarryPlatform {
    void CaptureMouse(HWND) override {}
    void ReleaseMouse() override {}
    void ShowSystemCursor(bool show) override { displayCount += show ? 1 : -1; }
    void ShowArrow() override {}
    void PutPointer(HWND, int x, int y) override { pointer.push_back({x, y}); }
    void PostStuck(HWND) override { ++posted, pageWhenPosted = ReadBytes(PAGE1); }
    int displayCount = 0, posted = 0;
    Bytes pageWhenPosted;
    std::vector<std::pair<int, int>> pointer;
};

Bytes PageBytes(const Records& records = {}, const std::string& text = "MORVEN04", int number = 1024)
{
    Bytes bytes;
    PutString(bytes, text), PutLong(bytes, number);
    for (const auto& r : records)
        for (int value : r)
            PutLong(bytes, value);
    return bytes;
}

// The ledger, or its first bytes.
Bytes LedgerBytes(const std::vector<int>& used, const std::string& ver = "TV", const std::string& text = "MORVEN04",
                  int number = 1024, size_t size = 918)
{
    Bytes bytes;
    PutString(bytes, ver), PutString(bytes, text), PutLong(bytes, number);
    for (int i = 0; i < 224; ++i)
        PutLong(bytes, std::count(used.begin(), used.end(), i) ? 1 : 0);
    bytes.resize(std::min(size, bytes.size()));
    return bytes;
}

// A file another program holds: our opens find nothing there and the probe
// says it is held, until it lets go (its bytes back) after `probes` more
// probes; -1 holds it throughout.
struct Holder {
    std::filesystem::path path;
    Bytes bytes;
    int probes = 0;
} g_Holder;
HoldProbe g_PlatformProbe = IsHeldForReading;

bool HoldingProbe(const std::string& path)
{
    if (g_Holder.probes == 0 || std::filesystem::path(path).lexically_normal() != g_Holder.path)
        return g_PlatformProbe(path);
    if (g_Holder.probes > 0 && --g_Holder.probes == 0)
        WriteBytes(path, g_Holder.bytes);
    return true;
}

void Hold(const std::string& path, int probes)
{
    g_Holder = {std::filesystem::path(path).lexically_normal(), ReadBytes(path), probes};
    std::filesystem::remove(path);
}

// A fresh program folder with the page's pictures, and the page document and
// view linked as at start-up, drawing into memory.
class PageTest : public ::testing::Test {
protected:
    PageTest()
    {
        CFileManager::SetProgramFolderPath(".");
        ledger = StickersUsed::GetStickersUsed(); // it takes its folder when first made
        std::filesystem::create_directory("data004");
        std::filesystem::create_directory("save004");
        for (int page = 0; page < 2; ++page)
            WritePictureFile(NativePath("." + PageBackgroundName(page)), PAGE_WIDTH, PAGE_HEIGHT, BACKGROUND);
        WritePictureFile(NativePath("." + CornerStripName()), 32, 8, CORNER);
        for (int index : {0, 84, 86, 106, 107, 111})
            WritePictureFile(NativePath("." + StickerPictureName(index)), STICKER_W, STICKER_H, STICKER);
        view.SetSurface(std::unique_ptr<BufferSurface>(&surface));
        view.SetPlatform(std::unique_ptr<CarryPlatform>(&platform));
        doc.LinkView(&view);
        StickerOverPosition::Init(&view, &doc);
        PageCycle.CurrentPage = 0, CursorIndex = CURSOR_ARROW, CursorHidden = 0;
        ledger->ResetAll();
        IsHeldForReading = HoldingProbe;
        doc.ShowPage(nullptr, PageBackgroundName(0), CORNER_PIECES);
        doc.LoadPage();
    }
    ~PageTest() override
    {
        IsHeldForReading = g_PlatformProbe;
        g_Holder = {};
    }

    // As the sticker-button command does it.
    CSprite* PickUp(int index, int x, int y)
    {
        CSprite* sprite = doc.AddSticker(StickerPictureName(index), index, POINT{x, y});
        view.BeginCarry(nullptr, x, y, sprite);
        return sprite;
    }

    // The stickers from the bottom up, the corner pieces left out.
    std::vector<int> Indexes()
    {
        std::vector<int> indexes;
        CSpriteList& list = doc.GetSprites();
        for (CSprite* s = list.GetLast(); s; s = list.GetPrevious())
            if (s->GetDepth() >= CSprite::DefaultDepth)
                indexes.push_back(s->GetStickerIndex());
        return indexes;
    }

    TestFolder folder;
    FakeBufferSurface& surface = *new FakeBufferSurface; // the view's
    FakeCarryPlatform& platform = *new FakeCarryPlatform;
    CAnimView view;
    CAnimDoc doc;
    StickersUsed* ledger;
};

TEST_F(PageTest, PagesAreWrittenBottomFirstAndReadBackAcrossPageTurns)
{
    doc.AddSticker(StickerPictureName(106), 106, POINT{332, 147});
    doc.AddSticker(StickerPictureName(107), 107, POINT{124, 74})->SetMirror(true);
    doc.AddSticker(StickerPictureName(111), 111, POINT{9, 9})->SetDepth(7);
    doc.GoToPage(CAnimDoc::GoNext);
    const Bytes written = PageBytes({{106, 332, 147, 12, 0}, {107, 124, 74, 11, 1}});
    EXPECT_EQ(written, ReadBytes(PAGE1)) << "saved on turning; nothing below depth ten";
    EXPECT_EQ(std::pair(std::vector<int>(), size_t(4)), std::pair(Indexes(), doc.GetSprites().GetCount()))
        << "the corner pieces alone";
    doc.GoToPage(CAnimDoc::GoPrevious);
    EXPECT_EQ(PageBytes(), ReadBytes(PAGE2)) << "an empty page is the header alone";
    std::filesystem::remove(PAGE1);
    doc.GoToPage(CAnimDoc::GoNext);
    EXPECT_EQ(written, ReadBytes(PAGE1)) << "read back whole";
    doc.GoToPage(CAnimDoc::GoNext);
    EXPECT_EQ(0, PageCycle.CurrentPage) << "two pages wrap round";
    const std::string nowhere = ".\\nofolder\\page01.sav";
    EXPECT_EQ(std::pair(0, 0), std::pair(doc.WriteSprites(nowhere), DeleteAll().WriteEmptyPage(nowhere)));
}

TEST_F(PageTest, DamagedOrForeignPageFilesGiveOnlyTheStickersThatCanBeShown)
{
    // No such sticker (224, -1), its picture missing (108), of the other page (84), not at its place (107 twice),
    // already there (106); its last number cut short.
    Bytes damaged = PageBytes({{106, 332, 147, 12, 0}, {224, 3, 4, 12, 0}, {-1, 3, 4, 12, 0}, {108, 587, 63, 12, 0},
                               {84, 100, 69, 12, 0}, {107, 0x7FFFFFFF, 74, 12, 0}, {107, 124, 75, 12, 0},
                               {106, 332, 147, 12, 0}, {111, 705, 388, 12, 0}, {107, 124, 74, 12, 0}});
    damaged.resize(damaged.size() - 2);
    const struct { const char* what; Bytes bytes; int read; std::vector<int> stickers; } cases[] = {
        {"records that could not have been stuck there", damaged, 1, {106, 111}},
        {"another number", PageBytes({{111, 705, 388, 11, 0}}, "MORVEN04", 1025), 0, {}},
        {"an older number", PageBytes({{111, 705, 388, 11, 0}}, "MORVEN04", 1023), 0, {}},
        {"a short name", PageBytes({}, "MORVEN0"), 0, {}}, {"another name", PageBytes({}, "MORVEN05"), 0, {}},
    };
    EXPECT_EQ(0, doc.ReadSprites(PAGE1)) << "missing";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(PAGE1, c.bytes);
        EXPECT_EQ(c.read, doc.ReadSprites(PAGE1));
        EXPECT_EQ(c.stickers, Indexes());
        view.RemoveAllSprites();
    }
}

// The background, the corner pieces, then the stickers bottom to top; an
// unreadable background turns the page to plain paper.
TEST_F(PageTest, ThePageIsComposedInDepthOrderAndAnUnreadableBackgroundTurnsToPlainPaper)
{
    WritePictureFile(NativePath("." + StickerPictureName(84)), 10, 10, 0x111111);
    doc.AddSticker(StickerPictureName(106), 106, POINT{100, 100});
    CSprite* top = doc.AddSticker(StickerPictureName(84), 84, POINT{95, 95});
    view.FlushDirty(nullptr);
    const CMemoryDIB* buffer = view.GetBuffer();
    EXPECT_EQ(std::tuple(CORNER, BACKGROUND, 0x111111u, STICKER), std::tuple(PixelOf(*buffer, 843, 587),
              PixelOf(*buffer, 8, 0), PixelOf(*buffer, 100, 100), PixelOf(*buffer, 105, 105)))
        << "a corner, beside its 8-pixel cell, the top sticker, the one below";
    top->SetPosition(300, 300);
    view.FlushDirty(nullptr);
    EXPECT_EQ(std::pair(STICKER, BACKGROUND), std::pair(PixelOf(*buffer, 100, 100), PixelOf(*buffer, 95, 95)))
        << "the old place is recomposed";
    EXPECT_EQ(0, doc.ShowPage(nullptr, "\\data004\\none.dat", CORNER_PIECES));
    EXPECT_TRUE(Indexes().empty()) << "the stickers belonged to the page before";
    ASSERT_NE(nullptr, view.GetBuffer());
    view.FlushDirty(nullptr);
    EXPECT_EQ(0xFFFFFFu, PixelOf(*view.GetBuffer(), 400, 300));
}

// A carried sticker is centred on the pointer, which keeps to the page; it
// sticks only strictly within twenty pixels of its place on its own page. Every
// end of a carry restores the cursor once; a stick saves, shows at once and stays.
TEST_F(PageTest, AStickerSticksOnlyNearItsPlaceAndEveryEndOfACarryRestoresTheCursor)
{
    CSprite* s = PickUp(106, 100, 100);
    view.OnMouseMove(nullptr, 0, 900, -5);
    view.OnMouseMove(nullptr, 0, 844, 588);
    EXPECT_EQ((decltype(platform.pointer){{844, 0}}), platform.pointer) << "put back once; the page's edges are in";
    EXPECT_EQ(814, s->GetX());
    view.OnRButtonDown(nullptr, 0, 0, 0);

    StickerOverPosition check;
    ReplaceRecorder recorder;
    EXPECT_EQ(0, check.Check()) << "nothing carried";
    enum End { Click, RightClick, Cleared };
    // Dropped with its top-left at (x, y) on page index `page`, it is then at (atX, atY).
    const struct { int index, x, y, page, sticks, atX, atY; End end; } cases[] = {
        {106, 313, 166, 0, 1, 332, 147, RightClick}, {106, 352, 147, 0, 0, 352, 147, Click},
        {106, 332, 167, 0, 0, 332, 167, RightClick}, {106, 332, 147, 1, 0, 332, 147, Click}, // 106's place, page 2
        {86, -7, 9, 0, 0, -7, 9, Click}, {86, -26, 28, 1, 1, -7, 9, RightClick}, // a place partly off page 2
        {106, 351, 128, 0, 1, 332, 147, Click}, {0, 24, 77, 0, 0, 24, 77, Cleared}, // 0: of no page of this book
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.index << " at " << c.x << "," << c.y << " on " << c.page << ": " << c.end);
        const int x = c.x + STICKER_W / 2, y = c.y + STICKER_H / 2;
        PageCycle.CurrentPage = c.page;
        s = PickUp(c.index, x, y);
        view.BeginCarry(nullptr, x, y, s); // a second begin hides nothing more
        EXPECT_EQ(std::pair(CURSOR_NONE, -1), std::pair(CursorIndex, platform.displayCount)) << "cursor, count";
        EXPECT_EQ(std::tuple(c.sticks, c.atX, c.atY), (std::tuple{check.Check(), s->GetX(), s->GetY()}));
        c.end == RightClick ? view.OnRButtonDown(nullptr, 0, x, y)
                            : c.end == Cleared ? view.RemoveAllSprites() : view.OnLButtonDown(nullptr, 0, x, y);
        EXPECT_EQ(std::tuple(0, 0, CURSOR_ARROW, false),
                  std::tuple(platform.displayCount, CursorHidden, CursorIndex, view.IsCarrying()))
            << "count, hidden, cursor, carrying";
        view.OnRButtonDown(nullptr, 0, 340, 150);
        view.OnLButtonDown(nullptr, 0, 340, 150);
        EXPECT_EQ(0, platform.displayCount) << "a click with nothing carried changes nothing";
        if (!c.sticks || c.end != Click)
            continue;
        EXPECT_EQ(std::tuple(1, Bytes{}, true, false, SU_USED), std::tuple(platform.posted, platform.pageWhenPosted,
                  view.GetDirtyRects().empty(), surface.blits.empty(), ledger->GetStickerUsed(106)))
            << "posted before the page is saved (input after the stick finds the button released), flushed and shown at once, used";
        EXPECT_EQ(std::pair(PageBytes({{106, 332, 147, 11, 0}}), std::vector<std::string>{"page01.sav", "page00.sav"}),
                  std::pair(ReadBytes(PAGE1), recorder.moved)) << "the page saved before the ledger";
        EXPECT_EQ(std::vector<int>{106}, Indexes()) << "a stuck sticker stays whatever is clicked";
    }
    EXPECT_TRUE(doc.GetSprites().IsEmpty()) << "clearing took the stuck one and the corners";
    CSprite* unknown = new CSprite(0, 224, nullptr);
    unknown->CreateBlank(10, 10);
    view.BeginCarry(nullptr, 5, 5, unknown);
    EXPECT_EQ(0, check.Check()) << "an index outside the table";
    view.OnRButtonDown(nullptr, 0, 5, 5);
}

// A ledger that is damaged, missing or held throughout is rebuilt from the
// pages, which keep every sticker; one held for a moment is read once let go.
// Every stick is in the ledger at once, and one that cannot be written is kept in memory.
TEST_F(PageTest, ALedgerThatCannotBeReadIsRebuiltFromThePagesAndEveryStickIsInItAtOnce)
{
    const Bytes page1 = PageBytes({{106, 332, 147, 11, 0}, {107, 124, 74, 12, 1}}), page2 = PageBytes({{84, 100, 69, 11, 0}});
    const Bytes good = LedgerBytes({84, 106, 107});
    // Empty, another number, version or name, a version longer than the message
    // buffer, one state missing, the last state cut short; missing; held.
    const struct { const char* what; Bytes bytes; int read = 0, holdProbes = 0; bool missing = false; } cases[] = {
        {"empty", {}}, {"1023", LedgerBytes({3}, "TV", "MORVEN04", 1023)}, {"TW", LedgerBytes({3}, "TW")},
        {"MORVEN05", LedgerBytes({3}, "TV", "MORVEN05")}, {"long version", LedgerBytes({3}, std::string(600, 'x'))},
        {"a state missing", LedgerBytes({3}, "TV", "MORVEN04", 1024, 914)},
        {"the last state cut", LedgerBytes({3}, "TV", "MORVEN04", 1024, 917)}, {"missing", {}, 0, 0, true},
        {"held throughout", LedgerBytes({3}), 0, -1}, {"held for a moment", good, 1, 2},
    };
    TraceCapture trace;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(PAGE1, page1);
        WriteBytes(PAGE2, page2);
        ledger->SetStickerUsed(3);
        WriteBytes(LEDGER, c.bytes);
        if (c.missing)
            std::filesystem::remove(LEDGER);
        if (c.holdProbes)
            Hold(LEDGER, c.holdProbes);
        const int read = ledger->ReadStickersUsed();
        ledger->MendWithPages();
        g_Holder = {};
        EXPECT_EQ(std::tuple(c.read, 221, SU_NOT_USED), std::tuple(read, ledger->ms_StickersLeft, ledger->GetStickerUsed(3)));
        EXPECT_EQ(std::tuple(good, page1, page2), std::tuple(ReadBytes(LEDGER), ReadBytes(PAGE1), ReadBytes(PAGE2)));
    }
    std::filesystem::remove_all("save004");
    std::filesystem::create_directory("save004");
    ledger->ReadStickersUsed(), ledger->MendWithPages();
    EXPECT_EQ(std::tuple(LedgerBytes({}), PageBytes(), PageBytes()),
              std::tuple(ReadBytes(LEDGER), ReadBytes(PAGE1), ReadBytes(PAGE2))) << "the first start writes all three";
    const std::string log = trace.Take();
    const size_t text = log.rfind("catch: ", log.find("SU_VER is wrong: x")) + 7;
    EXPECT_EQ(255u, log.find('\n', text) - text) << "the failure text is cut to its buffer: " << log;
    ledger->ResetAll();
    for (int index : {0, 223, -1, 224})
        ledger->SetStickerUsed(index);
    EXPECT_EQ(LedgerBytes({0, 223}), ReadBytes(LEDGER)) << "indexes outside the table change nothing";
    EXPECT_EQ(-2, ledger->GetStickerUsed(224) + ledger->GetStickerUsed(-1));
    std::filesystem::remove_all("save004");
    ledger->SetStickerUsed(9), ledger->SetStickerUsed(106);
    EXPECT_EQ(std::tuple(0, SU_USED, 220), (std::tuple{ledger->WriteStickersUsed(), ledger->GetStickerUsed(9),
                                                       ledger->ms_StickersLeft})) << "kept in memory";
    ledger->MendWithPages();
    EXPECT_EQ(std::pair(SU_NOT_USED, 224), std::pair(ledger->GetStickerUsed(106), ledger->ms_StickersLeft))
        << "not put back on a page that cannot be written: offered again";
}

// A page file held throughout is shown empty but written neither by the mend
// nor on leaving the page, and its stickers stay used; held for a moment, it
// is read once let go.
TEST_F(PageTest, AHeldPageIsNeverWrittenAndKeepsItsStickers)
{
    const Bytes page2 = PageBytes({{84, 100, 69, 11, 0}});
    WriteBytes(LEDGER, LedgerBytes({84, 106}));
    WriteBytes(PAGE1, PageBytes({{106, 332, 147, 11, 0}}));
    WriteBytes(PAGE2, page2);
    doc.ShowPage(nullptr, PageBackgroundName(0), CORNER_PIECES);
    doc.LoadPage();
    Hold(PAGE2, -1);
    ASSERT_EQ(1, ledger->ReadStickersUsed());
    ledger->MendWithPages();
    EXPECT_EQ(std::pair(LedgerBytes({84, 106}), false), std::pair(ReadBytes(LEDGER), std::filesystem::exists(PAGE2)));
    doc.GoToPage(CAnimDoc::GoNext);
    EXPECT_TRUE(Indexes().empty());
    doc.GoToPage(CAnimDoc::GoPrevious);
    EXPECT_EQ(std::pair(std::vector<int>{106}, false), std::pair(Indexes(), std::filesystem::exists(PAGE2)));
    g_Holder.probes = 2; // now it lets go after two probes
    doc.GoToPage(CAnimDoc::GoNext);
    EXPECT_EQ(std::vector<int>{84}, Indexes());
    doc.GoToPage(CAnimDoc::GoPrevious);
    EXPECT_EQ(page2, ReadBytes(PAGE2));
}

// The files' bytes after the mend: a page it need not change is left as it
// was; one it puts stickers back on is rewritten with only what belongs there.
// A kill between two saves must leave what the next start can mend, so every
// save replaces the pages before the ledger: at the start, on a stick, on clear-all.
TEST_F(PageTest, TheStartMendsTheLedgerAndThePagesUntilTheyAgreeAndPagesAreSavedBeforeTheLedger)
{
    const Records damaged = {{107, 1, 2, 11, 0}}, mixed = {{107, 1, 2, 11, 0}, {106, 332, 147, 11, 0},
                                                            {106, 332, 147, 12, 1}, {84, 100, 69, 11, 0}};
    const std::vector<std::string> all = {"page01.sav", "page02.sav", "page00.sav"};
    const struct { const char* what; std::vector<int> used; Records page1, page2; std::vector<int> expectedUsed;
                   Records expected1, expected2; std::vector<std::string> replaced; } cases[] = {
        {"killed after the page of a stick", {}, {{106, 332, 147, 11, 0}}, {}, {106}, {{106, 332, 147, 11, 0}}, {},
         {"page00.sav"}},
        {"killed in clear-all between the pages", {84, 106}, {}, {{84, 100, 69, 11, 1}}, {84, 106},
         {{106, 332, 147, 10, 0}}, {{84, 100, 69, 11, 1}}, {"page01.sav"}},
        {"used with no place on the two pages", {0}, {}, {}, {}, {}, {}, {"page00.sav"}},
        {"a damaged record off its place", {}, damaged, {}, {}, damaged, {}, {}},
        {"the ledger confirms a damaged record, beside one twice and one of the other page", {85, 107}, mixed,
         {{84, 100, 69, 12, 1}}, {84, 85, 106, 107}, {{106, 332, 147, 11, 0}, {107, 124, 74, 10, 0}},
         {{84, 100, 69, 12, 1}, {85, 140, 6, 10, 0}}, all},
    };
    ReplaceRecorder recorder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(LEDGER, LedgerBytes(c.used));
        WriteBytes(PAGE1, PageBytes(c.page1));
        WriteBytes(PAGE2, PageBytes(c.page2));
        recorder.moved.clear();
        ASSERT_EQ(1, ledger->ReadStickersUsed());
        ledger->MendWithPages();
        EXPECT_EQ(std::tuple(LedgerBytes(c.expectedUsed), PageBytes(c.expected1), PageBytes(c.expected2), c.replaced),
                  std::tuple(ReadBytes(LEDGER), ReadBytes(PAGE1), ReadBytes(PAGE2), recorder.moved));
        EXPECT_EQ(224 - static_cast<int>(c.expectedUsed.size()), StickersUsed::ms_StickersLeft);
    }
    recorder.moved.clear();
    ledger->ResetAndClearPages();
    EXPECT_EQ(std::tuple(LedgerBytes({}), PageBytes(), PageBytes(), all),
              std::tuple(ReadBytes(LEDGER), ReadBytes(PAGE1), ReadBytes(PAGE2), recorder.moved)) << "clear-all";
}

} // namespace
