#include "controls/TrayRules.h"

#include "controls/ButtonFaceState.h"
#include "controls/ControlLayout.h"

int StickerGraphicIndex(int selectedTab, int id)
{
    return (selectedTab - FIRST_PAGE_TAB_ID) * NUMBER_OF_STICKER_BUTTONS +
           (id - FIRST_STICKER_BUTTON_ID);
}

int StickerButtonRequest(bool used, UINT action, UINT itemState, int hoverState)
{
    if (used)
        return StateDisabled;
    if (action == ODA_SELECT && itemState == ODS_SELECTED)
        return StateReset;
    return hoverState;
}

int PageTabRequest(UINT action, UINT itemState, int tab, PageTabFields& fields)
{
    const bool selected = tab == fields.selectedTab;
    if (action == ODA_FOCUS && (itemState & ODS_FOCUS)) {
        fields.focusTab = tab;
        return StateDown;
    }
    if (fields.focusTab == tab) {
        if (fields.tabHeld == 1)
            return StateDown;
        if (fields.tabHeld == 0 && !selected)
            return StateReset;
        return NO_DRAW;
    }
    if ((action == ODA_SELECT || action == ODA_DRAWENTIRE) && itemState == ODS_SELECTED)
        return StateReset;
    if (!selected && action == ODA_DRAWENTIRE && itemState == 0)
        return StateReset;
    if (selected)
        return StateDown;
    return NO_DRAW;
}
