#include "sticker/StickerOverPosition.h"

#include "imaging/CSprite.h"
#include "sticker/AnimView.h"
#include "sticker/CPageCycle.h"
#include "sticker/PlaceTable.h"
#include "support/Assert.h"

CAnimView* StickerOverPosition::animView = nullptr;
CAnimDoc* StickerOverPosition::animDoc = nullptr;

namespace {

bool Near(int value, int place)
{
    return place - StickerOverPosition::SNAP_TOLERANCE < value &&
           value < place + StickerOverPosition::SNAP_TOLERANCE;
}

} // namespace

void StickerOverPosition::Init(CAnimView* view, CAnimDoc* document)
{
    if (!view)
        DoAssert("animView", __FILE__, __LINE__);
    if (!document)
        DoAssert("animDoc", __FILE__, __LINE__);
    animView = view;
    animDoc = document;
}

bool StickerOverPosition::IsValid()
{
    return animView && animDoc;
}

int StickerOverPosition::Check()
{
    if (!animView || !animView->IsCarrying())
        return 0;
    CSprite* pCapturedSprite = animView->GetCarriedSprite();
    ML_ASSERT(pCapturedSprite);
    if (!pCapturedSprite)
        return 0;
    const long spriteIndex = pCapturedSprite->GetStickerIndex();
    ML_ASSERT(spriteIndex >= STICKER01_01 && spriteIndex < NUMBEROFSTICKERGRAPHICS);
    if (spriteIndex < STICKER01_01 || spriteIndex >= NUMBEROFSTICKERGRAPHICS)
        return 0;
    const StickerPlace& place = STICKER_PLACES[spriteIndex];
    if (place.page - 1 != PageCycle.CurrentPage)
        return 0;
    if (!Near(pCapturedSprite->GetX(), place.x) || !Near(pCapturedSprite->GetY(), place.y))
        return 0;
    pCapturedSprite->SetPosition(place.x, place.y);
    return 1;
}
