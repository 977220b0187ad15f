"""What the program shows and writes, for the stories: where things are on the
1024 x 768 screens, the program's own pictures, and the bytes of its files."""
import os
import struct
import time

import harness
from harness import MAIN_CLASS, wait_until

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
INFO_OK, ENDING_QUIT = (446 + 64, 500 + 25), (450 + 62, 696 + 26)
# A point on the page, away from every button, for the pointer to rest on.
REST = (512, 400)
MAGENTA = (255, 0, 255)

LEDGER_HEADER = (struct.pack("<I", 2) + b"TV" + struct.pack("<I", 8) + b"MORVEN04" +
                 struct.pack("<i", 1024))
PAGE_HEADER = struct.pack("<I", 8) + b"MORVEN04" + struct.pack("<i", 1024)


def options(hint):
    return struct.pack("<I", 8) + b"ZEPGOPTN" + struct.pack("<ii", 1024, 1 if hint else 0)


OPTIONS_HINT_SHOWN = options(False)


def ledger(used=()):
    return LEDGER_HEADER + b"".join(struct.pack("<i", 1 if i in used else 0) for i in range(224))


def page_file(stickers=()):
    """stickers: (index, x, y) records."""
    return PAGE_HEADER + b"".join(struct.pack("<iiiii", i, x, y, 10, 0) for i, x, y in stickers)


class Picture:
    """A 24-bit picture file of the program ("Y5" or "BM" magic)."""

    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        if data[:2] not in (b"Y5", b"BM"):
            raise ValueError("not a picture: %s" % path)
        offset = struct.unpack_from("<I", data, 10)[0]
        self.width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
        if bits != 24:
            raise ValueError("%s has %d bits per pixel" % (path, bits))
        self.bottom_up = height > 0
        self.height = abs(height)
        self.stride = (self.width * 3 + 3) & ~3
        self.data = data[offset:]

    def pixel(self, x, y):
        row = self.height - 1 - y if self.bottom_up else y
        i = row * self.stride + x * 3
        b, g, r = self.data[i:i + 3]
        return (r, g, b)


def picture(name):
    return Picture(os.path.join(harness.DIST_DIR, "data004", name + ".dat"))


def sticker_name(prefix, index):
    return "%s%02d%02d" % (prefix, index // 28 + 1, index % 28 + 1)


def resource_picture(name):
    """A dialog bitmap: a resource, found in the art folder the Windows build was
    configured with. Its absence fails the test rather than skipping a check."""
    cache = os.path.join(harness.DIST_DIR, "..", "..", "CMakeCache.txt")
    with open(cache) as f:
        art = [line.split("=", 1)[1].strip() for line in f if line.startswith("MOSSLEAF_ART_DIR:")]
    return Picture(os.path.join(art[0], "resources", name))


def inside(point, rect):
    x, y = point
    return rect[0] <= x < rect[0] + rect[2] and rect[1] <= y < rect[1] + rect[3]


def mismatches(shot, pic, at, source, size, step=3, skip=None):
    """Pixels of a picture rectangle that the screen does not show at `at`."""
    (ax, ay), (sx, sy), (w, h) = at, source, size
    bad = []
    for y in range(0, h, step):
        for x in range(0, w, step):
            if skip and skip(ax + x, ay + y):
                continue
            want = pic.pixel(sx + x, sy + y)
            got = shot.pixel(ax + x, ay + y)
            if got != want:
                bad.append(((ax + x, ay + y), got, want))
    return bad


class Screens:
    """Checks of what the screen shows, for a SessionTest whose session is self.s
    and whose program is self.program."""
    program = None

    def alive(self, step):
        """After each step of a story: the program still runs with its window."""
        self.assertIsNone(self.program.poll(), "the program ended during: %s" % step)
        self.assertTrue(self.s.window_exists(), "the window is gone after: %s" % step)

    def assertShows(self, shot, pic, at, source, size, what, skip=None, allowed=0.01):
        bad = mismatches(shot, pic, at, source, size, skip=skip)
        checked = max(1, ((size[0] + 2) // 3) * ((size[1] + 2) // 3))
        self.assertLessEqual(len(bad), allowed * checked,
                             "%s: %d of %d pixels differ, first (where, shown, expected): %s; "
                             "screenshot %s" % (what, len(bad), checked, bad[:5], shot.path))

    def shows(self, pic, at, source, size, step=4):
        return not mismatches(self.s.screenshot("probe"), pic, at, source, size, step)

    def shot(self, label):
        self.s.move(*REST)
        time.sleep(0.8)
        return self.s.screenshot(label)

    def dialog_open(self):
        return self.s.window_exists(DIALOG_CLASS)

    def wait_dialog(self, open_=True):
        wait_until(lambda: self.dialog_open() == open_, 20, 0.3,
                   "a dialog to %s" % ("open" if open_ else "close"))

    def key(self, vk):
        self.s.winctl("key", MAIN_CLASS, vk)

    def title_shown(self):
        return self.shows(picture("b0013"), START_BUTTON[:2], (0, 0), START_BUTTON[2:], 7)

    def page_indicator_is(self, page):
        return self.shows(picture("b0017"), PAGE_INDICATOR_AT, (0, 40 * (page + 1)), (196, 40), 5)

    def wait_page(self, page, what):
        wait_until(lambda: self.page_indicator_is(page), 10, 0.3, what)

    def assertTray(self, shot, group, used=()):
        for position, at in enumerate(TRAY):
            sticker = group * 28 + position
            tile = 4 if sticker in used else 0
            self.assertShows(shot, picture(sticker_name("b", sticker)), at, (60 * tile, 0),
                             (60, 60), "tray button %d, sticker %d, tile %d" % (position, sticker, tile))

    def assertTabs(self, shot, selected):
        for tab, x in enumerate(TAB_XS):
            down = tab == selected
            self.assertShows(shot, picture("b%04d" % (tab + 4)), (x, 9), (0, 65 if down else 0),
                             (60, 65), "tab %d %s" % (tab + 1, "down" if down else "up"))

    def cursor(self):
        """(x, y) of the pointer on the screen, and whether the cursor shows."""
        x, y, showing = (int(v) for v in self.s.winctl("cursor")[1].split())
        return (x, y), showing == 1

    def wait_cursor(self, showing, what):
        wait_until(lambda: self.cursor()[1] == showing, 10, 0.1, what)

    def shows_sticker(self, index, top_left):
        """True when the screen shows the sticker's opaque pixels with its
        top-left corner at that page point."""
        pic = picture(sticker_name("s", index))
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

    def wait_sticker(self, index, top_left, shown, what):
        wait_until(lambda: self.shows_sticker(index, top_left) == shown, 10, 0.5, what)
