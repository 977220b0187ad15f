// Faults the main window's handlers once had: Start taken twice (Return and a
// click together), and the click that shows a cursor hidden by a carry.
#include <gtest/gtest.h>

#include <filesystem>

#include "controls/ControlLayout.h"
#include "imaging/CFileManager.h"
#include "shell/PlayingPhase.h"
#include "shell/TitlePhase.h"
#include "shell/WM_Messages.h"
#include "sticker/AnimView.h"
#include "testing/TestFolder.h"

namespace {

// A hidden window for the handlers to act on, with the program folder's data004.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        std::filesystem::create_directory(folder.path() / "data004");
        CFileManager::SetProgramFolderPath(folder.path().string());
        window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1024, 768, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    }
    ~MainWindowTest()
    {
        DestroyWindow(window);
        CFileManager::SetProgramFolderPath("");
    }
    bool TakeMessage(UINT message)
    {
        MSG msg;
        return PeekMessageA(&msg, window, message, message, PM_REMOVE) != 0;
    }

    TestFolder folder;
    HWND window = nullptr;
    MESSAGES messages;
};

TEST_F(MainWindowTest, StartSwitchesToPlayOnceOnly)
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
}

TEST_F(MainWindowTest, AClickOnTheBackgroundShowsTheHiddenCursorExactlyOnce)
{
    const int shown = ShowCursor(FALSE) + 1;  // the display count before the carry
    CursorIndex = CURSOR_NONE;
    CursorHidden = 1;
    messages.OnLButtonDown(window);
    EXPECT_EQ(CURSOR_ARROW, CursorIndex);
    EXPECT_EQ(0, CursorHidden) << "a later end of the carry must not show it again";
    messages.OnLButtonDown(window);
    messages.OnLButtonUp(window);
    EXPECT_EQ(shown, ShowCursor(FALSE) + 1);
    ShowCursor(TRUE);
}

} // namespace
