// The sticker buttons of the tray: hover and press states of their own, kept
// with hover tracking, and owner drawing by the current screen phase.
#pragma once

#include "controls/ButtonSubclassKind.h"

class StickerButtonSubclass : public ButtonSubclassKind<StickerButtonSubclass, 28> {
public:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
};
