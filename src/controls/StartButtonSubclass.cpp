#include "controls/StartButtonSubclass.h"

LRESULT StartButtonSubclass::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Forward(message, wParam, lParam);
}
