// The rules behind the buttons and the frame: which face a button shows,
// where a press counts, which counter tiles show, and the dialog templates.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "controls/ButtonFaceState.h"
#include "controls/ButtonHitTest.h"
#include "controls/ControlLayout.h"
#include "controls/DialogTemplate.h"
#include "controls/PlayFrame.h"
#include "controls/TrayRules.h"

TEST(ButtonFaceState, LatchAndDisableHoldUntilResetAndNoStateLeavesTheFace)
{
    // Per button of 5 or 2 tiles, the steps: requested, state after, tile shown.
    const std::pair<int, std::vector<std::array<int, 3>>> buttons[] = {
        {5, {{StateReset, StateUp, 0}, {StateHover, StateHover, 1}, {StateDown, StateDown, 2},
             {StateLatched, StateLatched, 3}, {StateUp, StateLatched, 3}, {StateDown, StateLatched, 3},
             {StateReset, StateUp, 0}, {StateDisabled, StateDisabled, 4}, {StateDown, StateDown, 2},
             {5, 5, 2}, {-3, -3, 2}, {StateUp, StateUp, 0}}},
        {2, {{StateDown, StateDown, 1}, {StateHover, StateHover, 1}, {StateUp, StateUp, 0},
             {StateLatched, StateLatched, 0}, {StateDown, StateLatched, 0}, {StateReset, StateUp, 0}}},
    };
    for (const auto& [tiles, steps] : buttons) {
        ButtonFaceState face;
        for (const auto& [request, state, tile] : steps) // braces: the request runs before the state is read
            EXPECT_EQ((std::pair{tile, state}), (std::pair{face.Request(request, tiles), face.GetState()}))
                << tiles << " tiles, request " << request << ": tile, state";
    }
}

TEST(TrayRules, TheUsedFaceWinsAndTheSelectedTabShowsDown)
{
    EXPECT_EQ(std::pair(84, 223), std::pair(StickerGraphicIndex(1010, 1015), StickerGraphicIndex(1014, 1042)));
    EXPECT_EQ(StateDisabled, StickerButtonRequest(true, ODA_DRAWENTIRE, 0, StateLatched));
    EXPECT_EQ(StateDisabled, StickerButtonRequest(true, ODA_SELECT, ODS_SELECTED, StateUp)) << "redrawn as selected";
    EXPECT_EQ(StateReset, StickerButtonRequest(false, ODA_SELECT, ODS_SELECTED, StateLatched));
    EXPECT_EQ(StateLatched, StickerButtonRequest(false, ODA_SELECT, ODS_SELECTED | ODS_FOCUS, StateLatched));
    PageTabFields fields = {1009, NO_BUTTON_ID, 0};
    EXPECT_EQ(StateDown, PageTabRequest(ODA_DRAWENTIRE, 0, 1009, fields));
    EXPECT_EQ(StateReset, PageTabRequest(ODA_DRAWENTIRE, 0, 1007, fields));
    EXPECT_EQ(NO_DRAW, PageTabRequest(ODA_SELECT, 0, 1008, fields));
    fields = {1007, NO_BUTTON_ID, 1};
    EXPECT_EQ((std::pair<int, int>{StateDown, 1011}),
              (std::pair{PageTabRequest(ODA_FOCUS, ODS_FOCUS, 1011, fields), fields.focusTab})) << "focus follows the mouse";
    fields.tabHeld = 0;  // dragged off the tab
    EXPECT_EQ(StateReset, PageTabRequest(ODA_SELECT, 0, 1011, fields));
}

