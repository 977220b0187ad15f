#include "controls/StartButtonGroup.h"

StartButtonGroup::StartButtonGroup() : ButtonGroupOf(1)
{
}

class StartButtonGroup StartButtonGroup;
