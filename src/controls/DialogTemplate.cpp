#include "controls/DialogTemplate.h"

#include <cstring>

const DialogDef* DialogKindTable[NUMBER_OF_DIALOG_KINDS] = {};

namespace {

const uint32_t DIALOG_BUTTON_STYLE = WS_VISIBLE | BS_OWNERDRAW;

const DialogControlDef YES_NO_CONTROLS[] = {
    {19, 144, 64, 25, 1, DIALOG_BUTTON_STYLE, u"BUTTON", u"&OK", 0, nullptr},
    {98, 144, 64, 25, 2, DIALOG_BUTTON_STYLE, u"BUTTON", u"&OK", 0, nullptr},
    {0, 0, 0, 0, 0, 0, nullptr, nullptr, 0, nullptr},
};

const DialogControlDef OK_CONTROLS[] = {
    {57, 148, 64, 25, 1, DIALOG_BUTTON_STYLE, u"BUTTON", u"&OK", 0, nullptr},
    {0, 0, 0, 0, 0, 0, nullptr, nullptr, 0, nullptr},
};

const DialogControlDef QUIT_CONTROLS[] = {
    {225, 348, 62, 26, 1, DIALOG_BUTTON_STYLE, u"BUTTON", u"&OK", 0, nullptr},
    {0, 0, 0, 0, 0, 0, nullptr, nullptr, 0, nullptr},
};

// No caption, no frame, no font: the bitmaps carry everything.
const DialogDef YES_NO_DIALOG = {WS_POPUP, 2, 0, 0, 180, 180, u"", u"", u"", 0, u"",
                                 YES_NO_CONTROLS};
const DialogDef OK_DIALOG = {WS_POPUP, 1, 0, 0, 180, 180, u"", u"", u"", 0, u"",
                             OK_CONTROLS};
const DialogDef QUIT_DIALOG = {WS_POPUP, 1, 0, 0, 512, 384, u"", u"", u"", 0, u"",
                               QUIT_CONTROLS};

// Appends little-endian values and strings, refusing to run past the block.
class TemplateWriter {
public:
    TemplateWriter(BYTE* block, size_t capacity) : m_Block(block), m_Capacity(capacity) {}

    void Word(uint16_t value) { Bytes(&value, sizeof value); }
    void Dword(uint32_t value) { Bytes(&value, sizeof value); }
    void String(const char16_t* text)
    {
        for (; text && *text; ++text)
            Word(static_cast<uint16_t>(*text));
        Word(0);
    }
    void AlignToDword()
    {
        while (m_Position % 4 != 0)
            Word(0);
    }
    // Item count of the header, patched in place.
    void IncrementWordAt(size_t offset)
    {
        uint16_t value;
        std::memcpy(&value, m_Block + offset, sizeof value);
        ++value;
        std::memcpy(m_Block + offset, &value, sizeof value);
    }
    size_t Position() const { return m_Position; }
    bool Overflowed() const { return m_Overflow; }

private:
    void Bytes(const void* data, size_t size)
    {
        if (m_Overflow || size > m_Capacity - m_Position) {
            m_Overflow = true;
            return;
        }
        std::memcpy(m_Block + m_Position, data, size);
        m_Position += size;
    }

    BYTE* m_Block;
    size_t m_Capacity;
    size_t m_Position = 0;
    bool m_Overflow = false;
};

const size_t ITEM_COUNT_OFFSET = 8;

uint16_t Scale(int32_t value, unsigned unitsPerPair, unsigned baseUnit)
{
    return static_cast<uint16_t>(value * static_cast<int32_t>(unitsPerPair) /
                                 static_cast<int32_t>(baseUnit));
}

void WriteHeader(TemplateWriter& out, const DialogDef& def, unsigned bx, unsigned by)
{
    out.Dword(def.style);
    out.Dword(0);
    out.Word(0); // item count, counted as the items are written
    out.Word(static_cast<uint16_t>(def.x));
    out.Word(static_cast<uint16_t>(def.y));
    out.Word(Scale(def.width, 8, bx));
    out.Word(Scale(def.height, 16, by));
    out.String(def.menu);
    out.String(def.windowClass);
    out.String(def.title);
    if (def.style & DS_SETFONT) {
        out.Word(static_cast<uint16_t>(def.pointSize));
        out.String(def.fontName);
    }
}

void WriteItem(TemplateWriter& out, const DialogControlDef& item, unsigned bx, unsigned by)
{
    out.AlignToDword();
    out.Dword(item.style | WS_CHILD);
    out.Dword(0);
    out.Word(Scale(item.x, 8, bx));
    out.Word(Scale(item.y, 16, by));
    out.Word(Scale(item.width, 8, bx));
    out.Word(Scale(item.height, 16, by));
    out.Word(static_cast<uint16_t>(item.id));
    out.String(item.windowClass);
    out.String(item.text);
    out.Word(0); // no creation data
}

} // namespace

void FillDialogKindTable()
{
    DialogKindTable[DialogKindYesNo] = &YES_NO_DIALOG;
    DialogKindTable[DialogKindOk] = &OK_DIALOG;
    DialogKindTable[DialogKindQuit] = &QUIT_DIALOG;
}

size_t WriteDialogTemplate(int kind, unsigned baseX, unsigned baseY, BYTE* block,
                           size_t capacity)
{
    if (kind < 0 || kind >= NUMBER_OF_DIALOG_KINDS || !DialogKindTable[kind] || !block ||
        baseX == 0 || baseY == 0)
        return 0;
    const DialogDef& def = *DialogKindTable[kind];
    TemplateWriter out(block, capacity);
    WriteHeader(out, def, baseX, baseY);
    for (const DialogControlDef* item = def.controls; item && item->windowClass; ++item) {
        WriteItem(out, *item, baseX, baseY);
        if (!out.Overflowed())
            out.IncrementWordAt(ITEM_COUNT_OFFSET);
    }
    return out.Overflowed() ? 0 : out.Position();
}
