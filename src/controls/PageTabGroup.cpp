#include "controls/PageTabGroup.h"

#include "sticker/Catalogue.h"

PageTabGroup::PageTabGroup() : ButtonGroupOf(NUMBEROFGROUPTABPICTURES)
{
}

class PageTabGroup PageTabGroup;
