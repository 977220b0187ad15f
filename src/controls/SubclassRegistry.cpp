#include "controls/SubclassRegistry.h"

void SubclassRegistry::Enter(HWND window, ButtonSubclass* object)
{
    m_Objects[window] = object;
}

void SubclassRegistry::Remove(HWND window)
{
    m_Objects.erase(window);
}

ButtonSubclass* SubclassRegistry::Find(HWND window) const
{
    const auto found = m_Objects.find(window);
    return found == m_Objects.end() ? nullptr : found->second;
}
