#include "imaging/CSpriteChangeListener.h"

#include "imaging/COffScreenBufferView.h"
#include "imaging/CSpriteList.h"

void CSpriteChangeListener::NotifyChange(CSprite* sprite, int kind, RECT* a, RECT* b)
{
    if (kind & ChangeDepth) {
        m_List->Reorder(sprite);
        AddDirty(a);
    } else if (kind & ChangeMove) {
        AddDirty(a);
        AddDirty(b);
    } else if (kind & (ChangeFrame | ChangeInvalidate)) {
        AddDirty(a);
    }
}

void CSpriteChangeListener::AddDirty(const RECT* rect)
{
    if (m_View && rect)
        m_View->AddDirtyRect(rect);
}
