#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include <windows.h>

#include "controls/BitmapDialog.h"

namespace {

// What the fake user does once the dialog is up, step by step, one step per
// timer tick, so the dialog's own loop runs in between.
std::vector<std::function<void(HWND)>> g_Steps;
size_t g_NextStep = 0;
RECT g_DialogRect;
RECT g_ButtonRect;

BOOL CALLBACK FindDialog(HWND window, LPARAM found)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog || g_NextStep >= g_Steps.size())
        return;
    g_Steps[g_NextStep++](dialog);
}

void Measure(HWND dialog)
{
    GetWindowRect(dialog, &g_DialogRect);
    GetWindowRect(GetDlgItem(dialog, 1), &g_ButtonRect);
}

void Escape(HWND dialog)
{
    PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
}

std::function<void(HWND)> Command(WPARAM id)
{
    return [id](HWND dialog) { PostMessageA(dialog, WM_COMMAND, id, 0); };
}

class BitmapDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillDialogKindTable();
        m_Owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1000, 700,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_Owner);
        m_Timer = SetTimer(nullptr, 0, 30, Tick);
        g_NextStep = 0;
        g_DialogRect = {};
    }
    void TearDown() override
    {
        KillTimer(nullptr, m_Timer);
        DestroyWindow(m_Owner);
    }

    INT_PTR Run(int kind, DLGPROC procedure, std::vector<std::function<void(HWND)>> steps)
    {
        g_Steps = std::move(steps);
        g_NextStep = 0;
        const INT_PTR result = ShowBitmapDialog(m_Owner, kind, procedure, "AboutDialogBkg");
        EXPECT_EQ(g_Steps.size(), g_NextStep) << "steps left when the dialog ended";
        return result;
    }

    HWND m_Owner = nullptr;
    UINT_PTR m_Timer = 0;
};

TEST_F(BitmapDialogTest, YesNoAnswersAndEscapeIsNo)
{
    EXPECT_EQ(1, Run(DialogKindYesNo, YesNoDialogProc, {Command(1)}));
    EXPECT_EQ(2, Run(DialogKindYesNo, YesNoDialogProc, {Command(2)}));
    EXPECT_EQ(2, Run(DialogKindYesNo, YesNoDialogProc, {Escape}));
}

TEST_F(BitmapDialogTest, OkEndsWithOneAndEscapeWithTwo)
{
    EXPECT_EQ(1, Run(DialogKindOk, OkDialogProc, {Command(1)}));
    EXPECT_EQ(2, Run(DialogKindOk, OkDialogProc, {Escape}));
}

TEST_F(BitmapDialogTest, QuitEndsOnlyByItsButton)
{
    EXPECT_EQ(1, Run(DialogKindQuit, QuitDialogProc,
                     {Escape, Command(2), Command(IDCANCEL), Command(7), Measure, Command(1)}));
}

TEST_F(BitmapDialogTest, DialogIsCentredOnItsParentAtTheTemplateSize)
{
    Run(DialogKindOk, OkDialogProc, {Measure, Command(1)});
    // Sizes follow the dialog base units: 8 by 16 gives the bitmaps' pixels.
    const LONG units = GetDialogBaseUnits();
    const int width = 180 * 8 / LOWORD(units) * LOWORD(units) / 4;
    const int height = 180 * 16 / HIWORD(units) * HIWORD(units) / 8;
    EXPECT_EQ(width, g_DialogRect.right - g_DialogRect.left);
    EXPECT_EQ(height, g_DialogRect.bottom - g_DialogRect.top);
    EXPECT_EQ((1000 - width) / 2, g_DialogRect.left);
    EXPECT_EQ((700 - height) / 2, g_DialogRect.top);
    if (LOWORD(units) == 8 && HIWORD(units) == 16) {
        EXPECT_EQ(128, g_ButtonRect.right - g_ButtonRect.left);
        EXPECT_EQ(50, g_ButtonRect.bottom - g_ButtonRect.top);
    }
}

TEST_F(BitmapDialogTest, TemplateBlockHoldsTheKindsHeader)
{
    HGLOBAL block = BuildDialogTemplate(DialogKindQuit);
    ASSERT_NE(nullptr, block);
    const auto* header = static_cast<const DLGTEMPLATE*>(block);
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP), header->style);
    EXPECT_EQ(1, header->cdit);
    GlobalFree(block);
    EXPECT_EQ(nullptr, BuildDialogTemplate(NUMBER_OF_DIALOG_KINDS));
}

} // namespace
