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
# The bitmap dialogs: the background's top-left, and each button's up face and top-left.
DIALOGS = {"AboutDialogBkg": ((332, 204), {"OKButtonUp": (446, 500)}),
           "NewStkrDialogBkg": ((332, 204), {"OKButtonUp": (446, 500)}),
           "ClearAllDialogBkg": ((332, 204), {"YESButtonUp": (370, 492), "NOButtonUp": (528, 492)}),
           "EndingScrnDialogBkg": ((0, 0), {"QuitButtonUp": (450, 696)})}

PAGE_HEADER = struct.pack("<I", 8) + b"MORVEN04" + struct.pack("<i", 1024)
LEDGER_HEADER = struct.pack("<I", 2) + b"TV" + PAGE_HEADER


OPTIONS_HINT_SHOWN = struct.pack("<I", 8) + b"ZEPGOPTN" + struct.pack("<ii", 1024, 0)


def ledger(used=()):
    return LEDGER_HEADER + b"".join(struct.pack("<i", 1 if i in used else 0) for i in range(224))


def page_file(stickers=()):
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


def wait_shows(session, pieces, what, skip=(), allowed=0.01, timeout=20, shift=0):
    """Waits until the screen shows every piece (name, picture, at, source, size):
    at most the allowed share of its pixels differ; none inside a skip rectangle is
    compared. With shift, a piece may show that many pixels away from `at`."""
    deadline, fault = time.monotonic() + timeout, True
    while fault and time.monotonic() < deadline:
        shot, fault = session.screenshot(), None
        for name, pic, (x, y), source, size in pieces:
            bad, checked = min((mismatches(shot, pic, (x + dx, y + dy), source, size,
                                           skip=lambda x, y: any(inside((x, y), r) for r in skip))
                                for dx in range(-shift, shift + 1) for dy in range(-shift, shift + 1)),
                               key=lambda result: len(result[0]))
            if len(bad) > allowed * checked:
                fault = "%s: %d of %d pixels differ, first (where, shown, expected): %s" % (name, len(bad), checked, bad[:5])
                break
    if fault:
        raise AssertionError("%s: %s; screen %s" % (what, fault, shot.path))


def page_shown(session, page):
    """The page indicator shows that page index: the play screen has been painted."""
    return not mismatches(session.screenshot(), picture("b0017"), PAGE_INDICATOR_AT, (0, 40 * (page + 1)), (196, 40), 5)[0]


def whole(name, pic, at):
    return name, pic, at, (0, 0), (pic.width, pic.height)


def wait_dialog_shown(session, background):
    """Waits until the screen shows the dialog whole: its background and its buttons' up faces."""
    at, buttons = DIALOGS[background]
    faces = [whole(face, resource_picture(face + ".bmp"), where) for face, where in buttons.items()]
    wait_shows(session, faces, background, shift=2)  # where they land follows the system font's dialog units
    wait_shows(session, [whole(background, resource_picture(background + ".bmp"), at)], background,
               skip=[where + size for _, _, where, _, size in faces])


def tray_and_tabs(group):
    """The group's tray buttons up, and its tab down."""
    return ([("tray button %d, sticker %d" % (i, group * 28 + i), picture(sticker_name("b", group * 28 + i)), at,
              (0, 0), (60, 60)) for i, at in enumerate(TRAY)] +
            [("tab %d" % (tab + 1), picture("b%04d" % (tab + 4)), (x, 9), (0, 65 * (tab == group)), (60, 65))
             for tab, x in enumerate(TAB_XS)])


class Screens:
    """Checks of what the screen shows, for a SessionTest whose session is self.s
    and whose program is self.program."""
    def alive(self, step):
        """After each step of a story: the program still runs with its window."""
        self.assertIsNone(self.program.poll(), "the program ended during: %s" % step)
        self.assertTrue(self.s.window_exists(), "the window is gone after: %s" % step)

    def wait_shows(self, pieces, what, **options):
        self.s.move(*REST)
        wait_shows(self.s, pieces, what, **options)

    def shows(self, pic, at, source, size, step=4):
        return not mismatches(self.s.screenshot(), pic, at, source, size, step)[0]

    def wait_dialog(self, shown=True):
        self.s.wait_window(DIALOG_CLASS, 20, shown)
        if not shown:  # with no window manager, X may take the focus from the book as a dialog goes
            self.s.winctl("restore", MAIN_CLASS)

    def key(self, vk):
        self.s.winctl("key", MAIN_CLASS, vk)

    def keys_work(self, what):
        """Down turns to page 2 and Up back: the keyboard reaches the book. Typed
        keys come in order with the mouse, so this also proves that every earlier
        input has been handled. The pointer over the page gives the book the keyboard."""
        self.s.move(*REST)
        for key, page in (("Down", 1), ("Up", 0)):
            self.s.xdo("key " + key)
            self.wait_page(page, what)
        self.assertFalse(self.s.window_exists(DIALOG_CLASS), what)

    def title_shown(self):
        return self.shows(picture("b0013"), START_BUTTON[:2], (0, 0), START_BUTTON[2:], 7)

    def wait_page(self, page, what):
        wait_until(lambda: page_shown(self.s, page), 10, 0.1, what)

    def wait_cursor(self, showing, what):
        wait_until(lambda: self.s.cursor()[1] == showing, 10, 0.1, what)

    def shows_sticker(self, index, top_left):
        """True when the page window shows the sticker's opaque pixels with its
        top-left corner at that page point."""
        pic = picture(sticker_name("s", index))
        bad, checked = mismatches(self.s.screenshot(), pic, (PAGE[0] + top_left[0], PAGE[1] + top_left[1]), (0, 0),
                                  (pic.width, pic.height), clear=MAGENTA, skip=lambda x, y: not inside((x, y), PAGE))
        return checked > 0 and len(bad) <= 0.02 * checked

    def wait_sticker(self, index, top_left, shown, what):
        wait_until(lambda: self.shows_sticker(index, top_left) == shown, 10, 0.2, what)
