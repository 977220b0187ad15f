// The title screen's Start button.
#pragma once

#include "controls/ButtonGroupOf.h"
#include "controls/StartButtonSubclass.h"

class StartButtonGroup : public ButtonGroupOf<StartButtonSubclass> {
public:
    StartButtonGroup();
};

// The one group; the object hides the class name where this is included.
extern class StartButtonGroup StartButtonGroup;
