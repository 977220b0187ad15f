#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/DialogTemplate.h"

namespace {

uint16_t Word(const std::vector<BYTE>& block, size_t at)
{
    uint16_t value;
    std::memcpy(&value, &block[at], sizeof value);
    return value;
}

uint32_t Dword(const std::vector<BYTE>& block, size_t at)
{
    uint32_t value;
    std::memcpy(&value, &block[at], sizeof value);
    return value;
}

// Reads a UTF-16 string at `at` and moves past its zero.
std::u16string String(const std::vector<BYTE>& block, size_t& at)
{
    std::u16string text;
    for (uint16_t c; (c = Word(block, at)) != 0; at += 2)
        text += static_cast<char16_t>(c);
    at += 2;
    return text;
}

struct Item {
    uint32_t style;
    uint16_t x, y, width, height, id;
    std::u16string windowClass, text;
};

struct Template {
    uint32_t style;
    uint16_t count, x, y, width, height;
    std::vector<Item> items;
    size_t used;
};

Template Build(int kind, unsigned bx = 8, unsigned by = 16)
{
    std::vector<BYTE> block(DIALOG_TEMPLATE_BLOCK_SIZE, 0);
    Template t = {};
    t.used = WriteDialogTemplate(kind, bx, by, block.data(), block.size());
    if (t.used == 0)
        return t;
    t.style = Dword(block, 0);
    EXPECT_EQ(0u, Dword(block, 4)) << "extended style";
    t.count = Word(block, 8);
    t.x = Word(block, 10);
    t.y = Word(block, 12);
    t.width = Word(block, 14);
    t.height = Word(block, 16);
    size_t at = 18;
    EXPECT_EQ(u"", String(block, at)) << "menu";
    EXPECT_EQ(u"", String(block, at)) << "class";
    EXPECT_EQ(u"", String(block, at)) << "title";
    for (int i = 0; i < t.count; ++i) {
        at = (at + 3) / 4 * 4;
        Item item;
        item.style = Dword(block, at);
        EXPECT_EQ(0u, Dword(block, at + 4)) << "item extended style";
        item.x = Word(block, at + 8);
        item.y = Word(block, at + 10);
        item.width = Word(block, at + 12);
        item.height = Word(block, at + 14);
        item.id = Word(block, at + 16);
        at += 18;
        item.windowClass = String(block, at);
        item.text = String(block, at);
        EXPECT_EQ(0, Word(block, at)) << "creation data";
        at += 2;
        t.items.push_back(item);
    }
    EXPECT_EQ(at, t.used);
    return t;
}

class DialogTemplateTest : public ::testing::Test {
protected:
    void SetUp() override { FillDialogKindTable(); }
};

TEST_F(DialogTemplateTest, YesNoHasTwoButtonsInPixelsOfTheBitmaps)
{
    const Template t = Build(DialogKindYesNo);
    ASSERT_NE(0u, t.used);
    EXPECT_EQ(static_cast<uint32_t>(WS_POPUP), t.style);
    EXPECT_EQ(0, t.x);
    EXPECT_EQ(0, t.y);
    EXPECT_EQ(180, t.width);
    EXPECT_EQ(180, t.height);
    ASSERT_EQ(2, t.count);
    ASSERT_EQ(2u, t.items.size());
    const uint32_t style = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
    EXPECT_EQ(style, t.items[0].style);
    EXPECT_EQ(19, t.items[0].x);
    EXPECT_EQ(144, t.items[0].y);
    EXPECT_EQ(64, t.items[0].width);
    EXPECT_EQ(25, t.items[0].height);
    EXPECT_EQ(1, t.items[0].id);
    EXPECT_EQ(98, t.items[1].x);
    EXPECT_EQ(2, t.items[1].id);
    EXPECT_EQ(u"BUTTON", t.items[1].windowClass);
    EXPECT_EQ(u"&OK", t.items[1].text);
}

TEST_F(DialogTemplateTest, OkAndQuitKinds)
{
    const Template ok = Build(DialogKindOk);
    ASSERT_EQ(1u, ok.items.size());
    EXPECT_EQ(57, ok.items[0].x);
    EXPECT_EQ(148, ok.items[0].y);
    EXPECT_EQ(1, ok.items[0].id);

    const Template quit = Build(DialogKindQuit);
    EXPECT_EQ(512, quit.width);
    EXPECT_EQ(384, quit.height);
    ASSERT_EQ(1u, quit.items.size());
    EXPECT_EQ(225, quit.items[0].x);
    EXPECT_EQ(348, quit.items[0].y);
    EXPECT_EQ(62, quit.items[0].width);
    EXPECT_EQ(26, quit.items[0].height);
}

TEST_F(DialogTemplateTest, EveryKindFitsWithRoomToSpare)
{
    for (int kind = 0; kind < NUMBER_OF_DIALOG_KINDS; ++kind) {
        const Template t = Build(kind);
        EXPECT_GT(t.used, 18u) << "kind " << kind;
        EXPECT_LT(t.used, DIALOG_TEMPLATE_BLOCK_SIZE / 8) << "kind " << kind;
    }
}

TEST_F(DialogTemplateTest, OtherBaseUnitsScaleTheSizesInProportion)
{
    const Template t = Build(DialogKindYesNo, 16, 32);
    EXPECT_EQ(90, t.width);
    EXPECT_EQ(90, t.height);
    ASSERT_EQ(2u, t.items.size());
    EXPECT_EQ(9, t.items[0].x);  // 19 * 8 / 16, rounded down
    EXPECT_EQ(72, t.items[0].y); // 144 * 16 / 32
    EXPECT_EQ(32, t.items[0].width);
    EXPECT_EQ(12, t.items[0].height);
    // Unusual fonts: 6 by 13 units make the template wider and taller.
    const Template small = Build(DialogKindQuit, 6, 13);
    EXPECT_EQ(682, small.width);  // 512 * 8 / 6
    EXPECT_EQ(472, small.height); // 384 * 16 / 13
}

TEST_F(DialogTemplateTest, RefusesWhatItCannotWrite)
{
    std::vector<BYTE> block(DIALOG_TEMPLATE_BLOCK_SIZE, 0);
    EXPECT_EQ(0u, WriteDialogTemplate(3, 8, 16, block.data(), block.size()));
    EXPECT_EQ(0u, WriteDialogTemplate(-1, 8, 16, block.data(), block.size()));
    EXPECT_EQ(0u, WriteDialogTemplate(DialogKindOk, 0, 16, block.data(), block.size()));
    // Too small a block is refused without writing past it.
    std::vector<BYTE> tiny(40, 0);
    EXPECT_EQ(0u, WriteDialogTemplate(DialogKindYesNo, 8, 16, tiny.data(), 30));
    for (size_t i = 30; i < tiny.size(); ++i)
        EXPECT_EQ(0, tiny[i]) << "byte " << i;
}

} // namespace
