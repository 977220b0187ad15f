// Every button of the two screens: control ids, the record tables that
// CreateButtons reads, and the tile layouts of their pictures.
#pragma once

#include "controls/ButtonRecord.h"
#include "controls/TileLayout.h"

enum ControlId : int {
    START_BUTTON_ID = 1000,
    QUIT_BUTTON_ID = 1001,
    PRINT_BUTTON_ID = 1002,
    CLEAR_ALL_BUTTON_ID = 1003,
    INFO_BUTTON_ID = 1004,
    PREVIOUS_PAGE_BUTTON_ID = 1005,
    NEXT_PAGE_BUTTON_ID = 1006,
    FIRST_PAGE_TAB_ID = 1007,
    LAST_PAGE_TAB_ID = 1014,
    FIRST_STICKER_BUTTON_ID = 1015,
    LAST_STICKER_BUTTON_ID = 1042,
    // A pressed-button or focus field that names no button.
    NO_BUTTON_ID = 65535,
};

const int NUMBER_OF_START_BUTTONS = 1;
const int NUMBER_OF_COMMAND_BUTTONS = 6;
const int NUMBER_OF_PAGE_TABS = 8;
const int NUMBER_OF_STICKER_BUTTONS = 28;

const int STICKER_BUTTON_SIZE = 60;
const int PAGE_TAB_WIDTH = 60;
const int PAGE_TAB_HEIGHT = 65;

// In id order. The window handles are filled in when the buttons are created.
extern ButtonRecord StartButtonRecords[NUMBER_OF_START_BUTTONS];
extern ButtonRecord CommandButtonRecords[NUMBER_OF_COMMAND_BUTTONS];
extern ButtonRecord PageTabRecords[NUMBER_OF_PAGE_TABS];
extern ButtonRecord StickerButtonRecords[NUMBER_OF_STICKER_BUTTONS];

// The record of command button `id` (1001 to 1006), or null for another id.
ButtonRecord* FindCommandButtonRecord(int id);

// Picture layouts, one per picture of each group, in picture order.
const TileLayout* StartButtonLayouts();
const TileLayout* CommandButtonLayouts();
const TileLayout* PageTabLayouts();
const TileLayout* StickerButtonLayouts();
