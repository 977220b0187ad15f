// The page window under Wine: its routing of the mouse messages, signed
// positions included, into a carry with its capture and cursor; what a user
// sees of it is the end-to-end story's.
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
#include "testing/Pictures.h"
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

const COLORREF BACKGROUND = 0x00306090;
const COLORREF STICKER = 0x000000FF;

// The system cursor's display count of this thread.
int CursorCount()
{
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return count;
}

LPARAM At(int x, int y)
{
    return static_cast<LPARAM>(static_cast<WORD>(x) | (static_cast<DWORD>(static_cast<WORD>(y)) << 16));
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

class PageWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CFileManager::SetProgramFolderPath(".");
        std::filesystem::create_directory("data004");
        std::filesystem::create_directory("save004");
        for (int page = 0; page < 2; ++page)
            WritePictureFile(Path(PageBackgroundName(page)), PAGE_WIDTH, PAGE_HEIGHT, BACKGROUND);
        WritePictureFile(Path(CornerStripName()), 32, 8, 0x0000FF00);
        WritePictureFile(Path(StickerPictureName(106)), 60, 40, STICKER);

        WNDCLASSA mainClass = {};
        mainClass.lpfnWndProc = DefWindowProcA;
        mainClass.hInstance = GetModuleHandleA(nullptr);
        mainClass.lpszClassName = "PageWindowTestMain";
        RegisterClassA(&mainClass);
        main = CreateWindowExA(0, "PageWindowTestMain", "", WS_POPUP | WS_VISIBLE, 0, 0, 1024,
                               768, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
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
    EXPECT_EQ(STICKER, stuck) << "drawn at once";
}

} // namespace
