#include "sticker/CPageCycle.h"

CPageCycle PageCycle;

void CPageCycle::NextPage()
{
    if (++CurrentPage > PAGE_COUNT - 1)
        CurrentPage = 0;
}

void CPageCycle::PreviousPage()
{
    if (--CurrentPage < 0)
        CurrentPage = PAGE_COUNT - 1;
}
