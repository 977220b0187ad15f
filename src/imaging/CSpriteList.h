// The sprites of a page in depth order: the first is the topmost, the last
// the bottom-most. The list owns its sprites and keeps the depths of 10 and
// above compact (11, 12, ...); smaller depths stay above all of those.
#pragma once

#include <cstddef>
#include <deque>

#include "imaging/CSpriteChangeListener.h"

class CSprite;

class CSpriteList {
public:
    CSpriteList();
    virtual ~CSpriteList();
    CSpriteList(const CSpriteList&) = delete;
    CSpriteList& operator=(const CSpriteList&) = delete;

    bool Insert(CSprite* sprite);
    // Takes the sprite out without deleting it; null when it is not here.
    CSprite* Remove(CSprite* sprite);
    void Reorder(CSprite* sprite);
    void DeleteAllSprites();

    CSprite* GetFirst();
    // Walk from the bottom-most towards the top: GetLast, then GetPrevious
    // until it gives null. Insertions and removals end a walk.
    CSprite* GetLast();
    CSprite* GetPrevious();

    bool IsEmpty() const { return m_Sprites.empty(); }
    size_t GetCount() const { return m_Sprites.size(); }
    CSpriteChangeListener& GetListener() { return m_Listener; }

private:
    void Renumber();

    std::deque<CSprite*> m_Sprites;
    CSpriteChangeListener m_Listener;
    size_t m_Back = 0;
};
