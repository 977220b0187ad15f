// The eight sticker group tabs.
#pragma once

#include "controls/ButtonGroupOf.h"
#include "controls/PageTabSubclass.h"

class PageTabGroup : public ButtonGroupOf<PageTabSubclass> {
public:
    PageTabGroup();
};

// The one group; the object hides the class name where this is included.
extern class PageTabGroup PageTabGroup;
