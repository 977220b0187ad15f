// The screen phases drawn into memory from test pictures, and the play
// screen's handling of its buttons.
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "ScreenPicture.h"
#include "controls/ControlLayout.h"
#include "imaging/CFileManager.h"
#include "shell/PlayingPhase.h"
#include "shell/TitlePhase.h"
#include "shell/WM_Messages.h"
#include "sticker/AnimView.h"
#include "sticker/CPageCycle.h"
#include "sticker/StickersUsed.h"
#include "testing/TestFolder.h"

namespace {

// A program folder with a data004 folder for the pictures.
class ProgramFolder : public TestFolder {
public:
    ProgramFolder()
    {
        std::filesystem::create_directory(path() / "data004");
        CFileManager::SetProgramFolderPath(path().string());
    }
    ~ProgramFolder() { CFileManager::SetProgramFolderPath(""); }

    std::string Data(const char* name) const { return (path() / "data004" / name).string(); }
};

COLORREF PatternColour(int x, int y)
{
    return RGB(10, 20 * x, 20 * y);
}

COLORREF TitleColour(int x, int y)
{
    return RGB(200, x & 0xFF, y & 0xFF);
}

TEST(TitlePhaseTest, PatternTilesEvery8PixelsUnderTheTitlePicture)
{
    ProgramFolder folder;
    WritePicture(folder.Data("m0001.dat"), 8, 8, PatternColour);
    WritePicture(folder.Data("m0005.dat"), 460, 468, TitleColour);
    TestWindow window;
    TitlePhase.Enter(window.hwnd());
    Canvas canvas;
    canvas.Fill(RGB(1, 2, 3));
    TitlePhase.Paint(canvas.dc());

    const RECT title = {282, 150, 282 + 460, 150 + 468};
    for (int y = 0; y < 768; y += 7) {
        for (int x = 0; x < 1024; x += 5) {
            const POINT at = {x, y};
            const COLORREF expected =
                PtInRect(&title, at) ? TitleColour(x - 282, y - 150) : PatternColour(x % 8, y % 8);
            ASSERT_EQ(expected, canvas.Pixel(x, y)) << "at (" << x << ", " << y << ")";
        }
    }
    // The far corners too: the last row and column of the screen are covered.
    EXPECT_EQ(PatternColour(7, 7), canvas.Pixel(1023, 767));
    EXPECT_EQ(TitleColour(459, 467), canvas.Pixel(282 + 459, 150 + 467));
}

// The play screen's frame pictures, each pixel telling which tile it came from.
class PlayingPhaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WritePicture(folder.Data("b0017.dat"), 196, 1040,
                     [](int, int y) { return RGB(150, y / 40, 0); });
        WritePicture(folder.Data("b0019.dat"), 190, 120,
                     [](int, int y) { return RGB(60, y / 24, 0); });
        WritePicture(folder.Data("b0020.dat"), 30, 5280,
                     [](int, int y) { return RGB(90, (y / 24) & 0xFF, (y / 24) >> 8); });
        PlayingPhase.Enter(window.hwnd());
    }
    void TearDown() override
    {
        StickersUsed::ms_StickersLeft = NUMBEROFSTICKERGRAPHICS;
        PageCycle.CurrentPage = 0;
    }

    ProgramFolder folder;
    TestWindow window;
    Canvas canvas;
};

COLORREF LabelTile(int k)
{
    return RGB(60, k, 0);
}

COLORREF DigitRow(int row)
{
    return RGB(90, row & 0xFF, row >> 8);
}

