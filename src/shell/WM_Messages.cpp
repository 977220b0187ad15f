#include "shell/WM_Messages.h"

#include "audio/MidiManager.h"
#include "audio/SoundEffect.h"
#include "controls/BitmapDialog.h"
#include "controls/ButtonSubclass.h"
#include "controls/ChildWindow.h"
#include "controls/ControlLayout.h"
#include "print/CPrinter.h"
#include "shell/PlayingPhase.h"
#include "shell/TitlePhase.h"
#include "sticker/AnimView.h"
#include "sticker/CAnimDoc.h"
#include "sticker/Catalogue.h"
#include "sticker/StickersUsed.h"
#include "sticker/WinCarryPlatform.h"
#include "support/Assert.h"
#include "support/CInitialization.h"
#include "support/Log.h"
#include "support/StartupFiles.h"

MESSAGES Messages;
int AppActive = 1;

namespace {

// The main window, for the page view's hooks, which take no arguments.
HWND g_MainWindow = nullptr;

struct KeyCommand {
    UINT key;
    UINT command;
};

const KeyCommand PLAY_SCREEN_KEYS[] = {
    {VK_PRIOR, PREVIOUS_PAGE_BUTTON_ID}, {VK_UP, PREVIOUS_PAGE_BUTTON_ID},
    {VK_NEXT, NEXT_PAGE_BUTTON_ID},      {VK_DOWN, NEXT_PAGE_BUTTON_ID},
    {'C', CLEAR_ALL_BUTTON_ID},          {'I', INFO_BUTTON_ID},
    {'P', PRINT_BUTTON_ID},              {'Q', QUIT_BUTTON_ID},
};

StickersUsed* CheckedStickersUsed()
{
    StickersUsed* stickersUsed = StickersUsed::GetStickersUsed();
    ML_ASSERT((stickersUsed) != NULL && (stickersUsed)->IsValid());
    return stickersUsed;
}

// Cursor slot 0 shows again; a carry may have hidden the system cursor. The
// view is told it is shown, so that ending the carry later does not show it
// a second time.
void ShowArrowCursorIndex()
{
    if (CursorIndex == CURSOR_NONE) {
        ShowCursor(TRUE);
        CursorHidden = 0;
    }
    CursorIndex = CURSOR_ARROW;
}

void PlayStickSound()
{
    SoundEffect stick(g_MainWindow, SoundEffect::SOUND_STICK);
}

void DrawStickersLeftHook()
{
    HDC dc = GetDC(g_MainWindow);
    if (!dc)
        return;
    PlayingPhase.DrawStickersLeft(dc);
    ReleaseDC(g_MainWindow, dc);
}

void ClearPressedSticker()
{
    PlayingPhase.ReleaseStickerButton();
}

int DrawStickerButtonHook(const DRAWITEMSTRUCT* item, UINT id, int state)
{
    return CurrentPhase ? CurrentPhase->DrawStickerButton(item, id, state) : 0;
}

// BM_SETSTATE on, off, on: each sticker button redraws with the face its
// sticker has now.
void RedrawStickerButtons()
{
    for (const ButtonRecord& record : StickerButtonRecords) {
        SendMessageA(record.window, BM_SETSTATE, TRUE, 0);
        SendMessageA(record.window, BM_SETSTATE, FALSE, 0);
        SendMessageA(record.window, BM_SETSTATE, TRUE, 0);
    }
}

HWND PageWindowHandle()
{
    return PageWindow ? PageWindow->GetHWnd() : nullptr;
}

} // namespace

UINT PlayScreenCommandOfKey(UINT key)
{
    for (const KeyCommand& entry : PLAY_SCREEN_KEYS) {
        if (entry.key == key)
            return entry.command;
    }
    return 0;
}

