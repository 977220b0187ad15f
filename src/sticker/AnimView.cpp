#include "sticker/AnimView.h"

#include <algorithm>

#include "imaging/CMemoryDIB.h"
#include "imaging/CSprite.h"
#include "sticker/CAnimDoc.h"
#include "sticker/StickerOverPosition.h"
#include "sticker/StickersUsed.h"
#include "support/Assert.h"
#include "support/Log.h"

CAnimView AnimView;
int CursorIndex = CURSOR_ARROW;
int CursorHidden = 0;

namespace {

// Until the program gives the view its window system, carrying only moves sprites.
class NoPlatform : public CarryPlatform {
public:
    void CaptureMouse(HWND) override {}
    void ReleaseMouse() override {}
    void ShowSystemCursor(bool) override {}
    void ShowArrow() override {}
    void PutPointer(HWND, int, int) override {}
    void PostStuck(HWND) override {}
};

void Call(void (*hook)())
{
    if (hook)
        hook();
}

} // namespace

CAnimView::CAnimView() : m_Platform(new NoPlatform) {}

CAnimView::~CAnimView() = default;

void CAnimView::SetDocument(CAnimDoc* document)
{
    m_Document = document;
}

void CAnimView::SetPlatform(std::unique_ptr<CarryPlatform> platform)
{
    m_Platform = std::move(platform);
}

void CAnimView::RenderRect(const RECT* clip)
{
    CMemoryDIB* buffer = GetBuffer();
    if (!buffer || !m_Document)
        return;
    RECT area = {0, 0, 0, 0};
    if (clip)
        area = *clip;
    if (CMemoryDIB* background = m_Document->GetBackground()) {
        RECT whole;
        background->CMemoryDIB::GetRect(&whole);
        if (clip && !IntersectRect(&area, &whole, clip))
            return;
        if (!clip)
            area = whole;
        // The buffer has the background's size, so the copy stays inside both.
        background->CopyTo(buffer, area.left, area.top, area.right - area.left,
                           area.bottom - area.top, area.left, area.top, -1);
    }
    CSpriteList& sprites = m_Document->GetSprites();
    for (CSprite* sprite = sprites.GetLast(); sprite; sprite = sprites.GetPrevious())
        sprite->Draw(buffer, clip ? &area : nullptr);
}

int CAnimView::NewBackground(HWND window, CMemoryDIB* picture)
{
    if (!CreateBuffer(window, picture)) {
        LogMessage("CAnimView::NewBackground Create failed");
        return 0;
    }
    RECT whole;
    picture->CMemoryDIB::GetRect(&whole);
    AddDirtyRect(&whole);
    return 1;
}

void CAnimView::InvalidateSprite(CSprite* sprite)
{
    RECT area;
    sprite->GetRect(&area);
    sprite->InvalidateArea(&area);
}

void CAnimView::MarkSpriteDirty(CSprite* sprite)
{
    RECT area;
    sprite->GetRect(&area);
    AddDirtyRect(&area);
}

void CAnimView::Paint(HWND pageWindow)
{
    if (!m_Document || !m_Document->GetBackground())
        return;
    RECT whole;
    m_Document->GetBackground()->CMemoryDIB::GetRect(&whole);
    AddDirtyRect(&whole);
    FlushDirty(pageWindow);
    AddDirtyRect(&whole);
}

void CAnimView::SetCursorIndex(int index)
{
    const bool hide = index == CURSOR_NONE;
    if (hide && !CursorHidden)
        m_Platform->ShowSystemCursor(false);
    else if (!hide && CursorHidden)
        m_Platform->ShowSystemCursor(true);
    CursorHidden = hide ? 1 : 0;
    CursorIndex = index;
}

void CAnimView::ShowArrow()
{
    m_Platform->ShowArrow();
}

void CAnimView::BeginCarry(HWND window, int x, int y, CSprite* sprite)
{
    m_Carrying = 1;
    m_CarriedSprite = sprite;
    m_Platform->CaptureMouse(window);
    SetCursorIndex(CURSOR_NONE);
    sprite->SetPosition(x - sprite->GetWidth() / 2, y - sprite->GetHeight() / 2);
    m_GrabOffset.x = x - sprite->GetX();
    m_GrabOffset.y = y - sprite->GetY();
}

