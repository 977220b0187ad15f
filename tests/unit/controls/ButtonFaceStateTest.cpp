#include <gtest/gtest.h>

#include <vector>

#include "controls/ButtonFaceState.h"

namespace {

struct Step {
    int requested;
    int state;
    int tile;
};

void RunSteps(int tileCount, const std::vector<Step>& steps)
{
    ButtonFaceState face;
    for (size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "step " << i << ", request " << steps[i].requested);
        const int tile = face.Request(steps[i].requested, tileCount);
        EXPECT_EQ(steps[i].tile, tile);
        EXPECT_EQ(steps[i].state, face.GetState());
        EXPECT_EQ(steps[i].tile, face.GetTile());
    }
}

TEST(ButtonFaceState, StartsResetAndFirstDrawShowsTileZero)
{
    ButtonFaceState face;
    EXPECT_EQ(StateReset, face.GetState());
    EXPECT_EQ(0, face.GetTile());
    EXPECT_EQ(0, face.Request(StateReset, 5));
    EXPECT_EQ(StateUp, face.GetState());
}

TEST(ButtonFaceState, TwoTileFaceChangesOnlyForUpAndDown)
{
    RunSteps(2, {
                    {StateDown, StateDown, 1},
                    {StateHover, StateHover, 1}, // hover keeps the last tile
                    {StateUp, StateUp, 0},
                    {StateLatched, StateLatched, 0},
                    {StateDown, StateLatched, 0}, // latched survives down
                    {StateDisabled, StateDisabled, 0},
                    {StateDown, StateDown, 1},
                    {StateReset, StateUp, 0},
                });
}

TEST(ButtonFaceState, FiveTileLatchSurvivesAllButResetAndDisable)
{
    RunSteps(5, {
                    {StateHover, StateHover, 1},
                    {StateDown, StateDown, 2},
                    {StateLatched, StateLatched, 3},
                    {StateUp, StateLatched, 3},
                    {StateHover, StateLatched, 3},
                    {StateDown, StateLatched, 3},
                    {StateReset, StateUp, 0},
                    {StateLatched, StateLatched, 3},
                    {StateDisabled, StateDisabled, 4},
                    {StateUp, StateUp, 0},
                });
}

TEST(ButtonFaceState, UnknownStateNeverSelectsATileOutsideTheFace)
{
    RunSteps(5, {
                    {StateDown, StateDown, 2},
                    {5, 5, 2},
                    {-3, -3, 2},
                    {StateUp, StateUp, 0},
                });
}

} // namespace