LRESULT MESSAGES::OnCreate(HWND hWnd, const CREATESTRUCTA* create)
{
    LogMessage("WM_Create hWnd %i", PtrToInt(hWnd));
    if (!PrepareProgramFiles(hWnd))
        return -1;
    LogStartupStep("files checked, options read");

    SwitchPhase(&TitlePhase, hWnd);
    LogStartupStep("title pictures");
    PlayingPhase.PrepareButtonPictures(hWnd);
    LogStartupStep("button pictures");
    PostMessageA(hWnd, WM_USER_CREATE_CONTROLS, 0, 0);

    // Cursor slot 0: the one arrow that every window of the program shows.
    PageArrowCursor();
    ShowArrowCursorIndex();
    SetSubclassHooks(SubclassHooks{DrawStickerButtonHook, &PlayingPhase.TabHeld});

    if (StickersUsed* stickersUsed = CheckedStickersUsed()) {
        stickersUsed->ReadStickersUsed();
        stickersUsed->MendWithPages();
    }
    LogStartupStep("ledger");
    LogMessage("WM_Create END");
    return 0;
}

LRESULT MESSAGES::OnDestroy(HWND hWnd)
{
    PostQuitMessage(0);
    return 0;
}

LRESULT MESSAGES::OnPaint(HWND hWnd)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hWnd, &paint);
    if (dc && CurrentPhase)
        CurrentPhase->Paint(dc);
    EndPaint(hWnd, &paint);
    if (ScreenState == 1)
        ScreenState = 2;
    SetFocus(hWnd);
    return 0;
}

LRESULT MESSAGES::OnClose(HWND hWnd)
{
    // The ending screen's modal loop dispatches our messages: a second close
    // request (Q and the Quit button at once) must not stack another.
    if (m_Closing)
        return 0;
    m_Closing = true;
    // A sticker still carried is not stuck: it must not be saved with the
    // page, and the pointer must show on the ending screen.
    AnimView.CancelCarry();
    ShowBitmapDialog(hWnd, DialogKindQuit, QuitDialogProc, "EndingScrnDialogBkg");
    StorePage();
    MidiManager.StopMusic();
    delete PageWindow;
    PageWindow = nullptr;
    DestroyWindow(hWnd);
    return 0;
}

LRESULT MESSAGES::OnActivateApp(HWND hWnd, WPARAM active, LPARAM threadId)
{
    LogMessage("WM_Activateapp: wParam = %i", static_cast<int>(active));
    // Windows need not keep the capture for a program in the background.
    if (!active)
        AnimView.CancelCarry();
    MidiManager.ActivateApp(static_cast<int>(active), hWnd);
    return 0;
}

LRESULT MESSAGES::OnCancelMode(HWND hWnd)
{
    // Sent when the system takes the mouse back (a dialog, a system key):
    // the carry would lose its capture.
    AnimView.CancelCarry();
    return DefWindowProcA(hWnd, WM_CANCELMODE, 0, 0);
}

LRESULT MESSAGES::OnSetCursor(HWND hWnd)
{
    SetCursor(PageArrowCursor());
    return 0;
}

LRESULT MESSAGES::OnDrawItem(HWND hWnd, UINT id, const DRAWITEMSTRUCT* item)
{
    // The sticker buttons draw themselves, through their subclass.
    if (id >= FIRST_STICKER_BUTTON_ID)
        SendMessageA(item->hwndItem, WM_DRAWITEM, id, reinterpret_cast<LPARAM>(item));
    else if (CurrentPhase)
        CurrentPhase->DrawItem(item, id);
    return 1;
}

LRESULT MESSAGES::OnKeyDown(HWND hWnd, UINT key)
{
    LogMessage("MESSAGES::WM_Keydown hWnd %i", PtrToInt(hWnd));
    if (ScreenState == 0 && (key == VK_RETURN || key == VK_SPACE))
        PostMessageA(hWnd, WM_COMMAND, START_BUTTON_ID, 0);
    if (ScreenState == 2) {
        if (const UINT command = PlayScreenCommandOfKey(key))
            PlayingPhase.PressButton(hWnd, command);
    }
    return 0;
}

