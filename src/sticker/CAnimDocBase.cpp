#include "sticker/CAnimDocBase.h"

#include <cstring>

#include "imaging/CFrameSprite.h"
#include "imaging/CMemoryDIB.h"
#include "sticker/AnimView.h"
#include "support/Log.h"

CAnimDocBase::CAnimDocBase() = default;

CAnimDocBase::~CAnimDocBase()
{
    DeleteContents();
}

void CAnimDocBase::DeleteContents()
{
    m_Sprites.DeleteAllSprites();
    delete m_Background;
    m_Background = nullptr;
}

int CAnimDocBase::OnNewDocument(HWND window)
{
    m_Sprites.GetListener().SetView(m_View);
    CMemoryDIB* blank = new CMemoryDIB(320, 240);
    std::memset(blank->GetBits(), 0, blank->GetImageSize());
    SetBackground(window, blank);
    return 1;
}

void CAnimDocBase::SetView(CAnimView* view)
{
    m_View = view;
}

int CAnimDocBase::SetBackground(HWND window, CMemoryDIB* picture)
{
    if (!picture)
        return 0;
    m_Sprites.DeleteAllSprites();
    delete m_Background;
    m_Background = picture;
    if (!m_View) {
        LogMessage("CAnimView not available in CAnimDocBase::SetBackground");
        return 0;
    }
    return m_View->NewBackground(window, picture);
}

int CAnimDocBase::SetBackgroundFromFile(HWND window, const std::string& path)
{
    CMemoryDIB* picture = new CMemoryDIB(32, 32);
    if (!picture->LoadFile(path)) {
        delete picture;
        // The page still changes, onto plain paper: the stickers shown so far
        // belong to another page and must not stay to be saved with this one.
        LogMessage("CAnimDocBase::SetBackgroundFromFile: unable to read %s", path.c_str());
        SetBackground(window, BlankPage());
        return 0;
    }
    return SetBackground(window, picture);
}

CMemoryDIB* CAnimDocBase::BlankPage()
{
    CMemoryDIB* paper = new CMemoryDIB(PAGE_WIDTH, PAGE_HEIGHT);
    if (paper->GetBits())
        std::memset(paper->GetBits(), 0xFF, paper->GetImageSize());
    return paper;
}

CSprite* CAnimDocBase::AddSticker(const std::string& path, long stickerIndex, POINT position)
{
    CSprite* sprite = new CSprite(m_NextSpriteId++, stickerIndex, &position);
    if (!sprite->Load(path)) {
        delete sprite;
        return nullptr;
    }
    m_Sprites.Insert(sprite);
    if (m_View)
        m_View->InvalidateSprite(sprite);
    return sprite;
}

int CAnimDocBase::AddCornerPiece(const CornerPiece& piece)
{
    CFrameSprite* sprite = new CFrameSprite(m_NextSpriteId++, 0, nullptr);
    if (!sprite->Load(std::string(piece.picture))) {
        delete sprite;
        return 0;
    }
    sprite->SetColumns(piece.columns);
    sprite->SetRows(piece.rows);
    sprite->SetColumn(piece.column);
    sprite->SetRow(piece.row);
    sprite->SetPosition(piece.x, piece.y);
    sprite->SetDepth(piece.depth);
    m_Sprites.Insert(sprite);
    if (m_View)
        m_View->InvalidateSprite(sprite);
    return 1;
}
