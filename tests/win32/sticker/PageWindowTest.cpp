// The page window under Wine: its place, its routing of the mouse to the page
// view, the carry's capture and cursor, and the page drawn into the window.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "controls/ChildWindow.h"
#include "imaging/CFileManager.h"
#include "imaging/CSprite.h"
#include "shell/GamePhase.h"
#include "sticker/AnimView.h"
#include "sticker/CAnimDoc.h"
#include "sticker/CPageCycle.h"
#include "sticker/Catalogue.h"
#include "sticker/PageStartup.h"
#include "sticker/StickersUsed.h"
#include "sticker/WinCarryPlatform.h"
#include "testing/PageWindowTesting.h"
#include "testing/TestFolder.h"

// The shell's phases are not linked here; the page window only needs the pointer.
class CountingPhase : public GamePhase {
public:
    void Enter(HWND) override {}
    void Paint(HDC) override {}
    void CreateControls(HWND) override {}
    void Leave() override {}
    void DrawItem(const DRAWITEMSTRUCT*, UINT) override {}
    int DrawStickerButton(const DRAWITEMSTRUCT*, UINT, int) override { return 0; }
    void ReleaseStickerButton() override { ++released; }
    int released = 0;
};

GamePhase* CurrentPhase = nullptr;
GamePhase* PreviousPhase = nullptr;

namespace {

class PageWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WritePageFolder({106});
        main = CreateMainWindow("PageWindowTestMain");
        ASSERT_NE(nullptr, main);
        PageCycle.CurrentPage = 0;
        StickersUsed::GetStickersUsed()->ResetAll();
        StartPage(main);
        PageWindow = CChildWindow::Create(main);
        ASSERT_NE(nullptr, PageWindow);
        page = PageWindow->GetHWnd();
        ASSERT_NE(nullptr, page);
        CurrentPhase = &phase;
        Pump();
    }

    void TearDown() override
    {
        DestroyWindow(main);
        delete PageWindow;
        PageWindow = nullptr;
        CurrentPhase = nullptr;
        Pump();
    }

    static std::string Path(const std::string& name)
    {
        std::string full;
        CFileManager::GetFullPath(full, name);
        return full;
    }

    // As the sticker-button command does it, with the pointer at (x, y) of the page.
    CSprite* PickUp(int x, int y)
    {
        CSprite* sprite = AnimDoc.AddSticker(StickerPictureName(106), 106, POINT{x, y});
        EXPECT_NE(nullptr, sprite);
        AnimView.BeginCarry(page, x, y, sprite);
        return sprite;
    }

    TestFolder folder;
    CountingPhase phase;
    HWND main = nullptr;
    HWND page = nullptr;
};

TEST_F(PageWindowTest, SitsAt90By90WithThePagesSizeWhateverResizesIt)
{
    RECT rect;
    GetWindowRect(page, &rect);
    EXPECT_EQ(90, rect.left);
    EXPECT_EQ(90, rect.top);
    EXPECT_EQ(934, rect.right);
    EXPECT_EQ(678, rect.bottom);
    char name[64] = "";
    GetClassNameA(page, name, sizeof name);
    EXPECT_STREQ("ChildWindowTemplateClass", name);

    MoveWindow(page, 0, 0, 10, 10, TRUE);
    GetWindowRect(page, &rect);
    EXPECT_EQ(90, rect.left);
    EXPECT_EQ(934, rect.right);
}

TEST_F(PageWindowTest, ThePageIsDrawnIntoTheWindowByAFlush)
{
    AnimView.FlushDirty(page);
    HDC dc = GetDC(page);
    const COLORREF middle = GetPixel(dc, 400, 300);
    const COLORREF corner = GetPixel(dc, 1, 1);
    ReleaseDC(page, dc);
    EXPECT_EQ(PAGE_COLOUR, middle);
    EXPECT_EQ(CORNER_COLOUR, corner);
}

