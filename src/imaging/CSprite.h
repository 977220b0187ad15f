// A sticker or corner piece on the page: a picture with a position, a depth
// (smaller is nearer), a transparent key colour, visibility and mirroring.
// Every change that needs the screen redrawn is told to the listener.
#pragma once

#include <string>

#include "imaging/CMemoryDIB.h"
#include "persist/CSerializable.h"
#include "support/Platform.h"

class CFile;
class CSpriteChangeListener;

class CSprite : public CMemoryDIB, public CSerializable {
public:
    static constexpr int DefaultDepth = 10;
    static constexpr DWORD KeyMagenta = 0xFF00FF;
    // No pixel can equal it, so a sprite that was never loaded copies every pixel.
    static constexpr DWORD KeyNone = 0xFFFF00FF;

    CSprite();
    CSprite(long serialId, long stickerIndex, const POINT* position);
    ~CSprite() override;

    int GetHeight() const override;
    int GetWidth() const override;
    void GetRect(RECT* rect) const override;
    virtual int GetX() const;
    virtual int GetY() const;
    virtual int GetDepth() const;
    virtual void SetDepthQuiet(int depth);
    virtual void Draw(CMemoryDIB* dest, const RECT* clip);
    virtual bool Load(CFile& file);
    virtual bool Load(const std::string& path);
    virtual void ResetKey();
    virtual void SetPosition(int x, int y);
    virtual void SetDepth(int depth);
    // The left and top edges themselves do not hit.
    virtual bool HitTest(int x, int y);
    virtual void SetListener(CSpriteChangeListener* listener);
    virtual void InvalidateArea(RECT* rect);
    virtual long GetSerialId() const;
    virtual long GetStickerIndex() const;
    virtual bool IsVisible() const;
    virtual bool IsHidden() const;
    virtual void Show();
    virtual void Hide();
    virtual void SetVisible(bool visible);
    virtual void ToggleMirror();
    virtual void SetMirror(bool mirrored);
    virtual bool IsMirrored() const;
    virtual void SaveToFile(const std::string& path);
    virtual void LoadFromFile(const std::string& path);

    // The five fields of a page-file record: sticker index, x, y, depth, mirrored.
    void Serialize(Serializer& out) override;
    void DeSerialize(DeSerializer& in) override;

    DWORD GetKey() const { return m_Key; }

protected:
    void Notify(int kind, RECT* a, RECT* b);
    // The part of rect that lies inside dest, or false when there is none.
    static bool ClipToPicture(RECT* rect, CMemoryDIB* dest, const RECT* clip);

    int m_X = 0;
    int m_Y = 0;
    int m_Depth = DefaultDepth;
    DWORD m_Key = KeyMagenta;
    CSpriteChangeListener* m_Listener = nullptr;
    long m_SerialId = 0;
    long m_StickerIndex = 0;
    int m_Visible = 1;
    int m_Mirrored = 0;
};
