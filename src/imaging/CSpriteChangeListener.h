// Turns sprite changes into re-sorting of the owning list and dirty
// rectangles of the view that shows it.
#pragma once

#include "support/Platform.h"

class COffScreenBufferView;
class CSprite;
class CSpriteList;

class CSpriteChangeListener {
public:
    enum ChangeKind {
        ChangeDepth = 1,
        ChangeMove = 2,
        ChangeFrame = 4,
        ChangeInvalidate = 8,
    };

    explicit CSpriteChangeListener(CSpriteList* list) : m_List(list) {}
    virtual ~CSpriteChangeListener() = default;

    // b is the new place of a move, null for every other kind.
    virtual void NotifyChange(CSprite* sprite, int kind, RECT* a, RECT* b);

    void SetView(COffScreenBufferView* view) { m_View = view; }
    COffScreenBufferView* GetView() const { return m_View; }

private:
    void AddDirty(const RECT* rect);

    CSpriteList* m_List;
    COffScreenBufferView* m_View = nullptr;
};
