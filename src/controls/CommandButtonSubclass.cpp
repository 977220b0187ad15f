#include "controls/CommandButtonSubclass.h"

LRESULT CommandButtonSubclass::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    InvalidateWhilePressed(message, wParam);
    return Forward(message, wParam, lParam);
}