TEST_F(PlayingPhaseTest, CounterShowsTheLabelAndTheNumberOfStickersLeft)
{
    struct Case {
        int left;
        int label;
        int digitX;  // 0: no number drawn
        int digitRow;
    };
    const Case cases[] = {
        {224, 0, 0, 0},   {223, 0, 440, 0},  {150, 0, 440, 73}, {100, 0, 440, 123},
        {99, 1, 0, 0},    {98, 1, 436, 124}, {50, 1, 436, 172}, {10, 1, 436, 212},
        {9, 2, 0, 0},     {8, 2, 433, 213},  {2, 2, 433, 219},  {1, 3, 0, 0},
        {0, 4, 0, 0},
    };
    StickersUsed::GetStickersUsed();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.left << " stickers left");
        canvas.Fill(RGB(1, 2, 3));
        StickersUsed::ms_StickersLeft = c.left;
        PlayingPhase.DrawStickersLeft(canvas.dc());
        EXPECT_EQ(LabelTile(c.label), canvas.Pixel(417, 52));
        EXPECT_EQ(LabelTile(c.label), canvas.Pixel(417 + 189, 52 + 23));
        EXPECT_EQ(RGB(1, 2, 3), canvas.Pixel(417, 52 + 24)) << "one label tile only";
        if (c.digitX) {
            EXPECT_EQ(DigitRow(c.digitRow), canvas.Pixel(c.digitX, 52));
            EXPECT_EQ(DigitRow(c.digitRow), canvas.Pixel(c.digitX + 29, 52 + 23));
            EXPECT_EQ(LabelTile(c.label), canvas.Pixel(c.digitX + 30, 52));
        } else {
            for (int x : {433, 436, 440, 462})
                EXPECT_EQ(LabelTile(c.label), canvas.Pixel(x, 60)) << "no number at " << x;
        }
    }
}

TEST_F(PlayingPhaseTest, PageIndicatorShowsTheCurrentPage)
{
    for (int page : {0, 1, 0}) {
        PageCycle.CurrentPage = page;
        PlayingPhase.DrawPageIndicator(canvas.dc());
        EXPECT_EQ(RGB(150, page + 1, 0), canvas.Pixel(414, 705)) << "page " << page;
        EXPECT_EQ(RGB(150, page + 1, 0), canvas.Pixel(414 + 195, 705 + 39)) << "page " << page;
    }
}

// Records the BM_SETSTATE and WM_DRAWITEM messages that reach the test buttons.
std::vector<std::pair<HWND, WPARAM>> g_Sent;
WNDPROC g_ButtonProc = nullptr;

LRESULT CALLBACK RecordingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == BM_SETSTATE || message == WM_DRAWITEM)
        g_Sent.push_back({hWnd, message == BM_SETSTATE ? wParam : 1000 + wParam});
    return CallWindowProcA(g_ButtonProc, hWnd, message, wParam, lParam);
}

HWND RecordingButton(TestWindow& window, int id)
{
    HWND button = window.AddButton(id);
    g_ButtonProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc)));
    return button;
}

template <size_t N>
class Buttons {
public:
    Buttons(TestWindow& window, ButtonRecord (&records)[N]) : m_Records(records)
    {
        for (ButtonRecord& record : m_Records)
            record.window = RecordingButton(window, record.id);
        g_Sent.clear();
    }
    ~Buttons()
    {
        for (ButtonRecord& record : m_Records)
            record.window = nullptr;
    }
    HWND operator[](int i) const { return m_Records[i].window; }

private:
    ButtonRecord (&m_Records)[N];
};

bool TakeCommand(HWND window, WPARAM* id)
{
    MSG msg;
    if (!PeekMessageA(&msg, window, WM_COMMAND, WM_COMMAND, PM_REMOVE))
        return false;
    *id = msg.wParam;
    return true;
}

TEST(PlayScreenButtons, KeyboardPressShowsTheButtonPressedThenPostsItsCommand)
{
    TestWindow window;
    Buttons<NUMBER_OF_COMMAND_BUTTONS> commands(window, CommandButtonRecords);
    PlayingPhase.SetStkrBtnPressed(NO_BUTTON_ID);

    const DWORD begin = GetTickCount();
    PlayingPhase.PressButton(window.hwnd(), INFO_BUTTON_ID);
    EXPECT_GE(GetTickCount() - begin, 100u) << "the pressed face stays up a moment";
    const std::vector<std::pair<HWND, WPARAM>> pressed = {{commands[3], TRUE}, {commands[3], FALSE}};
    EXPECT_EQ(pressed, g_Sent);
    WPARAM id = 0;
    ASSERT_TRUE(TakeCommand(window.hwnd(), &id));
    EXPECT_EQ(static_cast<WPARAM>(INFO_BUTTON_ID), id);
    EXPECT_FALSE(TakeCommand(window.hwnd(), &id)) << "one command per key";
}

