#include "imaging/CSpriteList.h"

#include <algorithm>

#include "imaging/CSprite.h"
#include "support/Log.h"

CSpriteList::CSpriteList() : m_Listener(this) {}

CSpriteList::~CSpriteList()
{
    DeleteAllSprites();
}

bool CSpriteList::Insert(CSprite* sprite)
{
    sprite->SetListener(&m_Listener);
    m_Sprites.push_front(sprite);
    // Stable, so a new sprite stays in front of those of equal depth.
    std::stable_sort(m_Sprites.begin(), m_Sprites.end(),
                     [](CSprite* a, CSprite* b) { return a->GetDepth() < b->GetDepth(); });
    Renumber();
    return true;
}

void CSpriteList::Renumber()
{
    int next = CSprite::DefaultDepth + 1;
    for (CSprite* sprite : m_Sprites) {
        if (sprite->GetDepth() >= CSprite::DefaultDepth)
            sprite->SetDepthQuiet(next++);
    }
}

CSprite* CSpriteList::Remove(CSprite* sprite)
{
    auto found = std::find(m_Sprites.begin(), m_Sprites.end(), sprite);
    if (found == m_Sprites.end())
        return nullptr;
    m_Sprites.erase(found);
    sprite->SetListener(nullptr);
    return sprite;
}

void CSpriteList::Reorder(CSprite* sprite)
{
    if (Remove(sprite))
        Insert(sprite);
    else
        LogMessage("CSpriteList::Reorder(): Unable to find sprite");
}

void CSpriteList::DeleteAllSprites()
{
    while (!m_Sprites.empty()) {
        delete m_Sprites.front();
        m_Sprites.pop_front();
    }
}

CSprite* CSpriteList::GetFirst()
{
    return m_Sprites.empty() ? nullptr : m_Sprites.front();
}

CSprite* CSpriteList::GetLast()
{
    if (m_Sprites.empty())
        return nullptr;
    m_Back = m_Sprites.size() - 1;
    return m_Sprites[m_Back];
}

CSprite* CSpriteList::GetPrevious()
{
    if (m_Back == 0 || m_Back >= m_Sprites.size())
        return nullptr;
    return m_Sprites[--m_Back];
}
