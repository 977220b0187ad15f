#include "shell/GamePhase.h"

GamePhase* CurrentPhase = nullptr;
GamePhase* PreviousPhase = nullptr;

void SwitchPhase(GamePhase* phase, HWND mainWindow)
{
    PreviousPhase = CurrentPhase;
    CurrentPhase = phase;
    phase->Enter(mainWindow);
}
