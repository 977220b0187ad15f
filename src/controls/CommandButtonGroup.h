// The six command buttons of the play screen.
#pragma once

#include "controls/ButtonGroupOf.h"
#include "controls/CommandButtonSubclass.h"

class CommandButtonGroup : public ButtonGroupOf<CommandButtonSubclass> {
public:
    CommandButtonGroup();
};

// The one group; the object hides the class name where this is included.
extern class CommandButtonGroup CommandButtonGroup;
