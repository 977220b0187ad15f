#include "controls/ButtonFaceState.h"

namespace {

int NextState(int current, int requested)
{
    if (requested == StateReset)
        return StateUp;
    if (requested == StateDisabled)
        return StateDisabled;
    if (current == StateLatched)
        return StateLatched;
    return requested;
}

} // namespace

int ButtonFaceState::Request(int requested, int tileCount)
{
    m_State = NextState(m_State, requested);
    if (tileCount == 2) {
        // A two-tile face has only up and down; other states keep the last tile.
        if (m_State == StateUp)
            m_Tile = 0;
        else if (m_State == StateDown)
            m_Tile = 1;
    } else if (tileCount == 5 && m_State >= StateUp && m_State <= StateDisabled) {
        m_Tile = m_State;
    }
    return m_Tile;
}
