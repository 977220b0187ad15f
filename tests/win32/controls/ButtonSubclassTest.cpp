#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include <windows.h>

#include "controls/CommandButtonSubclass.h"
#include "controls/ControlLayout.h"
#include "controls/PageTabGroup.h"
#include "controls/StartButtonSubclass.h"
#include "controls/StickerButtonGroup.h"
#include "support/Assert.h"

namespace {

LPARAM Point(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

// Messages the button procedure underneath saw, and what it answers.
int g_PreviousCalls = 0;
UINT g_LastPreviousMessage = 0;
WNDPROC g_ButtonProc = nullptr;

LRESULT CALLBACK CountingButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    ++g_PreviousCalls;
    g_LastPreviousMessage = message;
    return CallWindowProcA(g_ButtonProc, window, message, wParam, lParam);
}

struct DrawCall {
    int calls;
    UINT id;
    int state;
    const DRAWITEMSTRUCT* item;
} g_Draw;

int FakeDrawStickerButton(const DRAWITEMSTRUCT* item, UINT id, int state)
{
    g_Draw.calls++;
    g_Draw.id = id;
    g_Draw.state = state;
    g_Draw.item = item;
    return 1;
}

int32_t g_TabHeld = -1;

class ButtonSubclassTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1024, 768, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_Parent);
        SetSubclassHooks({FakeDrawStickerButton, &g_TabHeld});
        g_Draw = {};
        g_TabHeld = -1;
    }
    void TearDown() override
    {
        StickerButtonGroup.UnsubclassAll();
        PageTabGroup.UnsubclassAll();
        DestroyWindow(m_Parent);
        SetSubclassHooks({nullptr, nullptr});
    }

    // The group's buttons over a copy of the records, so the program's
    // tables keep no test windows.
    template <size_t N>
    void CreateAndSubclass(ButtonGroup& group, const ButtonRecord (&records)[N])
    {
        std::memcpy(m_Records, records, sizeof records);
        group.CreateButtons(m_Parent, m_Records);
        group.SubclassAll();
    }

    HWND m_Parent = nullptr;
    ButtonRecord m_Records[28];
};

TEST_F(ButtonSubclassTest, SubclassingReplacesAndRestoresTheProcedureAndRegistry)
{
    CreateAndSubclass(StickerButtonGroup, StickerButtonRecords);
    for (int i = 0; i < 28; ++i) {
        SCOPED_TRACE(i);
        HWND button = m_Records[i].window;
        ASSERT_NE(nullptr, button);
        EXPECT_EQ(m_Records[i].id, GetDlgCtrlID(button));
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(StickerButtonSubclass::WindowProc),
                  GetWindowLongPtrA(button, GWLP_WNDPROC));
        EXPECT_EQ(&StickerButtonSubclass::Object(i),
                  StickerButtonSubclass::Registry().Find(button));
    }
    RECT place;
    GetWindowRect(m_Records[27].window, &place);
    EXPECT_EQ(949, place.left);
    EXPECT_EQ(109, place.top);
    EXPECT_EQ(60, place.right - place.left);

    const LONG_PTR original = GetClassLongPtrA(m_Records[0].window, GCLP_WNDPROC);
    StickerButtonGroup.UnsubclassAll();
    EXPECT_TRUE(StickerButtonSubclass::Registry().IsEmpty());
    EXPECT_EQ(original, GetWindowLongPtrA(m_Records[0].window, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, StickerButtonSubclass::Object(0).GetWindow());
}

TEST_F(ButtonSubclassTest, AttachingTwiceOrDetachingUnattachedIsHarmless)
{
    StartButtonSubclass& object = StartButtonSubclass::Object(0);
    EXPECT_EQ(1, object.Attach(nullptr));
    EXPECT_EQ(nullptr, object.GetWindow());

    HWND button = CreateWindowExA(0, "button", "", WS_CHILD | BS_OWNERDRAW, 0, 0, 10, 10,
                                  m_Parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(1, object.Attach(button));
    EXPECT_EQ(1, object.Attach(button));
    // The saved procedure is the button's own, not ours: no endless loop.
    EXPECT_EQ(0, SendMessageA(button, BM_GETSTATE, 0, 0));
    EXPECT_EQ(1, object.Attach(nullptr));
    EXPECT_EQ(GetClassLongPtrA(button, GCLP_WNDPROC), GetWindowLongPtrA(button, GWLP_WNDPROC));
    EXPECT_TRUE(StartButtonSubclass::Registry().IsEmpty());
    DestroyWindow(button);
}

TEST_F(ButtonSubclassTest, DestroyedWindowLeavesTheRegistry)
{
    HWND button = CreateWindowExA(0, "button", "", WS_CHILD | BS_OWNERDRAW, 0, 0, 10, 10,
                                  m_Parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    CommandButtonSubclass::Object(2).Attach(button);
    ASSERT_FALSE(CommandButtonSubclass::Registry().IsEmpty());
    DestroyWindow(button);
    EXPECT_TRUE(CommandButtonSubclass::Registry().IsEmpty());
    EXPECT_EQ(nullptr, CommandButtonSubclass::Object(2).GetWindow());
}

TEST_F(ButtonSubclassTest, StickerButtonStatesFollowTheMouse)
{
    CreateAndSubclass(StickerButtonGroup, StickerButtonRecords);
    HWND button = m_Records[3].window;
    const StickerButtonSubclass& object = StickerButtonSubclass::Object(3);
    EXPECT_EQ(0, SendMessageA(button, WM_SETCURSOR, reinterpret_cast<WPARAM>(button), 0));
    EXPECT_EQ(1, SendMessageA(button, WM_ERASEBKGND, 0, 0));

    SendMessageA(button, WM_MOUSEMOVE, 0, Point(60, 60));
    EXPECT_EQ(1, object.GetState()) << "the far corner is inside";
    EXPECT_TRUE(object.IsTrackingArmed());

    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, Point(30, 30));
    EXPECT_EQ(2, object.GetState());
    // Dragged out with the button held: up at once, tracking disarmed.
    SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, Point(-1, 30));
    EXPECT_EQ(0, object.GetState());
    EXPECT_FALSE(object.IsTrackingArmed());
    // Back in: down again and re-armed.
    SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, Point(20, 20));
    EXPECT_EQ(2, object.GetState());
    EXPECT_TRUE(object.IsTrackingArmed());
    // Released inside: latched.
    SendMessageA(button, WM_LBUTTONUP, 0, Point(20, 20));
    EXPECT_EQ(3, object.GetState());
    SendMessageA(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(0, object.GetState());

    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, Point(30, 30));
    SendMessageA(button, WM_LBUTTONUP, 0, Point(61, 30));
    EXPECT_EQ(0, object.GetState()) << "released outside";
}