TEST(PlayScreenButtons, KeyboardPressDoesNothingWhileAStickerIsCarried)
{
    TestWindow window;
    Buttons<NUMBER_OF_COMMAND_BUTTONS> commands(window, CommandButtonRecords);
    PlayingPhase.SetStkrBtnPressed(1015);
    PlayingPhase.PressButton(window.hwnd(), QUIT_BUTTON_ID);
    PlayingPhase.SetStkrBtnPressed(NO_BUTTON_ID);
    EXPECT_TRUE(g_Sent.empty());
    WPARAM id = 0;
    EXPECT_FALSE(TakeCommand(window.hwnd(), &id)) << "posted " << id;

    PlayingPhase.PressButton(window.hwnd(), FIRST_PAGE_TAB_ID);
    EXPECT_TRUE(g_Sent.empty()) << "only command buttons have keys";
    EXPECT_FALSE(TakeCommand(window.hwnd(), &id)) << "posted " << id;
}

TEST(PlayScreenButtons, ReleasingRedrawsThePressedStickerButtonOnce)
{
    TestWindow window;
    Buttons<NUMBER_OF_STICKER_BUTTONS> stickers(window, StickerButtonRecords);
    PlayingPhase.SetStkrBtnPressed(1020);
    PlayingPhase.ReleaseStickerButton();
    EXPECT_EQ(NO_BUTTON_ID, PlayingPhase.GetStkrBtnPressed());
    const std::vector<std::pair<HWND, WPARAM>> released = {{stickers[5], TRUE}};
    EXPECT_EQ(released, g_Sent);
    PlayingPhase.ReleaseStickerButton();
    EXPECT_EQ(released, g_Sent) << "nothing is pressed any more";
}

TEST(PlayScreenButtons, StickerIndexFollowsTheSelectedGroup)
{
    const int selected = PlayingPhase.GetSelectedTab();
    PlayingPhase.SetSelectedTab(1007);
    EXPECT_EQ(0, PlayingPhase.StickerIndexOf(1015));
    EXPECT_EQ(27, PlayingPhase.StickerIndexOf(1042));
    PlayingPhase.SetSelectedTab(1010);
    EXPECT_EQ(84, PlayingPhase.StickerIndexOf(1015));
    PlayingPhase.SetSelectedTab(1014);
    EXPECT_EQ(223, PlayingPhase.StickerIndexOf(1042));
    PlayingPhase.SetSelectedTab(selected);
}

TEST(MainWindowKeys, PlayScreenKeyTable)
{
    const std::pair<UINT, UINT> table[] = {
        {VK_PRIOR, 1005}, {VK_UP, 1005}, {VK_NEXT, 1006}, {VK_DOWN, 1006},
        {'C', 1003},      {'I', 1004},   {'P', 1002},     {'Q', 1001},
        {VK_RETURN, 0},   {VK_SPACE, 0}, {VK_LEFT, 0},    {'X', 0},
        {VK_ESCAPE, 0},   {'c', 0},
    };
    for (const auto& [key, command] : table)
        EXPECT_EQ(command, PlayScreenCommandOfKey(key)) << "key " << key;
}

TEST(MainWindowKeys, ReturnAndSpaceStartOnlyFromTheTitleScreen)
{
    TestWindow window;
    Buttons<NUMBER_OF_COMMAND_BUTTONS> commands(window, CommandButtonRecords);
    PlayingPhase.SetStkrBtnPressed(NO_BUTTON_ID);
    MESSAGES messages;
    WPARAM id = 0;
    for (UINT key : {VK_RETURN, VK_SPACE}) {
        messages.ScreenState = 0;
        messages.OnKeyDown(window.hwnd(), key);
        ASSERT_TRUE(TakeCommand(window.hwnd(), &id)) << "key " << key;
        EXPECT_EQ(static_cast<WPARAM>(START_BUTTON_ID), id);
        for (int state : {1, 2}) {
            messages.ScreenState = state;
            messages.OnKeyDown(window.hwnd(), key);
            EXPECT_FALSE(TakeCommand(window.hwnd(), &id)) << "state " << state << " posted " << id;
        }
    }
    messages.ScreenState = 0;
    messages.OnKeyDown(window.hwnd(), 'Q');
    messages.ScreenState = 1;
    messages.OnKeyDown(window.hwnd(), 'Q');
    EXPECT_FALSE(TakeCommand(window.hwnd(), &id)) << "posted " << id;
    EXPECT_TRUE(g_Sent.empty());

    messages.ScreenState = 2;
    messages.OnKeyDown(window.hwnd(), VK_NEXT);
    ASSERT_TRUE(TakeCommand(window.hwnd(), &id));
    EXPECT_EQ(static_cast<WPARAM>(NEXT_PAGE_BUTTON_ID), id);
}

