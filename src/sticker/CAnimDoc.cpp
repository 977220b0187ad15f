#include "sticker/CAnimDoc.h"

#include "imaging/CFileManager.h"
#include "imaging/CSprite.h"
#include "persist/DeSerializer.h"
#include "persist/Serializer.h"
#include "sticker/AnimView.h"
#include "sticker/CPageCycle.h"
#include "sticker/Catalogue.h"
#include "sticker/PageFile.h"
#include "support/Log.h"

CAnimDoc AnimDoc;

const CornerPiece CORNER_PIECES[CORNER_PIECE_COUNT] = {
    {1, 4, 0, 0, 0, 0, 1, "\\data004\\m0002.dat"},
    {1, 4, 0, 1, 836, 0, 2, "\\data004\\m0002.dat"},
    {1, 4, 0, 2, 0, 580, 3, "\\data004\\m0002.dat"},
    {1, 4, 0, 3, 836, 580, 4, "\\data004\\m0002.dat"},
};

void CAnimDoc::LinkView(CAnimView* view)
{
    SetView(view);
    view->SetDocument(this);
    m_Sprites.GetListener().SetView(view);
}

int CAnimDoc::ShowPage(HWND window, const std::string& backgroundName,
                       const CornerPiece* pieces)
{
    m_Window = window;
    const int shown = SetBackgroundFromFile(window, backgroundName);
    for (int i = 0; i < CORNER_PIECE_COUNT; ++i)
        AddCornerPiece(pieces[i]);
    return shown;
}

std::string CAnimDoc::CurrentPagePath()
{
    std::string path;
    CFileManager::GetFullPath(path, SaveName(PageCycle.CurrentPage));
    return path;
}

void CAnimDoc::SavePage()
{
    // A page whose file another program held is shown without its stickers:
    // writing it would lose them.
    if (!m_PageHeld)
        WriteSprites(CurrentPagePath());
}

void CAnimDoc::LoadPage()
{
    LogMessage("%s", SaveName(PageCycle.CurrentPage).c_str());
    ReadSprites(CurrentPagePath());
}

int CAnimDoc::WriteSprites(const std::string& path)
{
    try {
        Serializer out(path);
        PutPageHeader(out);
        // Corner pieces (depth below 10) belong to every page and are not kept.
        for (CSprite* sprite = m_Sprites.GetLast(); sprite; sprite = m_Sprites.GetPrevious()) {
            if (sprite->GetDepth() > 9)
                sprite->Serialize(out);
        }
        out.Commit();
        return 1;
    } catch (...) {
        return 0;
    }
}

int CAnimDoc::ReadSprites(const std::string& path)
{
    std::vector<PageRecord> records;
    m_PageHeld = false;
    try {
        DeSerializer in(path);
        records = ReadPageRecords(in, PageCycle.CurrentPage);
    } catch (const char* text) {
        m_PageHeld = text == DeSerializer::FILE_HELD;
        return 0;
    } catch (...) {
        return 0;
    }
    // The stored depth is not used: the list gives every sticker read its place.
    for (const PageRecord& r : records) {
        CSprite* sprite = AddSticker(StickerPictureName(r.index), r.index, POINT{r.x, r.y});
        if (sprite)
            sprite->SetMirror(r.mirrored);
    }
    return 1;
}

void CAnimDoc::GoToPage(int direction)
{
    SavePage();
    if (direction == GoNext)
        PageCycle.NextPage();
    else if (direction == GoPrevious)
        PageCycle.PreviousPage();
    ShowPage(m_Window, PageBackgroundName(PageCycle.CurrentPage), CORNER_PIECES);
    LoadPage();
}