TEST_F(PageWindowTest, MouseMessagesCarryTheStickerWhichSticksOnItsPlace)
{
    const int before = CursorCount();
    CSprite* sprite = PickUp(500, 400);
    EXPECT_EQ(page, GetCapture());
    EXPECT_EQ(before - 1, CursorCount());

    SendMessageA(page, WM_MOUSEMOVE, 0, At(-10, 20));
    EXPECT_EQ(-40, sprite->GetX()) << "the position arrives signed";
    EXPECT_EQ(0, sprite->GetY());
    SendMessageA(page, WM_MOUSEMOVE, 0, At(362, 167));
    EXPECT_EQ(332, sprite->GetX());
    SendMessageA(page, WM_LBUTTONUP, 0, At(362, 167));
    EXPECT_TRUE(AnimView.IsCarrying()) << "the button's release does nothing";

    SendMessageA(page, WM_LBUTTONDOWN, MK_LBUTTON, At(362, 167));
    EXPECT_FALSE(AnimView.IsCarrying());
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(before, CursorCount());
    EXPECT_EQ(SU_USED, StickersUsed::GetStickersUsed()->GetStickerUsed(106));
    std::ifstream ledger(Path("\\save004\\page00.sav"), std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(ledger)),
                                  std::istreambuf_iterator<char>());
    ASSERT_EQ(918u, bytes.size());
    EXPECT_EQ(1, bytes[22 + 4 * 106]);

    EXPECT_EQ(0, phase.released);
    Pump(); // message 2026 was posted to the page window
    EXPECT_EQ(1, phase.released);

    HDC dc = GetDC(page);
    const COLORREF stuck = GetPixel(dc, 340, 150);
    ReleaseDC(page, dc);
    EXPECT_EQ(STICKER_COLOUR, stuck) << "drawn at once";
}

TEST_F(PageWindowTest, ARightClickDiscardsAndEveryEndRestoresTheCursorCount)
{
    const int before = CursorCount();
    PickUp(200, 200);
    SendMessageA(page, WM_RBUTTONDOWN, MK_RBUTTON, At(200, 200));
    EXPECT_EQ(before, CursorCount());
    EXPECT_EQ(nullptr, GetCapture());
    SendMessageA(page, WM_RBUTTONDOWN, MK_RBUTTON, At(200, 200));
    EXPECT_EQ(before, CursorCount()) << "a second right click shows nothing more";

    PickUp(200, 200);
    SendMessageA(page, WM_LBUTTONDOWN, MK_LBUTTON, At(200, 200)); // not its place
    EXPECT_EQ(before, CursorCount());
    EXPECT_EQ(SU_NOT_USED, StickersUsed::GetStickersUsed()->GetStickerUsed(106));

    PickUp(200, 200);
    AnimView.RemoveAllSprites();
    EXPECT_EQ(before, CursorCount());
    EXPECT_EQ(0, phase.released);
}

TEST_F(PageWindowTest, ThePointerIsPutBackOnThePage)
{
    POINT probe;
    if (!SetCursorPos(600, 500) || !GetCursorPos(&probe) || probe.x != 600 || probe.y != 500)
        GTEST_SKIP() << "the pointer cannot be moved on this display";
    PickUp(400, 300);
    SendMessageA(page, WM_MOUSEMOVE, 0, At(900, -5));
    POINT pointer;
    GetCursorPos(&pointer);
    EXPECT_EQ(90 + 844, pointer.x);
    EXPECT_EQ(90, pointer.y);
    AnimView.OnRButtonDown(page, 0, 0, 0);
}

TEST_F(PageWindowTest, TheCursorIsTheArrowExceptWhileCarrying)
{
    SetCursor(nullptr);
    SendMessageA(page, WM_SETCURSOR, reinterpret_cast<WPARAM>(page), HTCLIENT);
    EXPECT_EQ(PageArrowCursor(), GetCursor());
    PickUp(100, 100);
    SetCursor(nullptr);
    SendMessageA(page, WM_SETCURSOR, reinterpret_cast<WPARAM>(page), HTCLIENT);
    EXPECT_EQ(nullptr, GetCursor()) << "the page sets no cursor while carrying";
    AnimView.OnRButtonDown(page, 0, 0, 0);
}

} // namespace
