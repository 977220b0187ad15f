// What the four subclass kinds share: a fixed array of objects (button i of
// a group uses object i), a registry of their own, and a window procedure
// that finds the object and hands the message to the kind's OnMessage.
#pragma once

#include "controls/ButtonSubclass.h"
#include "support/Guarded.h"

template <class Kind, int COUNT>
class ButtonSubclassKind : public ButtonSubclass {
public:
    static const int OBJECT_COUNT = COUNT;

    static Kind& Object(int index)
    {
        static Kind objects[COUNT];
        return objects[index];
    }

    // Touched by every object's constructor, so it outlives the objects.
    static SubclassRegistry& Registry()
    {
        static SubclassRegistry registry;
        return registry;
    }

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam)
    {
        return CallGuarded<LRESULT>("ButtonSubclass", 0, [&] {
            Kind* self = static_cast<Kind*>(Registry().Find(window));
            if (!self)
                return DefWindowProcA(window, message, wParam, lParam);
            if (message == WM_SETCURSOR)
                return SetArrowCursor();
            return self->OnMessage(message, wParam, lParam);
        });
    }

protected:
    ButtonSubclassKind() : ButtonSubclass(WindowProc, Registry()) {}
};
