// The title screen: a tiled pattern, the title picture and the Start button.
#pragma once

#include "controls/TiledBitmap.h"
#include "shell/GamePhase.h"

class TitlePhase : public GamePhase {
public:
    TitlePhase();

    void Enter(HWND mainWindow) override;
    // Composes the whole screen in memory and copies it once, so it never flickers.
    void Paint(HDC dc) override;
    void CreateControls(HWND mainWindow) override;
    // Destroys the Start button.
    void Leave() override;
    void DrawItem(const DRAWITEMSTRUCT* item, UINT id) override;
    int DrawStickerButton(const DRAWITEMSTRUCT* item, UINT id, int state) override;
    void ReleaseStickerButton() override;

private:
    void Compose(HDC dc);

    TiledBitmap m_Title;
    TiledBitmap m_Pattern;
};

// The one title screen; the object hides the class name where this is included.
extern class TitlePhase TitlePhase;
