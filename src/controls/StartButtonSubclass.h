// The title screen's Start button: the arrow cursor, nothing else.
#pragma once

#include "controls/ButtonSubclassKind.h"

class StartButtonSubclass : public ButtonSubclassKind<StartButtonSubclass, 1> {
public:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
};
