// The pictures around the page on the play screen: the bars, the page
// indicator and the stickers-left counter, with where each tile goes.
#pragma once

#include "controls/TileLayout.h"
#include "support/Platform.h"

enum FramePiece : int {
    FRAME_BARS = 0,
    FRAME_SIDES = 1,
    FRAME_PAGE_INDICATOR = 2,
    FRAME_COUNTER_DIGITS = 3,
    FRAME_COUNTER_LABEL = 4,
    NUMBER_OF_FRAME_PIECES = 5,
};

// The layouts of the five pieces, in FramePiece order.
const TileLayout* FrameLayouts();

// One tile of a frame picture and where it is drawn in the main window.
struct FrameTile {
    int piece;
    int tile;
    POINT at;
};

// The bars and sides, in drawing order.
const int NUMBER_OF_FRAME_TILES = 4;
extern const FrameTile FRAME_TILES[NUMBER_OF_FRAME_TILES];

const POINT PAGE_INDICATOR_POINT = {414, 705};
const POINT COUNTER_LABEL_POINT = {417, 52};

const int COUNTER_DIGIT_TILES = 225;
const int COUNTER_LABEL_TILES = 5;

// What the counter shows for a number of stickers left: a label tile always,
// and a number tile drawn over it unless `digitTile` is -1.
struct CounterTiles {
    int labelTile;
    int digitTile;
    POINT digitAt;
};
CounterTiles GetCounterTiles(int stickersLeft);

// The place of count n in the digits picture: one column of 30 x 24 numbers
// from 223 down to 2, without 99 and 9. Counts without a number image get the
// first row and are never drawn as numbers.
TileRect CounterDigitTile(int count);
