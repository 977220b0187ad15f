"""The screens as a child sees them: first run, the title screen, starting play,
the play screen against its pictures, and closing through the ending screen."""
import os
import struct
import time

import harness
from harness import MAIN_CLASS, SessionTest, wait_until

DIALOG_CLASS = "#32770"
VK_RETURN, VK_SPACE, VK_DOWN, VK_UP, VK_PRIOR, VK_NEXT = 13, 32, 40, 38, 33, 34

# Where things are on the 1024 x 768 screens.
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
# A point on the page, away from every button, for the pointer to rest on.
REST = (512, 400)


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


def art_folder(name):
    return os.path.join(harness.DIST_DIR, "data004", name + ".dat")


def picture(name):
    return Picture(art_folder(name))


def resource_folder():
    """The dialog bitmaps are resources; find them in the art folder the
    Windows build was configured with."""
    cache = os.path.join(harness.DIST_DIR, "..", "..", "CMakeCache.txt")
    if not os.path.exists(cache):
        return None
    with open(cache) as f:
        for line in f:
            if line.startswith("MOSSLEAF_ART_DIR:"):
                return os.path.join(line.split("=", 1)[1].strip(), "resources")
    return None


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


class ScreensTest(SessionTest):
    def assertShows(self, shot, pic, at, source, size, what, skip=None, allowed=0.01):
        bad = mismatches(shot, pic, at, source, size, skip=skip)
        checked = max(1, ((size[0] + 2) // 3) * ((size[1] + 2) // 3))
        self.assertLessEqual(len(bad), allowed * checked,
                             "%s: %d of %d pixels differ, first (where, shown, expected): %s; "
                             "screenshot %s" % (what, len(bad), checked, bad[:5], shot.path))

    def start_program(self):
        self.program = self.s.start()
        self.s.move(*REST)
        return self.program

    def start_play(self):
        self.start_program()
        wait_until(lambda: self.title_shown(), 20, 0.5, "the title screen")
        self.s.winctl("key", MAIN_CLASS, VK_RETURN)
        wait_until(lambda: self.play_shown(), 20, 0.5, "the play screen")

    def title_shown(self):
        shot = self.s.screenshot("title-probe")
        return not mismatches(shot, picture("b0013"), START_BUTTON[:2], (0, 0), (124, 50), 7)

    def play_shown(self):
        shot = self.s.screenshot("play-probe")
        return not mismatches(shot, picture("m0006"), (0, 0), (0, 0), (13, 90), 4)

    def dialog_open(self):
        return self.s.window_exists(DIALOG_CLASS)

    def wait_dialog(self, open_=True):
        wait_until(lambda: self.dialog_open() == open_, 20, 0.3,
                   "a dialog to %s" % ("open" if open_ else "close"))

    def quit_through_ending_screen(self):
        self.s.winctl("key", MAIN_CLASS, ord("Q"))
        self.wait_dialog()
        time.sleep(1)
        shot = self.s.screenshot("ending")
        self.s.click(450 + 62, 696 + 26)
        self.assertEqual(0, self.s.wait_exit(self.program))
        return shot


class FirstRun(ScreensTest):
    def test_first_run_writes_fresh_files_and_shows_the_title(self):
        self.start_program()
        wait_until(lambda: os.path.exists(self.s.file("save004/page00.sav")), 20, 0.3,
                   "the page files")
        options = self.s.read("options04.dta")
        self.assertEqual(20, len(options), options)
        self.assertEqual(struct.pack("<I", 8) + b"ZEPGOPTN" + struct.pack("<ii", 1024, 1),
                         options)
        ledger = self.s.read("save004/page00.sav")
        self.assertEqual(918, len(ledger))
        self.assertEqual(b"\0" * 896, ledger[22:])
        for name in ("save004/page01.sav", "save004/page02.sav"):
            self.assertEqual(struct.pack("<I", 8) + b"MORVEN04" + struct.pack("<i", 1024),
                             self.s.read(name), name)

        wait_until(self.title_shown, 20, 0.5, "the title screen")
        shot = self.s.screenshot("title")
        self.assertShows(shot, picture("m0005"), TITLE_AT, (0, 0), (460, 468), "title picture",
                         skip=lambda x, y: inside((x, y), START_BUTTON))
        self.assertShows(shot, picture("b0013"), START_BUTTON[:2], (0, 0), (124, 50),
                         "Start button, up face")
        pattern = picture("m0001")
        title = (TITLE_AT[0], TITLE_AT[1], 460, 468)
        bad = []
        for y in range(0, 768, 5):
            for x in range(0, 1024, 5):
                if inside((x, y), title) or inside((x, y), START_BUTTON):
                    continue
                want = pattern.pixel(x % 8, y % 8)
                if shot.pixel(x, y) != want:
                    bad.append(((x, y), shot.pixel(x, y), want))
        self.assertEqual([], bad[:5], "the pattern tiled every 8 pixels; %s" % shot.path)

    def test_a_missing_picture_refuses_the_start_and_names_it(self):
        os.remove(self.s.file("data004/b0013.dat"))
        program = self.s.start(wait_window=False)
        wait_until(self.dialog_open, 30, 0.5, "the missing-file message")
        self.s.winctl("command", DIALOG_CLASS, 1)
        self.assertEqual(0, self.s.wait_exit(program))
        lines = self.s.log_lines()
        self.assertIn("CCheckFile CheckMissingFiles.  NUMBEROFSTICKERGRAPHICS 224", lines)
        self.assertIn("No handle was created.", lines)
        self.assertNotIn("WM_Create END", lines)


def inside(point, rect):
    x, y = point
    return rect[0] <= x < rect[0] + rect[2] and rect[1] <= y < rect[1] + rect[3]


class StartingPlay(ScreensTest):
    def check_play_starts(self, how):
        self.start_program()
        wait_until(self.title_shown, 20, 0.5, "the title screen")
        how()
        wait_until(self.play_shown, 20, 0.5, "the play screen")
        self.assertIn("WM_Create END", self.s.log_lines())

    def test_start_button(self):
        self.check_play_starts(lambda: self.s.click(START_BUTTON[0] + 60, START_BUTTON[1] + 25))

    def test_return_key(self):
        self.check_play_starts(lambda: self.s.key("Return"))

    def test_space_key(self):
        self.check_play_starts(lambda: self.s.key("space"))

    def test_other_keys_and_commands_keep_the_title(self):
        self.start_program()
        wait_until(self.title_shown, 20, 0.5, "the title screen")
        for vk in (VK_DOWN, ord("Q"), ord("I"), ord("C")):
            self.s.winctl("key", MAIN_CLASS, vk)
        time.sleep(1.5)
        self.assertFalse(self.dialog_open())
        self.assertTrue(self.title_shown())


if __name__ == "__main__":
    harness.main()
