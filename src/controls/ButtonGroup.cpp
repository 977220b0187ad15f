#include "controls/ButtonGroup.h"

#include "support/Log.h"

ButtonGroup::ButtonGroup(int buttonCount, int pictureCount)
    : m_Pictures(new ButtonPicture[pictureCount]), m_PictureCount(pictureCount),
      m_ButtonCount(buttonCount)
{
}

void ButtonGroup::AssignPictures(const TileLayout* layouts, HWND window)
{
    m_Window = window;
    m_LastDrawn.assign(m_PictureCount, 0);
    m_Held = 0;
    for (int i = 0; i < m_PictureCount; ++i) {
        m_Pictures[i].Release();
        m_Pictures[i].SetLayout(&layouts[i]);
    }
}

void ButtonGroup::Hold(int picture)
{
    if (m_LastDrawn.empty())
        return;
    if (!m_LastDrawn[picture]) {
        if (m_Held == m_ButtonCount)
            ReleaseLeastRecent();
        // One that cannot be read counts as held: it is not tried at every draw.
        m_Pictures[picture].LoadFromLayout(m_Window);
        ++m_Held;
    }
    m_LastDrawn[picture] = ++m_Draws;
}

void ButtonGroup::ReleaseLeastRecent()
{
    int oldest = -1;
    for (int i = 0; i < m_PictureCount; ++i) {
        if (m_LastDrawn[i] && (oldest < 0 || m_LastDrawn[i] < m_LastDrawn[oldest]))
            oldest = i;
    }
    m_Pictures[oldest].Release();
    m_LastDrawn[oldest] = 0;
    --m_Held;
}

void ButtonGroup::CreateButtons(HWND parent, ButtonRecord* records)
{
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    for (int i = 0; i < m_ButtonCount; ++i) {
        ButtonRecord& record = records[i];
        record.window = CreateWindowExA(
            0, "button", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, record.x, record.y,
            record.width, record.height, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(record.id)), instance, nullptr);
        if (!record.window)
            LogMessage("ButtonGroup::CreateButtons: Unable to create button %i", record.id);
    }
    m_Records = records;
}

bool ButtonGroup::DrawButton(HDC dc, int requested, int picture, POINT at)
{
    if (picture < 0 || picture >= m_PictureCount) {
        LogMessage("ButtonGroup::DrawButton: No picture %i", picture);
        return false;
    }
    Hold(picture);
    return m_Pictures[picture].SetStateAndDraw(dc, requested, at);
}
