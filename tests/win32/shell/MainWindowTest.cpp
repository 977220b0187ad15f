// Faults the main window's handlers once had: Start taken twice (Return and a
// click together), the click that shows a cursor hidden by a carry, and a
// carry that loses the mouse or meets a command: the carried sticker must be
// thrown away as a right click throws it away, the cursor show again, the
// tray button be released, and no page file ever hold a sticker not stuck.
// And the sounds: each of its own action only.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "audio/SoundEffect.h"
#include "controls/ChildWindow.h"
#include "controls/ControlLayout.h"
#include "controls/DialogTemplate.h"
#include "imaging/CFileManager.h"
#include "imaging/CSprite.h"
#include "shell/PlayingPhase.h"
#include "shell/TitlePhase.h"
#include "shell/WM_Messages.h"
#include "sticker/AnimView.h"
#include "sticker/Catalogue.h"
#include "sticker/PlaceTable.h"
#include "sticker/PageStartup.h"
#include "sticker/StickersUsed.h"
#include "support/CInitialization.h"
#include "testing/Pictures.h"
#include "testing/TestFolder.h"

namespace {

// A visible screen-sized window for the handlers to act on, in a program
// folder with a data004 and a save004.
struct MainWindowTest : ::testing::Test {
    MainWindowTest()
    {
        std::filesystem::create_directory("data004");
        std::filesystem::create_directory("save004");
        CFileManager::SetProgramFolderPath(".");
    }
    ~MainWindowTest()
    {
        // Not through the program's procedure: that would post the quit message.
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcA));
        DestroyWindow(window);
        CFileManager::SetProgramFolderPath("");
    }
    bool TakeMessage(UINT message) { MSG m; return PeekMessageA(&m, window, message, message, PM_REMOVE) != 0; }

    TestFolder folder;
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 1024, 768, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    MESSAGES messages;
};

// The system cursor's display count of this thread.
int CursorCount() { return ShowCursor(FALSE), ShowCursor(TRUE); }

void Pump() { for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&msg); }

// The rainbow group holds the stickers that have pictures here.
const int RAINBOW_TAB = 1010;
const int CARRIED_BUTTON = 1037;  // sticker 106
const int OTHER_BUTTON = 1038;    // sticker 107

// Every dialog a command opens (information, print, clear-all) gets this
// answer: Cancel, which is also No, or Yes (1).
WPARAM g_Answer = IDCANCEL;
void CALLBACK AnswerDialogs(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = nullptr;
    while ((dialog = FindWindowExA(nullptr, dialog, "#32770", nullptr)))
        if (IsWindowVisible(dialog) &&
            GetWindowThreadProcessId(dialog, nullptr) == GetCurrentThreadId())
            PostMessageA(dialog, WM_COMMAND, g_Answer, 0);
}

// The sounds played since the last call: their resource names, each followed by a blank.
std::string g_Sounds;
std::string Sounds() { return std::exchange(g_Sounds, ""); }

// A page file that holds a sticker record is longer than its header.
bool HoldsASticker(int page)
{
    std::error_code absent;
    const uintmax_t size = std::filesystem::file_size(SaveName(page).substr(1), absent);
    return !absent && size > 16;
}

