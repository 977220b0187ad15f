#include "controls/CommandButtonGroup.h"

#include "sticker/Catalogue.h"

CommandButtonGroup::CommandButtonGroup() : ButtonGroupOf(NUMBEROFCOMMANDBUTTONPICTURES)
{
}

class CommandButtonGroup CommandButtonGroup;
