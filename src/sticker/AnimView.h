// The page view: draws the page document through the off-screen buffer and
// turns the mouse into carrying a sticker until a left click sticks it on its
// place or throws it away (a right click always throws it away).
#pragma once

#include <memory>

#include "imaging/COffScreenBufferView.h"
#include "sticker/CarryPlatform.h"

class CAnimDoc;
class CMemoryDIB;
class CSprite;

// The page in page-window pixels.
const int PAGE_WIDTH = 844;
const int PAGE_HEIGHT = 588;

// Which cursor the windows show: CURSOR_ARROW, or CURSOR_NONE while a sticker
// is carried (the system cursor is hidden then and CursorHidden is 1).
const int CURSOR_ARROW = 0;
const int CURSOR_NONE = 2;
extern int CursorIndex;
extern int CursorHidden;

class CAnimView : public COffScreenBufferView {
public:
    CAnimView();
    void RenderRect(const RECT* clip) override;
    ~CAnimView() override;
    virtual void SetDocument(CAnimDoc* document);
    virtual void OnLButtonDown(HWND window, UINT keys, int x, int y);
    virtual void OnRButtonDown(HWND window, UINT keys, int x, int y);
    virtual void OnMouseMove(HWND window, UINT keys, int x, int y);
    void OnLButtonUp(HWND window, UINT keys, int x, int y) {}

    void SetPlatform(std::unique_ptr<CarryPlatform> platform);
    void SetHooks(const CarryHooks& hooks) { m_Hooks = hooks; }

    int NewBackground(HWND window, CMemoryDIB* picture);
    void InvalidateSprite(CSprite* sprite);
    // Draws the whole page into the page window, and marks it for the next
    // idle flush once more.
    void Paint(HWND pageWindow);

    // Centres the sprite under the pointer (page-window coordinates) and
    // lets it follow the mouse.
    void BeginCarry(HWND window, int x, int y, CSprite* sprite);
    void RemoveAllSprites();
    // Throws the carried sticker away as a right click does: the carry has
    // lost the mouse, or a command comes. Does nothing when nothing is carried.
    void CancelCarry();

    bool IsCarrying() const { return m_Carrying != 0; }
    CSprite* GetCarriedSprite() const { return m_CarriedSprite; }
    CAnimDoc* GetDocument() const { return m_Document; }

private:
    void EndCarry();
    void DiscardCarried();
    void RemoveSprite(CSprite* sprite);
    void MarkSpriteDirty(CSprite* sprite);
    void Drop();
    void Stick(HWND window, long stickerIndex);
    // Keeps the system's cursor display count balanced: it is decremented
    // once on entering CURSOR_NONE and incremented once on leaving it.
    void SetCursorIndex(int index);
    void ShowArrow();

    CAnimDoc* m_Document = nullptr;
    int m_Carrying = 0;
    CSprite* m_CarriedSprite = nullptr;
    POINT m_GrabOffset = {0, 0};
    std::unique_ptr<CarryPlatform> m_Platform;
    CarryHooks m_Hooks = {nullptr, nullptr, nullptr};
};

extern CAnimView AnimView;