LRESULT MESSAGES::OnCommand(HWND hWnd, UINT id, UINT notification)
{
    // No command works on a carried sticker: it is thrown away first, so no
    // page is saved with it and nothing keeps pointing at it.
    AnimView.CancelCarry();
    switch (id) {
    case START_BUTTON_ID:
        return OnStart(hWnd);
    case QUIT_BUTTON_ID:
        PostMessageA(hWnd, WM_CLOSE, 0, 0);
        return 0;
    case PRINT_BUTTON_ID:
        return OnPrint(hWnd);
    case CLEAR_ALL_BUTTON_ID:
        return OnClearAll(hWnd);
    case INFO_BUTTON_ID:
        return OnInfo(hWnd);
    case PREVIOUS_PAGE_BUTTON_ID:
        return OnTurnPage(hWnd, CAnimDoc::GoPrevious);
    case NEXT_PAGE_BUTTON_ID:
        return OnTurnPage(hWnd, CAnimDoc::GoNext);
    default:
        break;
    }
    if (id >= FIRST_PAGE_TAB_ID && id <= LAST_PAGE_TAB_ID)
        return OnSelectGroup(hWnd, static_cast<int>(id));
    if (id >= FIRST_STICKER_BUTTON_ID && id <= LAST_STICKER_BUTTON_ID)
        return OnTakeSticker(hWnd, static_cast<int>(id));
    return 0;
}

LRESULT MESSAGES::OnStart(HWND hWnd)
{
    // Return and a click on Start may both arrive; play starts once.
    if (ScreenState != 0)
        return 1;
    SwitchPhase(&PlayingPhase, hWnd);
    PostMessageA(hWnd, WM_USER_CREATE_PAGE_WINDOW, 0, 0);
    TitlePhase.Leave();
    ScreenState = 1;
    return 1;
}

void MESSAGES::StorePage()
{
    AnimDoc.GoToPage(CAnimDoc::GoStay);
}

void MESSAGES::DrawStickersLeft(HWND hWnd)
{
    HDC dc = GetDC(hWnd);
    if (!dc)
        return;
    PlayingPhase.DrawStickersLeft(dc);
    ReleaseDC(hWnd, dc);
}

LRESULT MESSAGES::OnPrint(HWND hWnd)
{
    LogMessage("IDM_PRINT  %i", PRINT_BUTTON_ID);
    StorePage();
    {
        CPrinter printer(hWnd, "Glimmerbook: Printing");
        SetFocus(hWnd);
        LogMessage("IDM_PRINT end");
    }
    return 1;
}

LRESULT MESSAGES::OnClearAll(HWND hWnd)
{
    StickersUsed* stickersUsed = CheckedStickersUsed();
    ML_ASSERT(StickersUsed::ms_StickersLeft >= 0 &&
              StickersUsed::ms_StickersLeft <= NUMBEROFSTICKERGRAPHICS);
    if (StickersUsed::ms_StickersLeft >= NUMBEROFSTICKERGRAPHICS || !stickersUsed) {
        SetFocus(hWnd);
        return 1;
    }
    // Only Yes clears: a dialog that could not be shown keeps the pages too.
    if (ShowBitmapDialog(hWnd, DialogKindYesNo, YesNoDialogProc, "ClearAllDialogBkg") != 1)
        return 1;

    SoundEffect clear(hWnd, SoundEffect::SOUND_CLEAR);
    AnimView.RemoveAllSprites();
    AnimDoc.GoToPage(CAnimDoc::GoStay);
    // Both pages are emptied before the ledger: killed before the ledger is
    // written, the next start puts the stickers back (MendWithPages).
    stickersUsed->ResetAndClearPages();
    RedrawStickerButtons();
    DrawStickersLeft(hWnd);
    SetFocus(hWnd);
    return 1;
}

LRESULT MESSAGES::OnInfo(HWND hWnd)
{
    LogMessage("IDM_INFO ");
    StorePage();
    ShowBitmapDialog(hWnd, DialogKindOk, OkDialogProc, "AboutDialogBkg");
    SetFocus(hWnd);
    return 1;
}

