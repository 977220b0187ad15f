// How a subclassed button's window procedure finds its object: the window
// carries no pointer, so each subclass kind keeps one map from window handle
// to object.
#pragma once

#include <map>

#include <windows.h>

class ButtonSubclass;

class SubclassRegistry {
public:
    // Replaces any entry of the same window.
    void Enter(HWND window, ButtonSubclass* object);
    void Remove(HWND window);
    // Null for a window that is not registered.
    ButtonSubclass* Find(HWND window) const;
    bool IsEmpty() const { return m_Objects.empty(); }

private:
    std::map<HWND, ButtonSubclass*> m_Objects;
};
