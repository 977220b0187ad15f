#include "Generator.h"

#include "ArtOutput.h"
#include "ButtonFace.h"
#include "Counter.h"
#include "DialogArt.h"
#include "GroupTab.h"
#include "IconFile.h"
#include "PageIndicator.h"
#include "PageScene.h"
#include "PlayFrame.h"
#include "ScreenLayout.h"
#include "SoundSynth.h"
#include "StickerArt.h"
#include "StickerBook.h"
#include "TitleScreen.h"
#include "TrayFace.h"
#include "Tune.h"

#include <cstdio>

namespace {
std::string numbered(char prefix, int first, int second)
{
    char name[8];
    std::snprintf(name, sizeof name, "%c%02d%02d", prefix, first % 100, second % 100);
    return name;
}

FaceDesign command(uint32_t colour, const char* emoji, int emojiSize, const char* label, double labelSize)
{
    FaceDesign d(colour);
    d.emoji = emoji;
    d.emojiSize = emojiSize;
    d.label = label;
    d.labelSize = labelSize;
    return d;
}

FaceDesign arrow(int direction)
{
    FaceDesign d(0xFFCA28);
    d.arrow = direction;
    d.radius = 18;
    return d;
}

void stickers(ArtOutput& out, const StickerArt& art)
{
    for (int i = 0; i < NUMBEROFSTICKERGRAPHICS; ++i)
        out.dataPicture(numbered('s', i / STICKERS_PER_GROUP + 1, i % STICKERS_PER_GROUP + 1), art.sticker(i));
}

void playScreen(ArtOutput& out)
{
    using namespace ScreenLayout;
    PlayFrame frame;
    out.dataPicture("m0006", frame.bars());
    out.dataPicture("m0003", frame.sides());
    out.dataPicture("m0002", PlayFrame::corners());
    for (int i = 0; i < NUMBEROFSTICKERGRAPHICS; ++i)
        out.dataPicture(numbered('b', i / STICKERS_PER_GROUP + 1, i % STICKERS_PER_GROUP + 1),
                        TrayFace::make(i, frame.background(trayButton(i % STICKERS_PER_GROUP))));
    for (int g = 0; g < GROUPS; ++g)
        out.dataPicture(numbered('b', 0, g + 4), GroupTab::make(g, frame.background({TAB_X[g], TAB_Y, TAB_W, TAB_H})));
    struct Command {
        const char* name;
        Box box;
        FaceDesign design;
    };
    const Command commands[] = {
        {"b0015", QUIT, command(0xE64A19, "🚪", 28, "Quit", 19)},
        {"b0014", PRINT, command(0x29B6F6, "🖨", 36, "", 0)},
        {"b0001", CLEAR_ALL, command(0xFFA726, "🧹", 22, "Clear all", 16)},
        {"b0012", INFO, command(0xAB47BC, nullptr, 0, "i", 32)},
        {"b0018", PREVIOUS, arrow(-1)},
        {"b0002", NEXT, arrow(1)},
    };
    for (const Command& c : commands)
        out.dataPicture(c.name, ButtonFace::upOverDown(frame.background(c.box), c.design));
    out.dataPicture("b0017", PageIndicator::make(frame.background(INDICATOR)));
    out.dataPicture("b0019", Counter::labels(frame.background(COUNTER)));
    out.dataPicture("b0020", Counter::digits(frame.background(COUNTER)));
}

void pages(ArtOutput& out, const StickerArt& art)
{
    out.dataPicture("p0001", PageScene::make(1, art));
    out.dataPicture("p0002", PageScene::make(2, art));
}

void titleScreen(ArtOutput& out)
{
    Canvas picture = TitleScreen::picture();
    out.dataPicture("m0005", picture);
    out.dataPicture("m0001", TitleScreen::pattern());
    out.dataPicture("b0013", TitleScreen::startButton(picture));
}

void dialogs(ArtOutput& out)
{
    const Canvas about = DialogArt::about(), clearAll = DialogArt::clearAll();
    const Canvas newSticker = DialogArt::newSticker(), ending = DialogArt::ending();
    out.resourcePicture("AboutDialogBkg", about);
    out.resourcePicture("ClearAllDialogBkg", clearAll);
    out.resourcePicture("NewStkrDialogBkg", newSticker);
    out.resourcePicture("EndingScrnDialogBkg", ending);
    const struct {
        const char* name;
        DialogArt::ButtonPair faces;
    } buttons[] = {
        {"YESButton", DialogArt::yesButton(clearAll)},
        {"NOButton", DialogArt::noButton(clearAll)},
        {"OKButton", DialogArt::okButton(about)},
        {"QuitButton", DialogArt::quitButton(ending)},
    };
    for (const auto& b : buttons) {
        out.resourcePicture(std::string(b.name) + "Up", b.faces.up);
        out.resourcePicture(std::string(b.name) + "Down", b.faces.down);
    }
}

void sounds(ArtOutput& out)
{
    out.resource("ClearWAVE", "WAVE", "ClearWAVE.wav", SoundSynth::clear());
    out.resource("PeelWAVE", "WAVE", "PeelWAVE.wav", SoundSynth::peel());
    out.resource("StickWAVE", "WAVE", "StickWAVE.wav", SoundSynth::stick());
    out.resource("SelectWAVE", "WAVE", "SelectWAVE.wav", SoundSynth::select());
}

void iconAndCursor(ArtOutput& out)
{
    const Canvas small = IconFile::icon(16), medium = IconFile::icon(32), large = IconFile::icon(48);
    out.resource("IDI_MOSSLEAF", "ICON", "Mossleaf4.ico", IconFile::write(1, {{&small}, {&medium}, {&large}}));
    const Canvas arrow = IconFile::arrowCursor();
    const int hot = IconFile::CURSOR_HOTSPOT;
    out.resource("ArrowCursor", "CURSOR", "ArrowCursor.cur", IconFile::write(2, {{&arrow, hot, hot}}));
}
}

namespace Generator {
bool run(const std::string& folder)
{
    ArtOutput out(folder);
    const StickerArt art;
    stickers(out, art);
    pages(out, art);
    playScreen(out);
    titleScreen(out);
    dialogs(out);
    sounds(out);
    iconAndCursor(out);
    out.resourceScript();
    out.file("ZEP04.mid", Tune::midiFile());
    out.contactSheet("contact-sheet.png");
    return out.ok();
}
}