TEST_F(MainWindowTest, LostCaptureDeactivationAndEveryCommandThrowTheCarriedStickerAwayEachWithItsSound)
{
    SoundEffect::ms_Player = [](const char* name, HINSTANCE) { g_Sounds += name + std::string(" "); };
    FillDialogKindTable();
    // Both page backgrounds, the corner pieces and a 60 x 40 picture of each sticker taken.
    for (int page = 0; page < 2; ++page)
        WritePictureFile(PageBackgroundName(page).substr(1), PAGE_WIDTH, PAGE_HEIGHT, 0x00306090);
    WritePictureFile(CornerStripName().substr(1), 32, 8, 0x0000FF00);
    for (int sticker : {106, 107})
        WritePictureFile(StickerPictureName(sticker).substr(1), 60, 40, 0x000000FF);
    CInitialization::ms_ShowNewStickerHint = 0;
    StickersUsed::GetStickersUsed()->ResetAll();
    // The main window's procedure comes after creation: its creation
    // handler would check for the whole program folder.
    ASSERT_NE(nullptr, window);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MainWndProc));
    SendMessageA(window, WM_COMMAND, START_BUTTON_ID, 0);
    Pump(); // the page window and the play screen's buttons
    ASSERT_NE(nullptr, PageWindow);
    HWND page = PageWindow->GetHWnd();
    StartPage(window);
    const UINT_PTR answering = SetTimer(nullptr, 0, 50, AnswerDialogs);
    const int shown = CursorCount();

    // How the carry ends before the command: a call with the main window and the page.
    const std::pair<const char*, void (*)(HWND, HWND)> endings[] = {
        {"WM_CANCELMODE to the page", [](HWND, HWND p) { SendMessageA(p, WM_CANCELMODE, 0, 0); }},
        {"WM_CANCELMODE to main", [](HWND m, HWND) { SendMessageA(m, WM_CANCELMODE, 0, 0); }},
        {"deactivation", [](HWND m, HWND) { SendMessageA(m, WM_ACTIVATEAPP, FALSE, 0); }},
        {"another window takes the capture",
         [](HWND m, HWND) {
             SetCapture(m);
             EXPECT_EQ(m, GetCapture()) << "the window that took the capture keeps it";
             ReleaseCapture();
         }},
        {"none: the command comes during the carry", nullptr},
    };
    // Each command and its sound, after the peel of the sticker taken; clear-all with no sticker used asks nothing.
    const std::pair<UINT, const char*> commands[] = {
        {PRINT_BUTTON_ID, ""},         {CLEAR_ALL_BUTTON_ID, ""}, {INFO_BUTTON_ID, ""},
        {PREVIOUS_PAGE_BUTTON_ID, ""}, {NEXT_PAGE_BUTTON_ID, ""}, {RAINBOW_TAB, ""},
        {RAINBOW_TAB + 1, "SelectWAVE "}, {OTHER_BUTTON, "PeelWAVE "}};
    for (const auto& [why, end] : endings) {
        for (const auto& [command, sound] : commands) {
            SCOPED_TRACE(testing::Message() << why << ", then command " << command);
            PlayingPhase.SetSelectedTab(RAINBOW_TAB);
            SendMessageA(window, WM_COMMAND, CARRIED_BUTTON, 0);
            ASSERT_TRUE(AnimView.IsCarrying());
            ASSERT_EQ(shown - 1, CursorCount());
            if (end) {
                end(window, page);
                EXPECT_FALSE(AnimView.IsCarrying());
                EXPECT_EQ(shown, CursorCount()) << "the cursor shows again";
                EXPECT_EQ(NO_BUTTON_ID, PlayingPhase.GetStkrBtnPressed()) << "button released";
            }
            SendMessageA(window, WM_COMMAND, command, 0);
            // Fatal: a view left pointing at a freed sticker would crash below.
            ASSERT_FALSE(HoldsASticker(SAVE_PAGE01) || HoldsASticker(SAVE_PAGE02));
            ASSERT_EQ(command == OTHER_BUTTON, AnimView.IsCarrying());
            if (CSprite* carried = AnimView.GetCarriedSprite()) {
                EXPECT_EQ(107, carried->GetStickerIndex());
            }
            SendMessageA(page, WM_MOUSEMOVE, 0, MAKELPARAM(300, 300));
            SendMessageA(page, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(300, 300));
            Pump();
            EXPECT_EQ(shown, CursorCount()) << "the cursor shows";
            EXPECT_EQ(CURSOR_ARROW, CursorIndex);
            EXPECT_EQ(SU_NOT_USED, StickersUsed::GetStickersUsed()->GetStickerUsed(106));
            EXPECT_EQ(std::string("PeelWAVE ") + sound, Sounds());
        }
    }
    // Stuck on its place (the 60 x 40 sticker is carried by its centre); clear-all answered No, then Yes.
    PlayingPhase.SetSelectedTab(RAINBOW_TAB);
    SendMessageA(window, WM_COMMAND, CARRIED_BUTTON, 0);
    const LPARAM place = MAKELPARAM(STICKER_PLACES[106].x + 30, STICKER_PLACES[106].y + 20);
    SendMessageA(page, WM_MOUSEMOVE, 0, place);
    SendMessageA(page, WM_LBUTTONDOWN, MK_LBUTTON, place);
    EXPECT_EQ("PeelWAVE StickWAVE ", Sounds());
    for (const WPARAM answer : {IDCANCEL, IDOK}) {
        g_Answer = answer;
        SendMessageA(window, WM_COMMAND, CLEAR_ALL_BUTTON_ID, 0);
        EXPECT_EQ(answer == IDOK ? "ClearWAVE " : "", Sounds()) << "answered " << answer;
    }
    KillTimer(nullptr, answering);
    delete PageWindow;
    PageWindow = nullptr;
}

TEST_F(MainWindowTest, StartSwitchesToPlayOnceOnlyAndABackgroundClickShowsTheHiddenCursorExactlyOnce)
{
    GamePhase* const current = CurrentPhase;
    CurrentPhase = &TitlePhase;
    EXPECT_EQ(1, messages.OnCommand(window, START_BUTTON_ID, 0));
    EXPECT_EQ(&PlayingPhase, CurrentPhase);
    EXPECT_EQ(1, messages.ScreenState);
    EXPECT_TRUE(TakeMessage(WM_USER_CREATE_PAGE_WINDOW));
    for (int state : {1, 2}) {
        messages.ScreenState = state;
        EXPECT_EQ(1, messages.OnCommand(window, START_BUTTON_ID, 0));
        EXPECT_EQ(&TitlePhase, PreviousPhase) << "state " << state;
        EXPECT_FALSE(TakeMessage(WM_USER_CREATE_PAGE_WINDOW)) << "state " << state;
    }
    CurrentPhase = current;
    const int shown = CursorCount();
    ShowCursor(FALSE); // as a carry hides it
    CursorIndex = CURSOR_NONE;
    CursorHidden = 1;
    messages.OnLButtonDown(window);
    EXPECT_EQ(CURSOR_ARROW, CursorIndex);
    EXPECT_EQ(0, CursorHidden) << "a later end of the carry must not show it again";
    messages.OnLButtonDown(window);
    messages.OnLButtonUp(window);
    EXPECT_EQ(shown, CursorCount());
}

} // namespace
