// The per-window subclassing of the bitmap buttons: the arrow cursor, hover
// tracking and the press and latch states. One object per button window;
// each kind has its own window procedure and its own registry.
#pragma once

#include <cstdint>

#include <windows.h>

#include "controls/SubclassRegistry.h"

// What the button windows need from the screens; the shell fills it in.
struct SubclassHooks {
    // Owner-draws a sticker button with its hover state (the current
    // screen phase's DrawStickerButton); nonzero when drawn.
    int (*DrawStickerButton)(const DRAWITEMSTRUCT* item, UINT id, int state);
    // The playing screen's flag: 1 while the mouse holds a page tab down
    // over it.
    int32_t* TabHeld;
};
void SetSubclassHooks(const SubclassHooks& hooks);
const SubclassHooks& GetSubclassHooks();

class ButtonSubclass {
public:
    virtual ~ButtonSubclass();
    ButtonSubclass(const ButtonSubclass&) = delete;
    ButtonSubclass& operator=(const ButtonSubclass&) = delete;

    // Passes a message to the procedure saved at subclassing. Without one the
    // program cannot go on: it reports and ends with exit code 1.
    virtual LRESULT CallPreviousProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Subclasses `window`, or with null puts the old procedure back. Always 1.
    virtual int Attach(HWND window);

    HWND GetWindow() const { return m_Window; }
    // 0 up, 1 hover, 2 down, 3 latched (sticker buttons only).
    int GetState() const { return m_State; }
    bool IsTrackingArmed() const { return m_TrackingArmed != 0; }

protected:
    ButtonSubclass(WNDPROC procedure, SubclassRegistry& registry);

    // CallPreviousProc, and the end of the subclassing once the window is
    // destroyed.
    LRESULT Forward(UINT message, WPARAM wParam, LPARAM lParam);
    // Answers WM_SETCURSOR with the arrow, as every button does.
    static LRESULT SetArrowCursor();
    // The standard button draws its pushed look only when repainted: on a
    // press, and on every move while the left button is held.
    void InvalidateWhilePressed(UINT message, WPARAM wParam);
    void Invalidate();

    int32_t m_State = 0;
    int32_t m_TrackingArmed = 0;

private:
    HWND m_Window = nullptr;
    WNDPROC m_PreviousProc = nullptr;
    WNDPROC m_Procedure;
    SubclassRegistry& m_Registry;
};
