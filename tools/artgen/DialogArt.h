// The faces of the bitmap dialogs. The dialogs have no text of their own, so
// every word is painted here, with room left where their buttons go.
#pragma once

#include "Canvas.h"

namespace DialogArt {
Canvas about();
Canvas clearAll();
Canvas newSticker();
Canvas ending();

// Up and down faces, each painted on the dialog background it sits on.
struct ButtonPair {
    Canvas up;
    Canvas down;
};
ButtonPair yesButton(const Canvas& clearAllBackground);
ButtonPair noButton(const Canvas& clearAllBackground);
ButtonPair okButton(const Canvas& okDialogBackground);
ButtonPair quitButton(const Canvas& endingBackground);
}
