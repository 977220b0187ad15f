// The sticker group tabs: repainted while pressed, and they tell the playing
// screen whether the mouse still holds a tab down over it.
#pragma once

#include "controls/ButtonSubclassKind.h"

class PageTabSubclass : public ButtonSubclassKind<PageTabSubclass, 8> {
public:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static void SetTabHeld(int held);
};
