// A row of bitmap buttons made from a table of records, and the pictures
// they show. A button shows whichever picture its owner names when it draws
// it, so a group may hold more pictures than buttons.
#pragma once

#include <memory>
#include <vector>

#include <windows.h>

#include "controls/ButtonPicture.h"
#include "controls/ButtonRecord.h"

class ButtonGroup {
public:
    ButtonGroup(int buttonCount, int pictureCount);
    virtual ~ButtonGroup() = default;
    ButtonGroup(const ButtonGroup&) = delete;
    ButtonGroup& operator=(const ButtonGroup&) = delete;

    virtual void SubclassAll() = 0;
    virtual void UnsubclassAll() = 0;

    // Gives picture i layout i (one per picture). A picture is read when it
    // is drawn and kept while it is among the last as many drawn as the
    // group has buttons: the tray holds the faces of the group it shows, not
    // all 224.
    void AssignPictures(const TileLayout* layouts, HWND window);
    // Creates one owner-drawn button child of `parent` per record, writing
    // each window handle into its record; the table is kept, not owned.
    void CreateButtons(HWND parent, ButtonRecord* records);
    // Draws picture `picture` in the requested state at `at`, by default at
    // the corner of the button's own device context.
    bool DrawButton(HDC dc, int requested, int picture, POINT at = POINT{0, 0});

    ButtonPicture& GetPicture(int index) { return m_Pictures[index]; }

protected:
    std::unique_ptr<ButtonPicture[]> m_Pictures;
    int m_PictureCount;
    int m_ButtonCount;
    ButtonRecord* m_Records = nullptr;

private:
    // Reads the picture unless it is held, and marks it the latest drawn.
    void Hold(int picture);
    void ReleaseLeastRecent();

    HWND m_Window = nullptr;
    // Per picture, 0 when not held, else the draw count of its latest draw.
    std::vector<unsigned> m_LastDrawn;
    unsigned m_Draws = 0;
    int m_Held = 0;
};
