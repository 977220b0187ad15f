#include "imaging/CSprite.h"

#include "imaging/CSpriteChangeListener.h"
#include "persist/DeSerializer.h"
#include "persist/Serializer.h"
#include "support/Log.h"

CSprite::CSprite() : CMemoryDIB(32, 32) {}

CSprite::CSprite(long serialId, long stickerIndex, const POINT* position)
    : CMemoryDIB(32, 32), m_Key(KeyNone), m_SerialId(serialId), m_StickerIndex(stickerIndex)
{
    if (position) {
        m_X = position->x;
        m_Y = position->y;
    }
}

CSprite::~CSprite() = default;

int CSprite::GetHeight() const
{
    return CMemoryDIB::GetHeight();
}

int CSprite::GetWidth() const
{
    return CMemoryDIB::GetWidth();
}

void CSprite::GetRect(RECT* rect) const
{
    SetRect(rect, m_X, m_Y, m_X + GetWidth(), m_Y + GetHeight());
}

int CSprite::GetX() const
{
    return m_X;
}

int CSprite::GetY() const
{
    return m_Y;
}

int CSprite::GetDepth() const
{
    return m_Depth;
}

void CSprite::SetDepthQuiet(int depth)
{
    m_Depth = depth;
}

bool CSprite::ClipToPicture(RECT* rect, CMemoryDIB* dest, const RECT* clip)
{
    // Cut to the destination as well: a copy must stay inside both pictures.
    RECT bounds;
    dest->CMemoryDIB::GetRect(&bounds);
    if (clip && !IntersectRect(rect, rect, clip))
        return false;
    return IntersectRect(rect, rect, &bounds) != FALSE;
}

void CSprite::Draw(CMemoryDIB* dest, const RECT* clip)
{
    if (!dest || !m_Visible)
        return;
    RECT r;
    GetRect(&r);
    if (!ClipToPicture(&r, dest, clip))
        return;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    if (m_Mirrored)
        CopyMirroredTo(dest, r.left, r.top, w, h, r.left - m_X, r.top - m_Y, static_cast<int>(m_Key));
    else
        CopyTo(dest, r.left, r.top, w, h, r.left - m_X, r.top - m_Y, static_cast<int>(m_Key));
}

bool CSprite::Load(CFile& file)
{
    const bool loaded = ReadFrom(file);
    if (loaded)
        ResetKey();
    else
        LogMessage("Failed to load Sprite; CFile");
    return loaded;
}

bool CSprite::Load(const std::string& path)
{
    if (!LoadFile(path)) {
        LogMessage("Failed to load Sprite; LPSTR");
        return false;
    }
    ResetKey();
    return true;
}

void CSprite::ResetKey()
{
    m_Key = KeyMagenta;
}

void CSprite::SetPosition(int x, int y)
{
    RECT before;
    GetRect(&before);
    m_X = x;
    m_Y = y;
    RECT after;
    GetRect(&after);
    Notify(CSpriteChangeListener::ChangeMove, &before, &after);
}

void CSprite::SetDepth(int depth)
{
    RECT area;
    GetRect(&area);
    if (depth == m_Depth)
        return;
    m_Depth = depth;
    Notify(CSpriteChangeListener::ChangeDepth, &area, nullptr);
}

bool CSprite::HitTest(int x, int y)
{
    if (!(m_X < x && x < m_X + GetWidth() && m_Y < y && y < m_Y + GetHeight()))
        return false;
    COLORREF colour = 0;
    if (m_Mirrored)
        GetMirroredPixel(x - m_X, y - m_Y, &colour);
    else
        GetPixel(x - m_X, y - m_Y, &colour);
    return colour != m_Key;
}

void CSprite::SetListener(CSpriteChangeListener* listener)
{
    m_Listener = listener;
}

void CSprite::InvalidateArea(RECT* rect)
{
    Notify(CSpriteChangeListener::ChangeInvalidate, rect, nullptr);
}

void CSprite::Notify(int kind, RECT* a, RECT* b)
{
    if (m_Listener)
        m_Listener->NotifyChange(this, kind, a, b);
}

long CSprite::GetSerialId() const
{
    return m_SerialId;
}

long CSprite::GetStickerIndex() const
{
    return m_StickerIndex;
}

bool CSprite::IsVisible() const
{
    return m_Visible != 0;
}

bool CSprite::IsHidden() const
{
    return m_Visible == 0;
}

void CSprite::Show()
{
    SetVisible(true);
}

void CSprite::Hide()
{
    SetVisible(false);
}

void CSprite::SetVisible(bool visible)
{
    m_Visible = visible ? 1 : 0;
}

void CSprite::ToggleMirror()
{
    m_Mirrored = m_Mirrored ? 0 : 1;
}

void CSprite::SetMirror(bool mirrored)
{
    m_Mirrored = mirrored ? 1 : 0;
}

bool CSprite::IsMirrored() const
{
    return m_Mirrored != 0;
}

void CSprite::SaveToFile(const std::string& path)
{
    Serializer out(path);
    Serialize(out);
}

void CSprite::LoadFromFile(const std::string& path)
{
    DeSerializer in(path);
    DeSerialize(in);
}

void CSprite::Serialize(Serializer& out)
{
    out.PutLong(m_StickerIndex);
    out.PutLong(m_X);
    out.PutLong(m_Y);
    out.PutLong(m_Depth);
    out.PutLong(m_Mirrored);
}

void CSprite::DeSerialize(DeSerializer& in)
{
    m_StickerIndex = in.GetLong();
    m_X = in.GetLong();
    m_Y = in.GetLong();
    m_Depth = in.GetLong();
    m_Mirrored = in.GetLong();
}
