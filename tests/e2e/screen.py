"""What the program shows and writes, for the stories: where things are on the
1024 x 768 screens, the program's own pictures, and the bytes of its files."""
import functools
import os
import struct
import time

import harness
from harness import MAIN_CLASS, Picture, wait_until

DIALOG_CLASS = "#32770"
PAGE_CLASS = "ChildWindowTemplateClass"
VK_RETURN, VK_SPACE, VK_PRIOR, VK_NEXT, VK_UP, VK_DOWN = 13, 32, 33, 34, 38, 40

TITLE_AT = (282, 150)
START_BUTTON = (450, 538, 124, 50)
PAGE = (90, 90, 844, 588)
PAGE_INDICATOR_AT = (414, 705)
COUNTER_AT = (417, 52)
TAB_XS = (150, 215, 280, 345, 619, 684, 749, 814)
TRAY = ([(15, y) for y in (109, 174, 239, 304, 369, 434, 499, 564, 629)] +
        [(x, 694) for x in (15, 80, 145, 210, 275, 689, 754, 819, 884, 949)] +
        [(949, y) for y in (629, 564, 499, 434, 369, 304, 239, 174, 109)])
COMMAND_BUTTONS = {  # id: (x, y, w, h, picture)
    1001: (13, 20, 128, 50, "b0015"), 1002: (885, 15, 64, 60, "b0014"),
    1003: (417, 11, 190, 34, "b0001"), 1004: (951, 15, 64, 60, "b0012"),
    1005: (350, 694, 64, 60, "b0018"), 1006: (609, 694, 64, 60, "b0002"),
}
QUIT, NEXT_PAGE, PREVIOUS_PAGE = (13 + 64, 20 + 25), (609 + 32, 694 + 30), (350 + 32, 694 + 30)
CLEAR_ALL, CLEAR_YES, CLEAR_NO = (417 + 95, 11 + 17), (370 + 64, 492 + 25), (528 + 64, 492 + 25)
ENDING_QUIT = (450 + 62, 696 + 26)
REST = (512, 400)  # a point on the page, away from every button, for the pointer to rest on
MAGENTA = (255, 0, 255)

PAGE_HEADER = struct.pack("<I", 8) + b"MORVEN04" + struct.pack("<i", 1024)
LEDGER_HEADER = struct.pack("<I", 2) + b"TV" + PAGE_HEADER


OPTIONS_HINT_SHOWN = struct.pack("<I", 8) + b"ZEPGOPTN" + struct.pack("<ii", 1024, 0)


def ledger(used=()):
    return LEDGER_HEADER + b"".join(struct.pack("<i", 1 if i in used else 0) for i in range(224))


def page_file(stickers=()):
    """stickers: (index, x, y) records."""
    return PAGE_HEADER + b"".join(struct.pack("<iiiii", i, x, y, 10, 0) for i, x, y in stickers)


@functools.lru_cache(None)
def picture(name):
    return Picture(os.path.join(harness.DIST_DIR, "data004", name + ".dat"))


def sticker_name(prefix, index):
    return "%s%02d%02d" % (prefix, index // 28 + 1, index % 28 + 1)


def resource_picture(name):
    """A dialog bitmap: a resource, found in the art folder the Windows build was
    configured with. Its absence fails the test rather than skipping a check."""
    with open(os.path.join(harness.DIST_DIR, "..", "..", "CMakeCache.txt")) as f:
        art = [line.split("=", 1)[1].strip() for line in f if line.startswith("MOSSLEAF_ART_DIR:")]
    return Picture(os.path.join(art[0], "resources", name))


def inside(point, rect):
    return rect[0] <= point[0] < rect[0] + rect[2] and rect[1] <= point[1] < rect[1] + rect[3]


def mismatches(shot, pic, at, source, size, step=3, skip=None, clear=None):
    """The pixels of a picture rectangle that the screen does not show at `at`,
    and how many were compared; pixels of the colour `clear` are not compared."""
    bad, checked = [], 0
    for y in range(0, size[1], step):
        for x in range(0, size[0], step):
            where, want = (at[0] + x, at[1] + y), pic.pixel(source[0] + x, source[1] + y)
            if (skip and skip(*where)) or want == clear:
                continue
            checked += 1
            if shot.pixel(*where) != want:
                bad.append((where, shot.pixel(*where), want))
    return bad, checked


class Screens:
    """Checks of what the screen shows, for a SessionTest whose session is self.s
    and whose program is self.program."""
    def alive(self, step):
        """After each step of a story: the program still runs with its window."""
        self.assertIsNone(self.program.poll(), "the program ended during: %s" % step)
        self.assertTrue(self.s.window_exists(), "the window is gone after: %s" % step)

    def assertShows(self, shot, pic, at, source, size, what, skip=None, allowed=0.01):
        bad, checked = mismatches(shot, pic, at, source, size, skip=skip)
        self.assertLessEqual(len(bad), allowed * checked,
                             "%s: %d of %d pixels differ, first (where, shown, expected): %s; "
                             "screenshot %s" % (what, len(bad), checked, bad[:5], shot.path))

    def shows(self, pic, at, source, size, step=4):
        return not mismatches(self.s.screenshot("probe"), pic, at, source, size, step)[0]

    def shot(self, label):
        self.s.move(*REST)
        time.sleep(0.8)
        return self.s.screenshot(label)

    def wait_dialog(self, shown=True):
        self.s.wait_window(DIALOG_CLASS, 20, shown)

    def key(self, vk):
        self.s.winctl("key", MAIN_CLASS, vk)

    def keys_ignored(self, keys, what):
        """Keys that must open no dialog."""
        for vk in keys:
            self.key(vk)
        time.sleep(1.5)
        self.assertFalse(self.s.window_exists(DIALOG_CLASS), what)

    def title_shown(self):
        return self.shows(picture("b0013"), START_BUTTON[:2], (0, 0), START_BUTTON[2:], 7)

    def wait_page(self, page, what):
        wait_until(lambda: self.shows(picture("b0017"), PAGE_INDICATOR_AT, (0, 40 * (page + 1)), (196, 40), 5),
                   10, 0.3, what)

    def assertTrayAndTabs(self, shot, group):
        """The group's tray buttons up, and its tab down."""
        for position, at in enumerate(TRAY):
            sticker = group * 28 + position
            self.assertShows(shot, picture(sticker_name("b", sticker)), at, (0, 0), (60, 60),
                             "tray button %d, sticker %d" % (position, sticker))
        for tab, x in enumerate(TAB_XS):
            self.assertShows(shot, picture("b%04d" % (tab + 4)), (x, 9), (0, 65 if tab == group else 0),
                             (60, 65), "tab %d %s" % (tab + 1, "down" if tab == group else "up"))

    def wait_cursor(self, showing, what):
        wait_until(lambda: self.s.cursor()[1] == showing, 10, 0.1, what)

    def shows_sticker(self, index, top_left):
        """True when the screen shows the sticker's opaque pixels with its
        top-left corner at that page point."""
        pic = picture(sticker_name("s", index))
        bad, checked = mismatches(self.s.screenshot("sticker"), pic, (PAGE[0] + top_left[0], PAGE[1] + top_left[1]),
                                  (0, 0), (pic.width, pic.height), clear=MAGENTA)
        return checked > 0 and len(bad) <= 0.02 * checked

    def wait_sticker(self, index, top_left, shown, what):
        wait_until(lambda: self.shows_sticker(index, top_left) == shown, 10, 0.5, what)
