#include "shell/TitlePhase.h"

#include "controls/StartButtonGroup.h"
#include "controls/ControlLayout.h"
#include "support/Log.h"

class TitlePhase TitlePhase;

namespace {

const int SCREEN_WIDTH = 1024;
const int SCREEN_HEIGHT = 768;
// A pattern picture of 8 by 8 pixels fills the screen seamlessly.
const int PATTERN_STEP = 8;
const POINT TITLE_AT = {282, 150};

const TileRect TITLE_TILES[1] = {{0, 0, 460, 468}};
const TileLayout& TitleLayout()
{
    static const TileLayout layout(1, TITLE_TILES, "\\data004\\m0005.dat");
    return layout;
}
const TileLayout& PatternLayout()
{
    static const TileLayout layout(1, TITLE_TILES, "\\data004\\m0001.dat");
    return layout;
}

} // namespace

TitlePhase::TitlePhase()
{
    m_Title.SetLayout(&TitleLayout());
    m_Pattern.SetLayout(&PatternLayout());
}

void TitlePhase::Enter(HWND mainWindow)
{
    m_Title.LoadFromLayout(mainWindow);
    m_Pattern.LoadFromLayout(mainWindow);
}

void TitlePhase::Paint(HDC dc)
{
    LogStartupStep("title paint");
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) {
        LogMessage("TitlePhase::Paint: CreateCompatibleDC failed");
        return;
    }
    HBITMAP canvas = CreateCompatibleBitmap(dc, SCREEN_WIDTH, SCREEN_HEIGHT);
    if (!canvas) {
        LogMessage("TitlePhase::Paint: CreateCompatibleBitmap failed");
        DeleteDC(memory);
        return;
    }
    HGDIOBJ old = SelectObject(memory, canvas);
    Compose(memory);
    LogStartupStep("title composed");
    BitBlt(dc, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(canvas);
    DeleteDC(memory);
}

// Each pattern tile drawn at a step of 8 covers what the ones before it drew,
// so every 8 by 8 cell ends up as the first one: the first cell is drawn and
// then copied, doubling the filled area each time (a few copies instead of
// twelve thousand tile draws, with the same pixels).
void TitlePhase::Compose(HDC dc)
{
    m_Pattern.DrawTile(dc, 0, POINT{0, 0});
    for (int width = PATTERN_STEP; width < SCREEN_WIDTH; width *= 2)
        BitBlt(dc, width, 0, width, PATTERN_STEP, dc, 0, 0, SRCCOPY);
    for (int height = PATTERN_STEP; height < SCREEN_HEIGHT; height *= 2)
        BitBlt(dc, 0, height, SCREEN_WIDTH, height, dc, 0, 0, SRCCOPY);
    m_Title.DrawTile(dc, 0, TITLE_AT);
}

void TitlePhase::CreateControls(HWND mainWindow)
{
    StartButtonGroup.AssignPictures(StartButtonLayouts(), mainWindow);
    StartButtonRecords[0].tag = reinterpret_cast<intptr_t>(mainWindow);
    StartButtonGroup.CreateButtons(mainWindow, StartButtonRecords);
    StartButtonGroup.SubclassAll();
    InvalidateRect(mainWindow, nullptr, FALSE);
}

void TitlePhase::Leave()
{
    // The title is not shown again: its pictures need no memory.
    m_Title.Release();
    m_Pattern.Release();
    ButtonRecord& start = StartButtonRecords[0];
    if (start.window) {
        StartButtonGroup.UnsubclassAll();
        DestroyWindow(start.window);
        start.window = nullptr;
    }
}

void TitlePhase::DrawItem(const DRAWITEMSTRUCT* item, UINT id)
{
    if (id != START_BUTTON_ID)
        return;
    const int state = (item->itemState & ODS_SELECTED) ? StateDown : StateUp;
    StartButtonGroup.DrawButton(item->hDC, state, id - START_BUTTON_ID);
    LogStartupStep("Start button drawn");
}

int TitlePhase::DrawStickerButton(const DRAWITEMSTRUCT*, UINT, int)
{
    return 0;
}

void TitlePhase::ReleaseStickerButton()
{
}
