#include "controls/ControlLayout.h"

#include "sticker/Catalogue.h"

ButtonRecord StartButtonRecords[NUMBER_OF_START_BUTTONS] = {
    {nullptr, 0, START_BUTTON_ID, 450, 538, 124, 50},
};

ButtonRecord CommandButtonRecords[NUMBER_OF_COMMAND_BUTTONS] = {
    {nullptr, 0, QUIT_BUTTON_ID, 13, 20, 128, 50},
    {nullptr, 0, PRINT_BUTTON_ID, 885, 15, 64, 60},
    {nullptr, 0, CLEAR_ALL_BUTTON_ID, 417, 11, 190, 34},
    {nullptr, 0, INFO_BUTTON_ID, 951, 15, 64, 60},
    {nullptr, 1, PREVIOUS_PAGE_BUTTON_ID, 350, 694, 64, 60},
    {nullptr, 1, NEXT_PAGE_BUTTON_ID, 609, 694, 64, 60},
};

// A gap over the top centre, where the Clear all button and the counter lie.
ButtonRecord PageTabRecords[NUMBER_OF_PAGE_TABS] = {
    {nullptr, 0, 1007, 150, 9, PAGE_TAB_WIDTH, PAGE_TAB_HEIGHT},
    {nullptr, 0, 1008, 215, 9, PAGE_TAB_WIDTH, PAGE_TAB_HEIGHT},
    {nullptr, 0, 1009, 280, 9, PAGE_TAB_WIDTH, PAGE_TAB_HEIGHT},
    {nullptr, 0, 1010, 345, 9, PAGE_TAB_WIDTH, PAGE_TAB_HEIGHT},
    {nullptr, 0, 1011, 619, 9, PAGE_TAB_WIDTH, PAGE_TAB_HEIGHT},
    {nullptr, 0, 1012, 684, 9, PAGE_TAB_WIDTH, PAGE_TAB_HEIGHT},
    {nullptr, 0, 1013, 749, 9, PAGE_TAB_WIDTH, PAGE_TAB_HEIGHT},
    {nullptr, 0, 1014, 814, 9, PAGE_TAB_WIDTH, PAGE_TAB_HEIGHT},
};

// The tray: down the left column, along the bottom, then up the right column.
#define STICKER_BUTTON(tag, id, x, y) \
    {nullptr, tag, id, x, y, STICKER_BUTTON_SIZE, STICKER_BUTTON_SIZE}
ButtonRecord StickerButtonRecords[NUMBER_OF_STICKER_BUTTONS] = {
    STICKER_BUTTON(2, 1015, 15, 109), STICKER_BUTTON(2, 1016, 15, 174),
    STICKER_BUTTON(2, 1017, 15, 239), STICKER_BUTTON(2, 1018, 15, 304),
    STICKER_BUTTON(2, 1019, 15, 369), STICKER_BUTTON(2, 1020, 15, 434),
    STICKER_BUTTON(2, 1021, 15, 499), STICKER_BUTTON(2, 1022, 15, 564),
    STICKER_BUTTON(2, 1023, 15, 629),
    STICKER_BUTTON(1, 1024, 15, 694), STICKER_BUTTON(1, 1025, 80, 694),
    STICKER_BUTTON(1, 1026, 145, 694), STICKER_BUTTON(1, 1027, 210, 694),
    STICKER_BUTTON(1, 1028, 275, 694),
    STICKER_BUTTON(1, 1029, 689, 694), STICKER_BUTTON(1, 1030, 754, 694),
    STICKER_BUTTON(1, 1031, 819, 694), STICKER_BUTTON(1, 1032, 884, 694),
    STICKER_BUTTON(1, 1033, 949, 694),
    STICKER_BUTTON(3, 1034, 949, 629), STICKER_BUTTON(3, 1035, 949, 564),
    STICKER_BUTTON(3, 1036, 949, 499), STICKER_BUTTON(3, 1037, 949, 434),
    STICKER_BUTTON(3, 1038, 949, 369), STICKER_BUTTON(3, 1039, 949, 304),
    STICKER_BUTTON(3, 1040, 949, 239), STICKER_BUTTON(3, 1041, 949, 174),
    STICKER_BUTTON(3, 1042, 949, 109),
};
#undef STICKER_BUTTON

ButtonRecord* FindCommandButtonRecord(int id)
{
    if (id < QUIT_BUTTON_ID || id >= QUIT_BUTTON_ID + NUMBER_OF_COMMAND_BUTTONS)
        return nullptr;
    return &CommandButtonRecords[id - QUIT_BUTTON_ID];
}

namespace {

// Every two-tile face is the up face above the down face.
const TileRect START_TILES[2] = {{0, 0, 124, 50}, {0, 50, 124, 50}};
const TileRect QUIT_TILES[2] = {{0, 0, 128, 50}, {0, 50, 128, 50}};
const TileRect CLEAR_ALL_TILES[2] = {{0, 0, 190, 34}, {0, 34, 190, 34}};
const TileRect SMALL_COMMAND_TILES[2] = {{0, 0, 64, 60}, {0, 60, 64, 60}};
const TileRect PAGE_TAB_TILES[2] = {{0, 0, 60, 65}, {0, 65, 60, 65}};
// Up, hover, down, latched, used.
const TileRect STICKER_TILES[5] = {
    {0, 0, 60, 60}, {60, 0, 60, 60}, {120, 0, 60, 60}, {180, 0, 60, 60}, {240, 0, 60, 60},
};

} // namespace

// Built on first use, since the name tables are themselves built at start-up.
const TileLayout* StartButtonLayouts()
{
    static const TileLayout layouts[NUMBER_OF_START_BUTTONS] = {
        TileLayout(2, START_TILES, "\\data004\\b0013.dat"),
    };
    return layouts;
}

const TileLayout* CommandButtonLayouts()
{
    static const TileLayout layouts[NUMBER_OF_COMMAND_BUTTONS] = {
        TileLayout(2, QUIT_TILES, CommandButtonPictureName(0)),
        TileLayout(2, SMALL_COMMAND_TILES, CommandButtonPictureName(1)),
        TileLayout(2, CLEAR_ALL_TILES, CommandButtonPictureName(2)),
        TileLayout(2, SMALL_COMMAND_TILES, CommandButtonPictureName(3)),
        TileLayout(2, SMALL_COMMAND_TILES, CommandButtonPictureName(4)),
        TileLayout(2, SMALL_COMMAND_TILES, CommandButtonPictureName(5)),
    };
    return layouts;
}

const TileLayout* PageTabLayouts()
{
    static const TileLayout* layouts = [] {
        static TileLayout tabs[NUMBER_OF_PAGE_TABS];
        for (int i = 0; i < NUMBER_OF_PAGE_TABS; ++i)
            tabs[i] = TileLayout(2, PAGE_TAB_TILES, GroupTabPictureName(i));
        return tabs;
    }();
    return layouts;
}

const TileLayout* StickerButtonLayouts()
{
    static const TileLayout* layouts = [] {
        static TileLayout faces[NUMBEROFTRAYPICTURES];
        for (int i = 0; i < NUMBEROFTRAYPICTURES; ++i)
            faces[i] = TileLayout(5, STICKER_TILES, TrayPictureName(i));
        return faces;
    }();
    return layouts;
}
