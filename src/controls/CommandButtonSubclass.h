// The play screen's command buttons: repainted while pressed, so the phase
// draws the standard button's pushed state.
#pragma once

#include "controls/ButtonSubclassKind.h"

class CommandButtonSubclass : public ButtonSubclassKind<CommandButtonSubclass, 6> {
public:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
};
