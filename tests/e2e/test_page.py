"""The page window and carrying a sticker with the real mouse: the sticker
follows the pointer, the pointer cannot leave the page, the system cursor is
hidden only while carrying, and a stick is written to the ledger at once."""
import struct
import subprocess
import time

import harness
from harness import wait_until
from test_screens import PAGE, REST, TAB_XS, TRAY, VK_DOWN, VK_UP, picture
from test_screens_play import PlayScreen, ledger

PAGE_CLASS = "ChildWindowTemplateClass"
WM_SIZE = 5
STICKER = 106          # group 4, position 23: belongs at (332, 147) on page number 1
PLACE = (332, 147)
MAGENTA = (255, 0, 255)


def sticker_picture(index):
    return picture("s%02d%02d" % (index // 28 + 1, index % 28 + 1))


class PageTest(PlayScreen):
    def cursor(self):
        """(x, y) of the pointer on the screen, and whether the cursor shows."""
        code, out = self.s.winctl("cursor")
        self.assertEqual(0, code, out)
        x, y, showing = (int(v) for v in out.split())
        return (x, y), showing == 1

    def take(self, index):
        self.s.click(TAB_XS[index // 28] + 30, 9 + 30)
        time.sleep(0.5)
        x, y = TRAY[index % 28]
        self.s.click(x + 30, y + 30)
        wait_until(lambda: not self.cursor()[1], 10, 0.2, "the cursor hidden by the carry")

    def centre_on_screen(self, top_left, pic):
        return (PAGE[0] + top_left[0] + pic.width // 2, PAGE[1] + top_left[1] + pic.height // 2)

    def shows_sticker(self, pic, top_left):
        """True when the screen shows the sticker's opaque pixels with its
        top-left corner at that page point."""
        shot = self.s.screenshot("sticker")
        bad = checked = 0
        for y in range(0, pic.height, 3):
            for x in range(0, pic.width, 3):
                want = pic.pixel(x, y)
                sx, sy = PAGE[0] + top_left[0] + x, PAGE[1] + top_left[1] + y
                if want == MAGENTA or not (0 <= sx < 1024 and 0 <= sy < 768):
                    continue
                checked += 1
                bad += shot.pixel(sx, sy) != want
        return checked > 0 and bad <= 0.02 * checked

    def assertCursorBack(self):
        wait_until(lambda: self.cursor()[1], 10, 0.2, "the cursor shown again")

    def stick(self, index=STICKER, place=PLACE):
        """Takes the sticker and sticks it on its place; returns its picture."""
        pic = sticker_picture(index)
        self.take(index)
        self.s.move(*self.centre_on_screen(place, pic))
        time.sleep(0.3)
        self.s.click(*self.centre_on_screen(place, pic))
        wait_until(lambda: self.s.read("save004/page00.sav") == ledger({index}), 10, 0.2,
                   "the ledger with the sticker used")
        self.assertCursorBack()
        self.s.move(*REST)
        return pic


class PageWindow(PageTest):
    def test_the_page_window_sits_at_its_place_whatever_resizes_it(self):
        self.start_play()
        self.assertEqual(PAGE, self.s.window_rect(PAGE_CLASS))
        self.s.winctl("post", PAGE_CLASS, WM_SIZE, 0, (100 << 16) | 100)
        time.sleep(0.5)
        self.assertEqual(PAGE, self.s.window_rect(PAGE_CLASS))


class CarryAndStick(PageTest):
    def test_the_sticker_follows_the_pointer_which_cannot_leave_the_page(self):
        self.start_play()
        pic = sticker_picture(STICKER)
        self.take(STICKER)
        # The pick-up happened over the tray, outside the page: the first move
        # inside brings the sticker under the pointer.
        at = (500, 300)
        self.s.move(PAGE[0] + at[0], PAGE[1] + at[1])
        top_left = (at[0] - pic.width // 2, at[1] - pic.height // 2)
        wait_until(lambda: self.shows_sticker(pic, top_left), 10, 0.5, "the carried sticker")

        for outside, clamped in (((1010, 300), (934, 300)), ((500, 5), (500, 90)),
                                 ((20, 760), (90, 678))):
            self.s.move(*outside)
            wait_until(lambda: self.cursor()[0] == clamped, 10, 0.2,
                       "the pointer put back at %s from %s" % (clamped, outside))
        self.assertFalse(self.cursor()[1], "still carrying: the cursor stays hidden")

        self.s.move(*self.centre_on_screen(PLACE, pic))
        time.sleep(0.3)
        self.s.click(*self.centre_on_screen((PLACE[0] + 12, PLACE[1] - 15), pic))
        wait_until(lambda: self.s.read("save004/page00.sav") == ledger({STICKER}), 10, 0.2,
                   "the ledger with the sticker used")
        self.assertCursorBack()
        self.s.move(*REST)
        wait_until(lambda: self.shows_sticker(pic, PLACE), 10, 0.5, "the sticker on its place")

        # A stuck sticker stays: clicks afterwards do not take it away.
        self.s.click(*self.centre_on_screen(PLACE, pic), button=3)
        self.s.click(*self.centre_on_screen(PLACE, pic))
        self.s.move(*REST)
        time.sleep(0.5)
        self.assertTrue(self.shows_sticker(pic, PLACE))
        self.quit_through_ending_screen()
        record = self.s.read("save004/page01.sav")[16:]
        self.assertEqual(20, len(record))
        self.assertEqual((STICKER, PLACE[0], PLACE[1]), struct.unpack_from("<iii", record))

    def test_a_click_away_from_the_place_or_a_right_click_throws_the_sticker_away(self):
        self.start_play()
        pic = sticker_picture(STICKER)
        for button, at in ((1, (PLACE[0] + 20, PLACE[1])), (3, PLACE)):
            self.take(STICKER)
            self.s.move(*self.centre_on_screen(at, pic))
            wait_until(lambda: self.shows_sticker(pic, at), 10, 0.5, "the carried sticker")
            self.s.click(*self.centre_on_screen(at, pic), button=button)
            self.assertCursorBack()
            self.s.move(*REST)
            time.sleep(0.8)
            self.assertFalse(self.shows_sticker(pic, at), "button %d: the sticker is gone" % button)
        self.assertEqual(ledger(), self.s.read("save004/page00.sav"))
        self.assertEqual(1, self.s.log_lines().count("OnRButtonDown: ReleaseCapture"))

    def test_a_sticker_of_another_page_never_sticks(self):
        self.start_play()
        self.take(86)   # belongs at (-7, 9) on page number 2
        pic = sticker_picture(86)
        self.s.move(*self.centre_on_screen((10, 9), pic))
        time.sleep(0.3)
        self.s.click(*self.centre_on_screen((10, 9), pic))
        self.assertCursorBack()
        time.sleep(0.5)
        self.assertEqual(ledger(), self.s.read("save004/page00.sav"))


class StuckInAnEarlierRun(PageTest):
    used = (STICKER,)
    stickers = ((STICKER, PLACE[0], PLACE[1]),)

    def test_the_page_file_brings_the_sticker_back_on_its_page_only(self):
        self.start_play()
        pic = sticker_picture(STICKER)
        wait_until(lambda: self.shows_sticker(pic, PLACE), 10, 0.5, "the sticker read back")
        self.s.winctl("key", harness.MAIN_CLASS, VK_DOWN)
        wait_until(lambda: not self.shows_sticker(pic, PLACE), 10, 0.5, "page 2 without it")
        self.s.winctl("key", harness.MAIN_CLASS, VK_UP)
        wait_until(lambda: self.shows_sticker(pic, PLACE), 10, 0.5, "page 1 with it again")


if __name__ == "__main__":
    harness.main()
