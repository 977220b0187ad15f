#include "sticker/PageStartup.h"

#include <memory>

#include "imaging/GdiBufferSurface.h"
#include "sticker/AnimView.h"
#include "sticker/CAnimDoc.h"
#include "sticker/CPageCycle.h"
#include "sticker/Catalogue.h"
#include "sticker/StickerOverPosition.h"
#include "sticker/WinCarryPlatform.h"

void StartPage(HWND mainWindow)
{
    AnimView.SetSurface(std::unique_ptr<BufferSurface>(new GdiBufferSurface));
    AnimView.SetPlatform(std::unique_ptr<CarryPlatform>(new WinCarryPlatform));
    AnimDoc.LinkView(&AnimView);
    StickerOverPosition::Init(&AnimView, &AnimDoc);
    AnimDoc.ShowPage(mainWindow, PageBackgroundName(PageCycle.CurrentPage), CORNER_PIECES);
    AnimDoc.LoadPage();
}