TEST(ButtonHitTest, FarEdgesAreInsideAndNegativeCapturedMovesOutside)
{
    // A point of a mouse message on a button whose far corner is (60, 50).
    const struct { int x, y; bool inside; } cases[] = {
        {0, 0, true}, {60, 50, true}, {61, 30, false}, {30, 51, false}, {-1, 10, false}, {10, -1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.inside, IsInsideButton(uint32_t(uint16_t(c.y)) << 16 | uint16_t(c.x), 60, 50)) << c.x << ", " << c.y;
}

TEST(ControlLayout, IdsAreContiguousAndEachOfThe239FacesIsAPictureOfItsOwnWithTilesTheSizeOfItsButton)
{
    // The sticker faces are 224: face k shows on tray button k % 28, whichever tab is chosen.
    const struct { const ButtonRecord* records; int count; const TileLayout* layouts; int faces; } groups[] = {
        {StartButtonRecords, 1, StartButtonLayouts(), 1},
        {CommandButtonRecords, NUMBER_OF_COMMAND_BUTTONS, CommandButtonLayouts(), NUMBER_OF_COMMAND_BUTTONS},
        {PageTabRecords, NUMBER_OF_PAGE_TABS, PageTabLayouts(), NUMBER_OF_PAGE_TABS},
        {StickerButtonRecords, NUMBER_OF_STICKER_BUTTONS, StickerButtonLayouts(), 224},
    };
    std::set<int> ids;
    std::set<std::string> pictures;
    for (const auto& g : groups)
        for (int k = 0; k < g.faces; ++k) {
            const ButtonRecord& button = g.records[k % g.count];
            const TileLayout& layout = g.layouts[k];
            ids.insert(button.id), pictures.insert(layout.GetFileName());
            for (int tile = 0; tile < layout.GetTileCount(); ++tile)
                EXPECT_EQ(std::pair(button.width, button.height),
                          std::pair(layout.GetTile(tile).width, layout.GetTile(tile).height)) << layout.GetFileName();
        }
    EXPECT_EQ(static_cast<size_t>(*ids.rbegin() - *ids.begin() + 1), ids.size());
    EXPECT_EQ(239u, pictures.size());
}

TEST(PlayFrame, TheCounterShowsOneLabelAndANumberImageFor2To223But9And99)
{
    // Stickers left, label tile, number tile.
    const int cases[][3] = {{224, 0, -1}, {223, 0, 223}, {99, 1, -1}, {98, 1, 98}, {9, 2, -1}, {8, 2, 8}, {1, 3, -1}, {0, 4, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(std::pair(c[1], c[2]), std::pair(GetCounterTiles(c[0]).labelTile, GetCounterTiles(c[0]).digitTile))
            << c[0];
    // The counter picture: every number image shown in a row of its own, no gaps.
    std::set<int> rows;
    const TileLayout& digits = FrameLayouts()[FRAME_COUNTER_DIGITS];
    for (int n = 0; n <= 224; ++n)
        if (GetCounterTiles(n).digitTile == n)
            rows.insert(digits.GetTile(n).y / 24);
    EXPECT_EQ(std::pair(220, 219), std::pair(static_cast<int>(rows.size()), *rows.rbegin())) << "rows, last row";
}

TEST(DialogTemplate, EveryKindFitsItsBlockAndWhatCannotBeWrittenIsRefused)
{
    FillDialogKindTable();
    std::vector<BYTE> block(DIALOG_TEMPLATE_BLOCK_SIZE, 0);
    for (int kind = 0; kind < NUMBER_OF_DIALOG_KINDS; ++kind) {
        const size_t used = WriteDialogTemplate(kind, 8, 16, block.data(), block.size());
        EXPECT_TRUE(used > 18 && used < DIALOG_TEMPLATE_BLOCK_SIZE / 8) << "kind " << kind << ": " << used << " bytes";
    }
    const int refused[][2] = {{NUMBER_OF_DIALOG_KINDS, 8}, {-1, 8}, {DialogKindOk, 0}}; // kind, size
    for (const auto& r : refused)
        EXPECT_EQ(0u, WriteDialogTemplate(r[0], r[1], 16, block.data(), block.size())) << r[0];
    std::vector<BYTE> tiny(40, 0);
    EXPECT_EQ(0u, WriteDialogTemplate(DialogKindYesNo, 8, 16, tiny.data(), 30));
    EXPECT_EQ(std::vector<BYTE>(10, 0), std::vector<BYTE>(tiny.begin() + 30, tiny.end()))
        << "nothing written past a block too small";
}
