// Where the program puts each picture and button on its 1024 x 768 screens,
// so every face can be painted on exactly the background it sits on.
#pragma once

struct Box {
    int x, y, w, h;
};

namespace ScreenLayout {
const int SCREEN_W = 1024, SCREEN_H = 768;
const Box PAGE{90, 90, 844, 588};
const int BAR = 90;

const Box QUIT{13, 20, 128, 50};
const Box PRINT{885, 15, 64, 60};
const Box CLEAR_ALL{417, 11, 190, 34};
const Box INFO{951, 15, 64, 60};
const Box PREVIOUS{350, 694, 64, 60};
const Box NEXT{609, 694, 64, 60};
const Box INDICATOR{414, 705, 196, 40};
const Box COUNTER{417, 52, 190, 24};
const int TAB_Y = 9, TAB_W = 60, TAB_H = 65;
const int TAB_X[8] = {150, 215, 280, 345, 619, 684, 749, 814};
const int TRAY_SIZE = 60;

inline Box trayButton(int n)
{
    static const int LEFT_Y[9] = {109, 174, 239, 304, 369, 434, 499, 564, 629};
    static const int BOTTOM_X[10] = {15, 80, 145, 210, 275, 689, 754, 819, 884, 949};
    if (n < 9)
        return {15, LEFT_Y[n], TRAY_SIZE, TRAY_SIZE};
    if (n < 19)
        return {BOTTOM_X[n - 9], 694, TRAY_SIZE, TRAY_SIZE};
    return {949, LEFT_Y[8 - (n - 19)], TRAY_SIZE, TRAY_SIZE};
}

// Title screen: the picture, and the Start button inside it.
const Box TITLE{282, 150, 460, 468};
const Box START{450, 538, 124, 50};
const int PATTERN = 8;

// Dialogs: the faces sit where the dialog templates put their buttons.
const int DIALOG = 360;
const Box YES{38, 288, 128, 50};
const Box NO{196, 288, 128, 50};
const Box OK{114, 296, 128, 50};
const Box QUIT_BUTTON{450, 696, 124, 52};

// Corner pieces of the page: four cells in one strip.
const int CORNER = 8;
}