TEST_F(ButtonSubclassTest, StickerButtonDrawsThroughTheCurrentScreen)
{
    CreateAndSubclass(StickerButtonGroup, StickerButtonRecords);
    HWND button = m_Records[5].window;
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, Point(30, 30));
    DRAWITEMSTRUCT item = {};
    item.CtlID = 1020;
    item.hwndItem = button;
    SendMessageA(button, WM_DRAWITEM, 1020, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(1, g_Draw.calls);
    EXPECT_EQ(1020u, g_Draw.id);
    EXPECT_EQ(2, g_Draw.state);
    EXPECT_EQ(&item, g_Draw.item);
    SendMessageA(button, WM_LBUTTONUP, 0, Point(30, 30));

    SetSubclassHooks({nullptr, nullptr});
    SendMessageA(button, WM_DRAWITEM, 1020, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(1, g_Draw.calls) << "without a screen nothing is drawn";
}

TEST_F(ButtonSubclassTest, PageTabTellsWhetherItIsHeld)
{
    CreateAndSubclass(PageTabGroup, PageTabRecords);
    HWND tab = m_Records[2].window;
    g_PreviousCalls = 0;
    SendMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
    EXPECT_EQ(1, g_TabHeld);
    SendMessageA(tab, WM_MOUSEMOVE, MK_LBUTTON, Point(61, 10));
    EXPECT_EQ(0, g_TabHeld);
    SendMessageA(tab, WM_MOUSEMOVE, MK_LBUTTON, Point(60, 65));
    EXPECT_EQ(1, g_TabHeld) << "the far corner is inside";
    SendMessageA(tab, WM_MOUSEMOVE, MK_LBUTTON, Point(10, -2));
    EXPECT_EQ(0, g_TabHeld) << "above the tab";
    SendMessageA(tab, WM_MOUSEMOVE, 0, Point(10, 10));
    EXPECT_EQ(0, g_TabHeld) << "moves without the button leave it";
    SendMessageA(tab, WM_LBUTTONUP, 0, Point(10, 10));
    EXPECT_EQ(0, SendMessageA(tab, WM_SETCURSOR, reinterpret_cast<WPARAM>(tab), 0));
}

TEST_F(ButtonSubclassTest, MessagesReachTheSavedProcedure)
{
    HWND button = CreateWindowExA(0, "button", "", WS_CHILD | BS_OWNERDRAW, 0, 0, 10, 10,
                                  m_Parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    g_ButtonProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingButtonProc)));
    CommandButtonSubclass& object = CommandButtonSubclass::Object(0);
    object.Attach(button);
    g_PreviousCalls = 0;
    SendMessageA(button, WM_SETCURSOR, reinterpret_cast<WPARAM>(button), 0);
    EXPECT_EQ(0, g_PreviousCalls) << "the cursor is answered without forwarding";
    SendMessageA(button, WM_USER + 5, 0, 0);
    EXPECT_EQ(1, g_PreviousCalls);
    EXPECT_EQ(static_cast<UINT>(WM_USER + 5), g_LastPreviousMessage);
    object.Attach(nullptr);
    DestroyWindow(button);
}

std::string g_AssertText;
bool RecordBox(const char* text)
{
    g_AssertText = text;
    return false;
}
void ThrowExit(int code)
{
    throw code;
}

TEST_F(ButtonSubclassTest, NoSavedProcedureEndsTheProgram)
{
    SetAssertUi({RecordBox, nullptr, ThrowExit});
    int code = -1;
    try {
        StartButtonSubclass::Object(0).CallPreviousProc(WM_USER, 0, 0);
    } catch (int exitCode) {
        code = exitCode;
    }
    SetAssertUi({nullptr, nullptr, nullptr});
    EXPECT_EQ(1, code);
    EXPECT_NE(std::string::npos, g_AssertText.find("\"x\"")) << g_AssertText;
}

} // namespace
