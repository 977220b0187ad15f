"""The play screen: its frame, tray and tabs against their pictures, the
keyboard table, page turns, clear-all, the information screen, and closing."""
import os
import struct
import time

import harness
from harness import MAIN_CLASS, wait_until
from test_screens import (COMMAND_BUTTONS, DIALOG_CLASS, PAGE, PAGE_INDICATOR_AT, REST, TAB_XS,
                          TRAY, VK_DOWN, VK_NEXT, VK_PRIOR, VK_RETURN, VK_SPACE, VK_UP, COUNTER_AT,
                          Picture, ScreensTest, inside, mismatches, picture, resource_folder)

LEDGER_HEADER = (struct.pack("<I", 2) + b"TV" + struct.pack("<I", 8) + b"MORVEN04" +
                 struct.pack("<i", 1024))
PAGE_HEADER = struct.pack("<I", 8) + b"MORVEN04" + struct.pack("<i", 1024)
OPTIONS_HINT_SHOWN = struct.pack("<I", 8) + b"ZEPGOPTN" + struct.pack("<ii", 1024, 0)


def ledger(used=()):
    return LEDGER_HEADER + b"".join(struct.pack("<i", 1 if i in used else 0) for i in range(224))


def page_file(stickers=()):
    """stickers: (index, x, y) records."""
    return PAGE_HEADER + b"".join(struct.pack("<iiiii", i, x, y, 10, 0) for i, x, y in stickers)


def stickers_of(page):
    """The (index, x, y, mirrored) of each record; depths are renumbered on reading."""
    records = page[16:]
    return [struct.unpack_from("<iiiii", records, i)[:3] + struct.unpack_from("<i", records, i + 16)
            for i in range(0, len(records), 20)]