TEST(MainWindowMouse, AClickOnTheBackgroundShowsTheHiddenCursorExactlyOnce)
{
    TestWindow window;
    MESSAGES messages;
    const int shown = ShowCursor(FALSE) + 1;  // the display count before the carry
    CursorIndex = CURSOR_NONE;
    CursorHidden = 1;
    messages.OnLButtonDown(window.hwnd());
    EXPECT_EQ(CURSOR_ARROW, CursorIndex);
    EXPECT_EQ(0, CursorHidden) << "a later end of the carry must not show it again";
    messages.OnLButtonDown(window.hwnd());
    messages.OnLButtonUp(window.hwnd());
    EXPECT_EQ(shown, ShowCursor(FALSE) + 1);
    ShowCursor(TRUE);
}

bool TakeMessage(HWND window, UINT message)
{
    MSG msg;
    return PeekMessageA(&msg, window, message, message, PM_REMOVE) != 0;
}

TEST(MainWindowCommands, StartSwitchesToPlayOnceOnly)
{
    ProgramFolder folder;
    TestWindow window;
    GamePhase* const current = CurrentPhase;
    MESSAGES messages;
    CurrentPhase = &TitlePhase;
    EXPECT_EQ(1, messages.OnCommand(window.hwnd(), START_BUTTON_ID, 0));
    EXPECT_EQ(&PlayingPhase, CurrentPhase);
    EXPECT_EQ(&TitlePhase, PreviousPhase);
    EXPECT_EQ(1, messages.ScreenState);
    EXPECT_TRUE(TakeMessage(window.hwnd(), WM_USER_CREATE_PAGE_WINDOW));

    // Return and a click on Start together: the second start changes nothing.
    for (int state : {1, 2}) {
        messages.ScreenState = state;
        EXPECT_EQ(1, messages.OnCommand(window.hwnd(), START_BUTTON_ID, 0));
        EXPECT_EQ(&TitlePhase, PreviousPhase) << "state " << state;
        EXPECT_FALSE(TakeMessage(window.hwnd(), WM_USER_CREATE_PAGE_WINDOW)) << "state " << state;
    }
    EXPECT_EQ(0, messages.OnCommand(window.hwnd(), 999, 0));
    EXPECT_EQ(0, messages.OnCommand(window.hwnd(), 1043, 0));
    CurrentPhase = current;
}

// Records what the current phase is asked to draw.
class RecordingPhase : public GamePhase {
public:
    void Enter(HWND) override {}
    void Paint(HDC) override {}
    void CreateControls(HWND) override {}
    void Leave() override {}
    void DrawItem(const DRAWITEMSTRUCT*, UINT id) override { drawn.push_back(id); }
    int DrawStickerButton(const DRAWITEMSTRUCT*, UINT, int) override { return 0; }
    void ReleaseStickerButton() override {}

    std::vector<UINT> drawn;
};

TEST(MainWindowDrawing, StickerButtonsDrawThemselvesOtherButtonsThePhase)
{
    TestWindow window;
    HWND sticker = RecordingButton(window, 1015);
    g_Sent.clear();
    RecordingPhase phase;
    GamePhase* const current = CurrentPhase;
    CurrentPhase = &phase;
    MESSAGES messages;
    DRAWITEMSTRUCT item = {};
    for (UINT id : {1000u, 1001u, 1014u, 1015u, 1042u}) {
        item.CtlID = id;
        item.hwndItem = sticker;
        EXPECT_EQ(1, messages.OnDrawItem(window.hwnd(), id, &item));
    }
    CurrentPhase = current;
    EXPECT_EQ((std::vector<UINT>{1000, 1001, 1014}), phase.drawn);
    const std::vector<std::pair<HWND, WPARAM>> sent = {{sticker, 2015}, {sticker, 2042}};
    EXPECT_EQ(sent, g_Sent);
}

} // namespace
