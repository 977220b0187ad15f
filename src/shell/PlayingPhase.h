// The play screen: the frame around the page, the page indicator, the
// stickers-left counter, and the tray of tabs and sticker buttons.
#pragma once

#include <cstdint>

#include "controls/PlayFrame.h"
#include "controls/TiledBitmap.h"
#include "shell/GamePhase.h"

class PlayingPhase : public GamePhase {
public:
    PlayingPhase();

    void Enter(HWND mainWindow) override;
    void Paint(HDC dc) override;
    void CreateControls(HWND mainWindow) override;
    void Leave() override;
    void DrawItem(const DRAWITEMSTRUCT* item, UINT id) override;
    int DrawStickerButton(const DRAWITEMSTRUCT* item, UINT id, int state) override;
    // Redraws the pressed sticker button as released (clearing its latch).
    void ReleaseStickerButton() override;

    // Loads the faces of the play screen's buttons, before any of them exists.
    void PrepareButtonPictures(HWND mainWindow);
    // A keyboard shortcut presses the command button `id` visibly, then
    // posts its command; nothing while a sticker is carried.
    void PressButton(HWND mainWindow, int id);
    void DrawPageIndicator(HDC dc);
    void DrawStickersLeft(HDC dc);

    // The chosen sticker group's tab, 1007 to 1014.
    int GetSelectedTab() const { return m_SelectedTab; }
    void SetSelectedTab(int tab) { m_SelectedTab = tab; }
    // The sticker button whose sticker is carried, or 65535.
    int GetStkrBtnPressed() const { return m_StickerButtonPressed; }
    void SetStkrBtnPressed(int id) { m_StickerButtonPressed = id; }
    // The sticker index that sticker button `id` takes in the chosen group.
    int StickerIndexOf(int id) const;
    // Kept by the tab windows while the mouse holds a tab.
    int32_t TabHeld = 0;

private:
    void DrawFrame(HDC dc);
    void DrawPageTab(const DRAWITEMSTRUCT* item, UINT id);

    TiledBitmap m_Frame[NUMBER_OF_FRAME_PIECES];
    int32_t m_SelectedTab;
    int32_t m_FocusTab;
    int32_t m_StickerButtonPressed;
};

// The one play screen; the object hides the class name where this is included.
extern class PlayingPhase PlayingPhase;
