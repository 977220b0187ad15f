#include "controls/PlayFrame.h"

namespace {

const int DIGIT_WIDTH = 30;
const int DIGIT_HEIGHT = 24;
const int LABEL_WIDTH = 190;
const int LABEL_HEIGHT = 24;
const int INDICATOR_TILES = 26;

const TileRect BAR_TILES[2] = {{0, 0, 1024, 90}, {0, 90, 1024, 90}};
const TileRect SIDE_TILES[2] = {{0, 0, 90, 588}, {90, 0, 90, 588}};

// The indicator's first band is blank; tile 25 is empty.
const TileRect* IndicatorTiles()
{
    static TileRect tiles[INDICATOR_TILES];
    for (int i = 0; i < INDICATOR_TILES - 1; ++i)
        tiles[i] = {0, 40 * (i + 1), 196, 40};
    tiles[INDICATOR_TILES - 1] = {0, 0, 0, 0};
    return tiles;
}

const TileRect* DigitTiles()
{
    static TileRect tiles[COUNTER_DIGIT_TILES];
    for (int n = 0; n < COUNTER_DIGIT_TILES; ++n)
        tiles[n] = CounterDigitTile(n);
    return tiles;
}

const TileRect* LabelTiles()
{
    static TileRect tiles[COUNTER_LABEL_TILES];
    for (int k = 0; k < COUNTER_LABEL_TILES; ++k)
        tiles[k] = {0, LABEL_HEIGHT * k, LABEL_WIDTH, LABEL_HEIGHT};
    return tiles;
}

bool HasDigitImage(int count)
{
    return count >= 2 && count <= 223 && count != 9 && count != 99;
}

} // namespace

const FrameTile FRAME_TILES[NUMBER_OF_FRAME_TILES] = {
    {FRAME_BARS, 0, {0, 0}},
    {FRAME_BARS, 1, {0, 678}},
    {FRAME_SIDES, 0, {0, 90}},
    {FRAME_SIDES, 1, {934, 90}},
};

const TileLayout* FrameLayouts()
{
    static const TileLayout layouts[NUMBER_OF_FRAME_PIECES] = {
        TileLayout(2, BAR_TILES, "\\data004\\m0006.dat"),
        TileLayout(2, SIDE_TILES, "\\data004\\m0003.dat"),
        TileLayout(INDICATOR_TILES, IndicatorTiles(), "\\data004\\b0017.dat"),
        TileLayout(COUNTER_DIGIT_TILES, DigitTiles(), "\\data004\\b0020.dat"),
        TileLayout(COUNTER_LABEL_TILES, LabelTiles(), "\\data004\\b0019.dat"),
    };
    return layouts;
}

TileRect CounterDigitTile(int count)
{
    if (!HasDigitImage(count))
        return {0, 0, DIGIT_WIDTH, DIGIT_HEIGHT};
    // Rows run downwards from 223; 99 and 9 have no row, so counts below
    // them sit one or two rows higher than plain counting gives.
    int row = 223 - count;
    if (count < 99)
        --row;
    if (count < 9)
        --row;
    return {0, DIGIT_HEIGHT * row, DIGIT_WIDTH, DIGIT_HEIGHT};
}

CounterTiles GetCounterTiles(int stickersLeft)
{
    CounterTiles tiles = {0, -1, {0, COUNTER_LABEL_POINT.y}};
    if (stickersLeft >= 100) {
        tiles.labelTile = 0;
        tiles.digitAt.x = 440;
    } else if (stickersLeft >= 10) {
        tiles.labelTile = 1;
        tiles.digitAt.x = 436;
    } else if (stickersLeft >= 2) {
        tiles.labelTile = 2;
        tiles.digitAt.x = 433;
    } else {
        tiles.labelTile = stickersLeft == 1 ? 3 : 4;
    }
    if (HasDigitImage(stickersLeft))
        tiles.digitTile = stickersLeft;
    return tiles;
}
