#include <gtest/gtest.h>

#include "controls/ButtonFaceState.h"
#include "controls/ControlLayout.h"
#include "controls/TrayRules.h"

namespace {

TEST(TrayRules, StickerGraphicFollowsTheSelectedTab)
{
    EXPECT_EQ(0, StickerGraphicIndex(1007, 1015));
    EXPECT_EQ(27, StickerGraphicIndex(1007, 1042));
    EXPECT_EQ(28, StickerGraphicIndex(1008, 1015));
    EXPECT_EQ(84, StickerGraphicIndex(1010, 1015));
    EXPECT_EQ(223, StickerGraphicIndex(1014, 1042));
}

TEST(TrayRules, UsedFaceWinsOverEveryOtherState)
{
    for (int hover : {StateUp, StateHover, StateDown, StateLatched}) {
        SCOPED_TRACE(hover);
        EXPECT_EQ(StateDisabled, StickerButtonRequest(true, ODA_SELECT, ODS_SELECTED, hover));
        EXPECT_EQ(StateDisabled, StickerButtonRequest(true, ODA_DRAWENTIRE, 0, hover));
    }
}

TEST(TrayRules, SelectingAStickerButtonByItselfResetsItsFace)
{
    EXPECT_EQ(StateReset, StickerButtonRequest(false, ODA_SELECT, ODS_SELECTED, StateLatched));
    // Anything but exactly "selected" shows the hover state.
    EXPECT_EQ(StateLatched,
              StickerButtonRequest(false, ODA_SELECT, ODS_SELECTED | ODS_FOCUS, StateLatched));
    EXPECT_EQ(StateHover, StickerButtonRequest(false, ODA_DRAWENTIRE, ODS_SELECTED, StateHover));
    EXPECT_EQ(StateDown, StickerButtonRequest(false, ODA_SELECT, 0, StateDown));
    EXPECT_EQ(StateUp, StickerButtonRequest(false, ODA_FOCUS, ODS_FOCUS, StateUp));
}

TEST(TrayRules, PageTabsAtRestShowTheSelectedTabDown)
{
    PageTabFields fields = {1009, NO_BUTTON_ID, 0};
    EXPECT_EQ(StateDown, PageTabRequest(ODA_DRAWENTIRE, 0, 1009, fields));
    EXPECT_EQ(StateReset, PageTabRequest(ODA_DRAWENTIRE, 0, 1007, fields));
    EXPECT_EQ(NO_DRAW, PageTabRequest(ODA_SELECT, 0, 1008, fields));
    EXPECT_EQ(StateDown, PageTabRequest(ODA_SELECT, 0, 1009, fields));
    EXPECT_EQ(StateReset, PageTabRequest(ODA_SELECT, ODS_SELECTED, 1009, fields));
    EXPECT_EQ(StateReset, PageTabRequest(ODA_DRAWENTIRE, ODS_SELECTED, 1007, fields));
    EXPECT_EQ(NO_BUTTON_ID, fields.focusTab);
}

TEST(TrayRules, FocusedTabFollowsTheHeldMouse)
{
    PageTabFields fields = {1007, NO_BUTTON_ID, 1};
    EXPECT_EQ(StateDown, PageTabRequest(ODA_FOCUS, ODS_FOCUS, 1011, fields));
    EXPECT_EQ(1011, fields.focusTab);
    EXPECT_EQ(StateDown, PageTabRequest(ODA_SELECT, ODS_SELECTED, 1011, fields));
    fields.tabHeld = 0; // dragged off the tab
    EXPECT_EQ(StateReset, PageTabRequest(ODA_SELECT, 0, 1011, fields));
    // Once chosen, the focused tab with the mouse released is left as drawn.
    fields.selectedTab = 1011;
    EXPECT_EQ(NO_DRAW, PageTabRequest(ODA_DRAWENTIRE, 0, 1011, fields));
    // Other tabs keep the rest rule.
    EXPECT_EQ(StateReset, PageTabRequest(ODA_DRAWENTIRE, 0, 1007, fields));
    EXPECT_EQ(1011, fields.focusTab);
}

} // namespace