void CAnimView::OnMouseMove(HWND window, UINT keys, int x, int y)
{
    if (!m_Carrying || !m_CarriedSprite)
        return;
    m_CarriedSprite->SetPosition(x - m_GrabOffset.x, y - m_GrabOffset.y);
    // The pointer may not leave the page; the move at the clamped point that
    // follows brings the sticker back.
    if (x < 0 || x > PAGE_WIDTH || y < 0 || y > PAGE_HEIGHT) {
        m_Platform->PutPointer(window, std::min(std::max(x, 0), PAGE_WIDTH),
                               std::min(std::max(y, 0), PAGE_HEIGHT));
    }
    if (CursorIndex != CURSOR_NONE)
        ShowArrow();
}

void CAnimView::OnLButtonDown(HWND window, UINT keys, int x, int y)
{
    StickerOverPosition check;
    StickerOverPosition* stickerPosition = &check;
    ML_ASSERT((stickerPosition) != NULL && (stickerPosition)->IsValid());
    const long stickerIndex = m_CarriedSprite ? m_CarriedSprite->GetStickerIndex() : -1;
    if (stickerPosition->Check())
        Stick(window, stickerIndex);
    else
        Drop();
}

void CAnimView::Drop()
{
    DiscardCarried();
    EndCarry();
    ShowArrow();
    Call(m_Hooks.ClearPressedSticker);
}

void CAnimView::Stick(HWND window, long stickerIndex)
{
    EndCarry();
    // Queued before anything shows the stick: input that follows it (a key
    // pressed once the sticker is seen stuck) comes after the button's release.
    m_Platform->PostStuck(window);
    Call(m_Hooks.PlayStickSound);
    StickersUsed* stickersUsed = StickersUsed::GetStickersUsed();
    ML_ASSERT((stickersUsed) != NULL && (stickersUsed)->IsValid());
    // The page is written before the ledger: killed in between, the sticker
    // is on its page and the next start marks it used (MendWithPages).
    if (m_Document)
        m_Document->SavePage();
    // The carried sprite is the pressed button's sticker: it was made from it.
    stickersUsed->SetStickerUsed(static_cast<int>(stickerIndex));
    Call(m_Hooks.DrawStickersLeft);
    FlushDirty(window);
}

void CAnimView::OnRButtonDown(HWND window, UINT keys, int x, int y)
{
    if (!m_Carrying)
        return;
    LogMessage("OnRButtonDown: ReleaseCapture");
    Drop();
}

void CAnimView::CancelCarry()
{
    if (!m_Carrying)
        return;
    LogMessage("CAnimView::CancelCarry(): sticker thrown away");
    Drop();
}

void CAnimView::EndCarry()
{
    if (!m_Carrying)
        return;
    // The carry is over before the capture goes: releasing it sends the
    // capture notice at once, and that must find nothing left to throw away.
    m_Carrying = 0;
    m_CarriedSprite = nullptr;
    SetCursorIndex(CURSOR_ARROW);
    m_Platform->ReleaseMouse();
}

void CAnimView::DiscardCarried()
{
    if (!m_CarriedSprite)
        return;
    MarkSpriteDirty(m_CarriedSprite);
    RemoveSprite(m_CarriedSprite);
    m_CarriedSprite = nullptr;
}

void CAnimView::RemoveSprite(CSprite* sprite)
{
    if (m_Document)
        m_Document->GetSprites().Remove(sprite);
    delete sprite;
}

void CAnimView::RemoveAllSprites()
{
    if (!m_Document)
        return;
    // A carried sticker goes too; the carry must not keep pointing at it.
    CancelCarry();
    CSpriteList& sprites = m_Document->GetSprites();
    while (CSprite* sprite = sprites.GetFirst()) {
        MarkSpriteDirty(sprite);
        RemoveSprite(sprite);
    }
}
