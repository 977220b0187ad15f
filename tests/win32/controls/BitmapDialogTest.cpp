#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <windows.h>

#include "controls/BitmapDialog.h"
#include "support/Log.h"
#include "testing/TestFolder.h"

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

namespace {

// The procedures draw through the program's bitmap resources, which a test
// lacks: every face they try to draw leaves a trace line naming it.
class DialogProcedureTest : public ::testing::Test {
protected:
    void SetUp() override { g_LogEnabled = 1; }
    void TearDown() override { g_LogEnabled = 0; }

    std::string FacesDrawn(DLGPROC procedure, UINT id, UINT itemState)
    {
        std::remove("log.txt");
        HDC dc = CreateCompatibleDC(nullptr);
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = id;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = itemState;
        item.hDC = dc;
        EXPECT_EQ(0, procedure(nullptr, WM_DRAWITEM, id, reinterpret_cast<LPARAM>(&item)));
        DeleteDC(dc);
        std::ifstream in("log.txt");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    TestFolder m_Folder;
};

TEST_F(DialogProcedureTest, EachKindDrawsTheFacesOfItsButtons)
{
    EXPECT_NE(std::string::npos, FacesDrawn(YesNoDialogProc, 1, 0).find("YESButtonUp"));
    EXPECT_NE(std::string::npos,
              FacesDrawn(YesNoDialogProc, 2, ODS_SELECTED).find("NOButtonDown"));
    EXPECT_EQ("", FacesDrawn(YesNoDialogProc, 3, 0)) << "no face for another id";
    EXPECT_NE(std::string::npos, FacesDrawn(OkDialogProc, 9, 0).find("OKButtonUp"));
    EXPECT_NE(std::string::npos,
              FacesDrawn(QuitDialogProc, 1, ODS_SELECTED).find("QuitButtonDown"));
}

TEST_F(DialogProcedureTest, ColourMessagesGetTheNullBrushAndOthersAreNotHandled)
{
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH)),
              OkDialogProc(nullptr, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), 0));
    EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
    DeleteDC(dc);
    EXPECT_EQ(FALSE, YesNoDialogProc(nullptr, WM_COMMAND, 3, 0));
    EXPECT_EQ(FALSE, QuitDialogProc(nullptr, WM_COMMAND, IDCANCEL, 0));
    EXPECT_EQ(FALSE, OkDialogProc(nullptr, WM_MOUSEMOVE, 0, 0));
}

} // namespace