LRESULT MESSAGES::OnTurnPage(HWND hWnd, int direction)
{
    AnimDoc.GoToPage(direction);
    HDC dc = GetDC(hWnd);
    if (dc) {
        PlayingPhase.DrawPageIndicator(dc);
        ReleaseDC(hWnd, dc);
    }
    SetFocus(hWnd);
    return 1;
}

LRESULT MESSAGES::OnSelectGroup(HWND hWnd, int id)
{
    const int current = PlayingPhase.GetSelectedTab();
    if (id == current) {
        SetFocus(hWnd);
        return 1;
    }
    SoundEffect select(hWnd, SoundEffect::SOUND_SELECT);
    SendMessageA(PageTabRecords[current - FIRST_PAGE_TAB_ID].window, BM_SETSTATE, TRUE, 0);
    PlayingPhase.SetSelectedTab(id);
    PlayingPhase.ReleaseStickerButton();
    RedrawStickerButtons();
    SetFocus(hWnd);
    return 1;
}

LRESULT MESSAGES::OnTakeSticker(HWND hWnd, int id)
{
    StickersUsed* stickersUsed = CheckedStickersUsed();
    const int sticker = PlayingPhase.StickerIndexOf(id);
    HWND page = PageWindowHandle();
    if (!stickersUsed || stickersUsed->GetStickerUsed(sticker) != SU_NOT_USED || !page)
        return 1;

    const int previous = PlayingPhase.GetStkrBtnPressed();
    if (previous != NO_BUTTON_ID && previous != id) {
        SendMessageA(StickerButtonRecords[previous - FIRST_STICKER_BUTTON_ID].window,
                     BM_SETSTATE, TRUE, 0);
        LogMessage("Sticker2: Button pressed %i PlayingPhase.GetStkrBtnPressed() %i", id,
                   previous);
    }
    PlayingPhase.SetStkrBtnPressed(id);
    SoundEffect peel(hWnd, SoundEffect::SOUND_PEEL);

    if (CInitialization::ms_ShowNewStickerHint) {
        ShowBitmapDialog(hWnd, DialogKindOk, OkDialogProc, "NewStkrDialogBkg");
        CInitialization::ms_ShowNewStickerHint = 0;
        CInitialization().Save();
    }

    POINT at;
    GetCursorPos(&at);
    ScreenToClient(page, &at);
    CSprite* sprite = AnimDoc.AddSticker(StickerPictureName(sticker), sticker, at);
    if (sprite) {
        AnimView.BeginCarry(page, at.x, at.y, sprite);
    } else {
        // Nothing to carry: no button may stay recorded as pressed, or every
        // keyboard shortcut would stay blocked.
        PlayingPhase.ReleaseStickerButton();
    }
    SetFocus(hWnd);
    return 1;
}

LRESULT MESSAGES::OnMouseMove(HWND hWnd)
{
    if (GetFocus() != hWnd)
        SetFocus(hWnd);
    return 0;
}

LRESULT MESSAGES::OnLButtonDown(HWND hWnd)
{
    ShowArrowCursorIndex();
    SetCursor(PageArrowCursor());
    SetCapture(hWnd);
    return 0;
}

LRESULT MESSAGES::OnLButtonUp(HWND hWnd)
{
    ReleaseCapture();
    return 0;
}

LRESULT MESSAGES::OnCreatePageWindow(HWND hWnd)
{
    PageWindow = CChildWindow::Create(hWnd);
    // Stickers are carried in the page window; the end of a carry reaches
    // the play screen through these.
    g_MainWindow = hWnd;
    AnimView.SetHooks(CarryHooks{PlayStickSound, DrawStickersLeftHook, ClearPressedSticker});
    if (CurrentPhase)
        CurrentPhase->CreateControls(hWnd);
    return 0;
}

LRESULT MESSAGES::OnCreateControls(HWND hWnd)
{
    if (CurrentPhase)
        CurrentPhase->CreateControls(hWnd);
    return 0;
}