def tray_picture(sticker):
    return picture("b%02d%02d" % (sticker // 28 + 1, sticker % 28 + 1))


def buttons_cover(x, y):
    point = (x, y)
    rects = [(x, y, w, h) for x, y, w, h, _ in COMMAND_BUTTONS.values()]
    rects += [(x, 9, 60, 65) for x in TAB_XS] + [(x, y, 60, 60) for x, y in TRAY]
    rects += [(PAGE_INDICATOR_AT[0], PAGE_INDICATOR_AT[1], 196, 40),
              (COUNTER_AT[0], COUNTER_AT[1], 190, 24), PAGE]
    return any(inside(point, r) for r in rects)


class PlayScreen(ScreensTest):
    used = ()
    stickers = ()
    hint_shown = True

    def folder_setup(self, folder):
        os.makedirs(os.path.join(folder, "save004"), exist_ok=True)
        with open(os.path.join(folder, "save004", "page00.sav"), "wb") as f:
            f.write(ledger(self.used))
        with open(os.path.join(folder, "save004", "page01.sav"), "wb") as f:
            f.write(page_file(self.stickers))
        if self.hint_shown:
            with open(os.path.join(folder, "options04.dta"), "wb") as f:
                f.write(OPTIONS_HINT_SHOWN)

    def shot(self, label):
        self.s.move(*REST)
        time.sleep(0.8)
        return self.s.screenshot(label)

    def assertTray(self, shot, group, used=()):
        for position, at in enumerate(TRAY):
            sticker = group * 28 + position
            tile = 4 if sticker in used else 0
            self.assertShows(shot, tray_picture(sticker), at, (60 * tile, 0), (60, 60),
                             "tray button %d, sticker %d, tile %d" % (position, sticker, tile))

    def assertTabs(self, shot, selected):
        for tab, x in enumerate(TAB_XS):
            down = tab == selected
            self.assertShows(shot, picture("b%04d" % (tab + 4)), (x, 9), (0, 65 if down else 0),
                             (60, 65), "tab %d %s" % (tab + 1, "down" if down else "up"))

    def assertPageIndicator(self, shot, page):
        self.assertShows(shot, picture("b0017"), PAGE_INDICATOR_AT, (0, 40 * (page + 1)),
                         (196, 40), "page indicator on page %d" % (page + 1))

    def assertCounterLabelOnly(self, shot, tile):
        self.assertShows(shot, picture("b0019"), COUNTER_AT, (0, 24 * tile), (190, 24),
                         "stickers-left label %d" % tile)

    def page_indicator_is(self, page):
        shot = self.s.screenshot("indicator")
        return not mismatches(shot, picture("b0017"), PAGE_INDICATOR_AT, (0, 40 * (page + 1)),
                              (196, 40), 5)


class FreshPlayScreen(PlayScreen):
    def test_frame_tabs_tray_counter_and_indicator_match_the_pictures(self):
        self.start_play()
        shot = self.shot("play")
        bars, sides = picture("m0006"), picture("m0003")
        for name, pic, at, source, size in (
                ("top bar", bars, (0, 0), (0, 0), (1024, 90)),
                ("bottom bar", bars, (0, 678), (0, 90), (1024, 90)),
                ("left side", sides, (0, 90), (0, 0), (90, 588)),
                ("right side", sides, (934, 90), (90, 0), (90, 588))):
            self.assertShows(shot, pic, at, source, size, name, skip=buttons_cover)
        for id_, (x, y, w, h, name) in COMMAND_BUTTONS.items():
            self.assertShows(shot, picture(name), (x, y), (0, 0), (w, h), "command %d up" % id_)
        self.assertTabs(shot, 0)
        self.assertTray(shot, 0)
        self.assertCounterLabelOnly(shot, 0)
        self.assertPageIndicator(shot, 0)
        background = picture("p0001")
        # The corners hold the corner pieces; the middle is the page itself.
        self.assertShows(shot, background, (90 + 20, 90 + 20), (20, 20), (804, 548),
                         "page 1 background", allowed=0.05)

    def test_page_keys_and_buttons_turn_the_page_and_back(self):
        self.start_play()
        for vk_next, vk_back in ((VK_DOWN, VK_UP), (VK_NEXT, VK_PRIOR)):
            self.s.winctl("key", MAIN_CLASS, vk_next)
            wait_until(lambda: self.page_indicator_is(1), 10, 0.3, "page 2 indicator")
            self.s.winctl("key", MAIN_CLASS, vk_back)
            wait_until(lambda: self.page_indicator_is(0), 10, 0.3, "page 1 indicator")
        self.s.click(609 + 32, 694 + 30)
        wait_until(lambda: self.page_indicator_is(1), 10, 0.3, "page 2 after Next")
        shot = self.shot("page2")
        self.assertShows(shot, picture("p0002"), (110, 110), (20, 20), (804, 548),
                         "page 2 background", allowed=0.05)
        self.s.click(350 + 32, 694 + 30)
        wait_until(lambda: self.page_indicator_is(0), 10, 0.3, "page 1 after Previous")
        # Turning past the last page wraps round.
        self.s.click(350 + 32, 694 + 30)
        wait_until(lambda: self.page_indicator_is(1), 10, 0.3, "page 2 after Previous")

    def test_return_space_and_unknown_keys_do_nothing_on_the_play_screen(self):
        self.start_play()
        before = self.shot("before")
        for vk in (VK_RETURN, VK_SPACE, ord("X"), ord("C")):
            self.s.winctl("key", MAIN_CLASS, vk)
        time.sleep(1.5)
        self.assertFalse(self.dialog_open(), "clear-all with nothing used shows no dialog")
        after = self.shot("after")
        self.assertEqual(before.pixels, after.pixels)
        self.assertEqual(1, self.s.log_lines().count("WM_Create END"))

    def test_choosing_a_group_redraws_the_tray_and_the_same_group_changes_nothing(self):
        self.start_play()
        self.s.click(TAB_XS[3] + 30, 9 + 30)
        time.sleep(1)
        shot = self.shot("group4")
        self.assertTray(shot, 3)
        self.assertTabs(shot, 3)
        self.s.click(TAB_XS[3] + 30, 9 + 30)
        time.sleep(1)
        again = self.shot("group4-again")
        self.assertTray(again, 3)
        self.assertTabs(again, 3)
        self.s.click(TAB_XS[0] + 30, 9 + 30)
        time.sleep(1)
        self.assertTray(self.shot("group1"), 0)

    def test_information_screen_and_its_ok(self):
        self.start_play()
        self.s.winctl("key", MAIN_CLASS, ord("I"))
        self.wait_dialog()
        self.assertEqual((332, 204, 360, 360), self.s.window_rect(DIALOG_CLASS))
        time.sleep(0.8)
        shot = self.s.screenshot("info")
        resources = resource_folder()
        if resources and os.path.exists(os.path.join(resources, "AboutDialogBkg.bmp")):
            self.assertShows(shot, Picture(os.path.join(resources, "AboutDialogBkg.bmp")),
                             (332, 204), (0, 0), (360, 296), "information screen")
        self.s.click(446 + 64, 500 + 25)
        self.wait_dialog(False)
        # The keyboard works again: the focus is back on the main window.
        self.s.winctl("key", MAIN_CLASS, VK_DOWN)
        wait_until(lambda: self.page_indicator_is(1), 10, 0.3, "page 2 indicator")

    def test_escape_answers_the_information_screen(self):
        self.start_play()
        self.s.key("i")
        self.wait_dialog()
        time.sleep(0.5)
        self.s.key("Escape")
        self.wait_dialog(False)

    def test_keyboard_shortcuts_do_nothing_while_a_sticker_is_carried(self):
        self.start_play()
        self.s.click(TRAY[0][0] + 30, TRAY[0][1] + 30)
        self.s.move(*REST)
        time.sleep(0.5)
        self.assertFalse(self.dialog_open(), "the hint was shown before")
        for vk in (VK_DOWN, ord("I"), ord("Q")):
            self.s.winctl("key", MAIN_CLASS, vk)
        time.sleep(1.5)
        self.assertFalse(self.dialog_open())
        self.assertTrue(self.page_indicator_is(0))
        self.s.click(REST[0], REST[1], button=3)
        time.sleep(0.5)
        self.s.winctl("key", MAIN_CLASS, VK_DOWN)
        wait_until(lambda: self.page_indicator_is(1), 10, 0.3, "page 2 once the carry ended")


class NewStickerHint(PlayScreen):
    hint_shown = False

    def test_the_hint_shows_the_first_time_only_and_is_remembered(self):
        self.start_play()
        self.assertTrue(self.s.read("options04.dta").endswith(struct.pack("<i", 1)))
        self.s.click(TRAY[0][0] + 30, TRAY[0][1] + 30)
        self.wait_dialog()
        self.assertEqual((332, 204, 360, 360), self.s.window_rect(DIALOG_CLASS))
        self.s.winctl("command", DIALOG_CLASS, 1)
        self.wait_dialog(False)
        wait_until(lambda: self.s.read("options04.dta").endswith(struct.pack("<i", 0)), 10,
                   0.3, "the option saved as shown")
        self.s.click(REST[0], REST[1], button=3)
        time.sleep(0.5)
        self.s.click(TRAY[1][0] + 30, TRAY[1][1] + 30)
        time.sleep(1.5)
        self.assertFalse(self.dialog_open(), "the hint shows once")
        self.s.click(REST[0], REST[1], button=3)
        self.quit_through_ending_screen()
        self.assertEqual(20, len(self.s.read("options04.dta")))
        self.assertTrue(self.s.read("options04.dta").endswith(struct.pack("<i", 0)))


class WithUsedStickers(PlayScreen):
    # Sticker 106 belongs on page 1; 0 is only marked used.
    used = (0, 106)
    stickers = ((106, 300, 200),)

    def test_used_faces_counter_and_clear_all_no_then_yes(self):
        self.start_play()
        shot = self.shot("used")
        self.assertTray(shot, 0, self.used)
        self.assertShows(shot, picture("b0019"), COUNTER_AT, (0, 0), (23, 24), "label 0 left")
        self.assertShows(shot, picture("b0020"), (440, 52), (0, 24), (30, 24), "the number 222")
        sticker = picture("s0423")
        self.assertTrue(sticker.width > 0)

        self.s.winctl("key", MAIN_CLASS, ord("C"))
        self.wait_dialog()
        self.assertEqual((332, 204, 360, 360), self.s.window_rect(DIALOG_CLASS))
        self.s.click(528 + 64, 492 + 25)  # No
        self.wait_dialog(False)
        time.sleep(0.5)
        self.assertEqual(ledger(self.used), self.s.read("save004/page00.sav"))
        self.assertEqual(page_file(self.stickers)[:16], self.s.read("save004/page01.sav")[:16])
        self.assertEqual(36, len(self.s.read("save004/page01.sav")))

        self.s.winctl("key", MAIN_CLASS, ord("C"))
        self.wait_dialog()
        time.sleep(0.5)
        self.s.key("Escape")  # Escape is No
        self.wait_dialog(False)
        self.assertEqual(ledger(self.used), self.s.read("save004/page00.sav"))

        self.s.click(TAB_XS[3] + 30, 9 + 30)  # group 4 shows sticker 106's used face
        time.sleep(1)
        self.assertTray(self.shot("group4-used"), 3, self.used)

        self.s.winctl("key", MAIN_CLASS, ord("C"))
        self.wait_dialog()
        self.s.click(370 + 64, 492 + 25)  # Yes
        self.wait_dialog(False)
        wait_until(lambda: self.s.read("save004/page00.sav") == ledger(), 10, 0.3,
                   "the ledger emptied")
        self.assertEqual(PAGE_HEADER, self.s.read("save004/page01.sav"))
        self.assertEqual(PAGE_HEADER, self.s.read("save004/page02.sav"))
        shot = self.shot("cleared")
        self.assertTray(shot, 3)
        self.assertCounterLabelOnly(shot, 0)
        self.assertShows(shot, picture("p0001"), (90 + 300, 90 + 200), (300, 200), (60, 60),
                         "the page where the sticker was")

    def test_alt_f4_shows_the_ending_screen_saves_the_page_and_exits_zero(self):
        self.start_play()
        self.s.key("alt+F4")
        self.wait_dialog()
        self.assertEqual((0, 0, 1024, 768), self.s.window_rect(DIALOG_CLASS))
        time.sleep(0.5)
        self.s.key("Escape")  # only the Quit button ends it
        self.s.winctl("command", DIALOG_CLASS, 2)
        time.sleep(1)
        self.assertTrue(self.dialog_open())
        shot = self.s.screenshot("ending")
        resources = resource_folder()
        if resources and os.path.exists(os.path.join(resources, "EndingScrnDialogBkg.bmp")):
            self.assertShows(shot, Picture(os.path.join(resources, "EndingScrnDialogBkg.bmp")),
                             (0, 0), (0, 0), (1024, 690), "ending screen")
        self.s.click(450 + 62, 696 + 26)
        self.assertEqual(0, self.s.wait_exit(self.program))
        saved = self.s.read("save004/page01.sav")
        self.assertEqual(PAGE_HEADER, saved[:16])
        self.assertEqual(stickers_of(page_file(self.stickers)), stickers_of(saved))
        self.assertEqual(ledger(self.used), self.s.read("save004/page00.sav"))

    def test_quit_button_and_the_q_key_close_through_the_ending_screen(self):
        self.start_play()
        self.s.click(13 + 64, 20 + 25)
        self.wait_dialog()
        self.s.winctl("key", MAIN_CLASS, ord("Q"))  # a second request stacks nothing
        self.s.click(450 + 62, 696 + 26)
        self.assertEqual(0, self.s.wait_exit(self.program))
        saved = self.s.read("save004/page01.sav")
        self.assertEqual(PAGE_HEADER, saved[:16])
        self.assertEqual(stickers_of(page_file(self.stickers)), stickers_of(saved))
        lines = self.s.log_lines()
        self.assertEqual(1, lines.count("------------------End of Message Loop------------------"))


class UnreadableStickerPicture(PlayScreen):
    def folder_setup(self, folder):
        super().folder_setup(folder)
        with open(os.path.join(folder, "data004", "s0101.dat"), "wb") as f:
            f.write(b"BM not a picture of ours")

    def test_a_sticker_that_cannot_be_made_leaves_the_keys_working(self):
        self.start_play()
        self.s.click(TRAY[0][0] + 30, TRAY[0][1] + 30)
        self.s.move(*REST)
        time.sleep(1)
        self.assertIn("Failed to load Sprite; LPSTR", self.s.log_lines())
        self.s.winctl("key", MAIN_CLASS, VK_DOWN)
        wait_until(lambda: self.page_indicator_is(1), 10, 0.3, "page 2: the keys still work")


class CarryingThenClosing(PlayScreen):
    def test_a_taken_sticker_is_centred_under_the_pointer_and_closing_throws_it_away(self):
        self.start_play()
        self.s.click(TAB_XS[3] + 30, 9 + 30)
        time.sleep(0.5)
        self.s.click(TRAY[22][0] + 30, TRAY[22][1] + 30)  # sticker 106
        pointer = (500, 400)
        self.s.move(*pointer)
        time.sleep(1)
        shot = self.s.screenshot("carried")
        sticker = picture("s0423")
        at = (pointer[0] - sticker.width // 2, pointer[1] - sticker.height // 2)
        self.assertShows(shot, sticker, at, (0, 0), (sticker.width, sticker.height),
                         "the carried sticker", allowed=0.03,
                         skip=lambda x, y: sticker.pixel(x - at[0], y - at[1]) == (255, 0, 255))

        self.s.key("alt+F4")
        self.wait_dialog()
        self.s.click(450 + 62, 696 + 26)
        self.assertEqual(0, self.s.wait_exit(self.program))
        self.assertEqual(PAGE_HEADER, self.s.read("save004/page01.sav"),
                         "a sticker that was not stuck is not kept")
        self.assertEqual(ledger(), self.s.read("save004/page00.sav"))
        self.assertIn("CAnimView::CancelCarry(): sticker thrown away", self.s.log_lines())


if __name__ == "__main__":
    harness.main()
