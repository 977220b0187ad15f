// A screen of the program. The main window never draws or creates controls
// itself; it forwards painting, control creation and owner drawing to the
// phase that is current.
#pragma once

#include <windows.h>

class GamePhase {
public:
    GamePhase() = default;
    virtual ~GamePhase() = default;
    GamePhase(const GamePhase&) = delete;
    GamePhase& operator=(const GamePhase&) = delete;

    // Loads the phase's pictures.
    virtual void Enter(HWND mainWindow) = 0;
    // Draws the screen outside the child windows.
    virtual void Paint(HDC dc) = 0;
    // Creates the phase's buttons.
    virtual void CreateControls(HWND mainWindow) = 0;
    // Destroys what Enter and CreateControls made, where the phase does so.
    virtual void Leave() = 0;
    // Owner-draws the phase's own buttons.
    virtual void DrawItem(const DRAWITEMSTRUCT* item, UINT id) = 0;
    // Owner-draws one sticker button with its hover state; nonzero when drawn.
    virtual int DrawStickerButton(const DRAWITEMSTRUCT* item, UINT id, int state) = 0;
    // Forgets the pressed sticker button, once its sticker is stuck or dropped.
    virtual void ReleaseStickerButton() = 0;
};

// The phase shown now and the one before it; both null until the main window
// is created.
extern GamePhase* CurrentPhase;
extern GamePhase* PreviousPhase;

// Makes `phase` current and enters it; the caller leaves the old one where needed.
void SwitchPhase(GamePhase* phase, HWND mainWindow);
