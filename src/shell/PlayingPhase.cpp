#include "shell/PlayingPhase.h"

#include "controls/ChildWindow.h"
#include "controls/CommandButtonGroup.h"
#include "controls/ControlLayout.h"
#include "controls/PageTabGroup.h"
#include "controls/StickerButtonGroup.h"
#include "controls/TrayRules.h"
#include "sticker/AnimView.h"
#include "sticker/CPageCycle.h"
#include "sticker/StickersUsed.h"
#include "support/Assert.h"

class PlayingPhase PlayingPhase;

namespace {

// How long a keyboard shortcut shows its button pressed.
const DWORD KEY_PRESS_MS = 125;

int PushedStateOf(const DRAWITEMSTRUCT* item)
{
    return (item->itemState & ODS_SELECTED) ? StateDown : StateUp;
}

} // namespace

PlayingPhase::PlayingPhase()
    : m_SelectedTab(FIRST_PAGE_TAB_ID), m_FocusTab(NO_BUTTON_ID),
      m_StickerButtonPressed(NO_BUTTON_ID)
{
}

void PlayingPhase::PrepareButtonPictures(HWND mainWindow)
{
    CommandButtonGroup.AssignPictures(CommandButtonLayouts(), mainWindow);
    PageTabGroup.AssignPictures(PageTabLayouts(), mainWindow);
    StickerButtonGroup.AssignPictures(StickerButtonLayouts(), mainWindow);
}

void PlayingPhase::Enter(HWND mainWindow)
{
    const TileLayout* layouts = FrameLayouts();
    for (int i = 0; i < NUMBER_OF_FRAME_PIECES; ++i) {
        m_Frame[i].SetLayout(&layouts[i]);
        m_Frame[i].LoadFromLayout(mainWindow);
    }
}

void PlayingPhase::CreateControls(HWND mainWindow)
{
    CommandButtonGroup.CreateButtons(mainWindow, CommandButtonRecords);
    CommandButtonGroup.SubclassAll();
    PageTabGroup.CreateButtons(mainWindow, PageTabRecords);
    PageTabGroup.SubclassAll();
    StickerButtonGroup.CreateButtons(mainWindow, StickerButtonRecords);
    StickerButtonGroup.SubclassAll();
    RECT client;
    GetClientRect(mainWindow, &client);
    InvalidateRect(mainWindow, &client, FALSE);
}

void PlayingPhase::Leave()
{
}

void PlayingPhase::Paint(HDC dc)
{
    DrawFrame(dc);
    DrawPageIndicator(dc);
    DrawStickersLeft(dc);
    if (PageWindow)
        AnimView.Paint(PageWindow->GetHWnd());
}

void PlayingPhase::DrawFrame(HDC dc)
{
    for (const FrameTile& piece : FRAME_TILES)
        m_Frame[piece.piece].DrawTile(dc, piece.tile, piece.at);
}

void PlayingPhase::DrawPageIndicator(HDC dc)
{
    m_Frame[FRAME_PAGE_INDICATOR].DrawTile(dc, PageCycle.CurrentPage, PAGE_INDICATOR_POINT);
}

void PlayingPhase::DrawStickersLeft(HDC dc)
{
    StickersUsed* stickersUsed = StickersUsed::GetStickersUsed();
    ML_ASSERT((stickersUsed) != NULL && (stickersUsed)->IsValid());
    const CounterTiles tiles = GetCounterTiles(StickersUsed::ms_StickersLeft);
    m_Frame[FRAME_COUNTER_LABEL].DrawTile(dc, tiles.labelTile, COUNTER_LABEL_POINT);
    if (tiles.digitTile >= 0)
        m_Frame[FRAME_COUNTER_DIGITS].DrawTile(dc, tiles.digitTile, tiles.digitAt);
}

void PlayingPhase::DrawItem(const DRAWITEMSTRUCT* item, UINT id)
{
    if (id >= QUIT_BUTTON_ID && id <= NEXT_PAGE_BUTTON_ID)
        CommandButtonGroup.DrawButton(item->hDC, PushedStateOf(item), id - QUIT_BUTTON_ID);
    else if (id >= FIRST_PAGE_TAB_ID && id <= LAST_PAGE_TAB_ID)
        DrawPageTab(item, id);
}

void PlayingPhase::DrawPageTab(const DRAWITEMSTRUCT* item, UINT id)
{
    PageTabFields fields = {m_SelectedTab, m_FocusTab, TabHeld};
    const int request = PageTabRequest(item->itemAction, item->itemState, id, fields);
    m_FocusTab = fields.focusTab;
    if (request != NO_DRAW)
        PageTabGroup.DrawButton(item->hDC, request, id - FIRST_PAGE_TAB_ID);
}

int PlayingPhase::StickerIndexOf(int id) const
{
    return StickerGraphicIndex(m_SelectedTab, id);
}

int PlayingPhase::DrawStickerButton(const DRAWITEMSTRUCT* item, UINT id, int state)
{
    const int sticker = StickerIndexOf(id);
    StickersUsed* stickersUsed = StickersUsed::GetStickersUsed();
    ML_ASSERT((stickersUsed) != NULL && (stickersUsed)->IsValid());
    const bool used = stickersUsed && stickersUsed->GetStickerUsed(sticker) == SU_USED;
    StickerButtonGroup.DrawButton(
        item->hDC, StickerButtonRequest(used, item->itemAction, item->itemState, state), sticker);
    return 1;
}

void PlayingPhase::ReleaseStickerButton()
{
    if (m_StickerButtonPressed == NO_BUTTON_ID)
        return;
    HWND button = StickerButtonRecords[m_StickerButtonPressed - FIRST_STICKER_BUTTON_ID].window;
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    m_StickerButtonPressed = NO_BUTTON_ID;
}

void PlayingPhase::PressButton(HWND mainWindow, int id)
{
    if (m_StickerButtonPressed != NO_BUTTON_ID)
        return;
    const ButtonRecord* record = FindCommandButtonRecord(id);
    if (!record)
        return;
    SendMessageA(record->window, BM_SETSTATE, TRUE, 0);
    // Waits like Sleep, but through the message wait: Wine puts what was
    // painted on the screen only there, and the pressed face must show.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, KEY_PRESS_MS, 0);
    SendMessageA(record->window, BM_SETSTATE, FALSE, 0);
    PostMessageA(mainWindow, WM_COMMAND, id, 0);
}
