"""One child's book as a story in one session, from the first run in a program folder named in letters that
the ANSI code page lacks (a child's name in Chinese or Hindi on an English Windows): the files it
writes, the title and play screens against their pictures, keys and page turns, groups, the information
screen, the button faces, the hint, carrying, sticking and throwing away, the ending screen, the book
read back, clear-all, and closing while a sticker is carried. After each step the program must still be
running."""
import os

import harness
from book import LEDGER_NAME, PLACES, Book, read_files, screen_point, sticker_size, temporary_files
from harness import MAIN_CLASS, SessionTest, wait_until
from screen import (CLEAR_NO, CLEAR_YES, COMMAND_BUTTONS, COUNTER_AT, DIALOG_CLASS, ENDING_QUIT, NEXT_PAGE,
                    OPTIONS_HINT_SHOWN, PAGE, PAGE_CLASS, PAGE_INDICATOR_AT, QUIT, REST, START_BUTTON, TAB_XS,
                    TITLE_AT, TRAY, VK_DOWN, Screens, inside, ledger, picture, resource_picture, sticker_name,
                    tray_and_tabs, wait_dialog_shown, whole)

WM_KEYDOWN, WM_COMMAND = 0x100, 0x111

STICKER = 106                               # a sticker of the first page
PLACE = PLACES[STICKER][1:]
BUTTON = 4                                  # a tray button for the face checks
UP, HOVER, DOWN, LATCHED, USED = 0, 1, 2, 3, 4    # face tiles
INFO_OK = (446 + 64, 500 + 25)
BUTTON_RECTS = ([r[:4] for r in COMMAND_BUTTONS.values()] + [(x, 9, 60, 65) for x in TAB_XS] +
                [(x, y, 60, 60) for x, y in TRAY] + [PAGE_INDICATOR_AT + (196, 40), COUNTER_AT + (190, 24), PAGE])


class BookStory(SessionTest, Screens):
    folder_name = "小明 मीरा"

    def setUp(self):
        super().setUp()
        # Code page 1252 holds neither; Unix file names in UTF-8.
        self.s.env.update(LANG="C.UTF-8", LC_ALL="C.UTF-8")

    def test_a_book_from_the_first_run_to_clear_all(self):
        self.book = Book(self, self.s)
        for step in (self.first_run_and_title, self.play_screen, self.keys_and_page_turns,
                     self.groups_and_information, self.button_faces, self.hint_once_and_keys_while_carrying,
                     self.carry_and_stick, self.ending_screen, self.read_back,
                     self.clear_all, self.close_while_carrying):
            step()
            if self.program.returncode is None:
                self.alive(step.__name__)

    # -- helpers ----------------------------------------------------------
    def wait_face(self, position, tile, what, group=0, timeout=5):
        face = picture(sticker_name("b", group * 28 + position))
        wait_until(lambda: self.shows(face, TRAY[position], (60 * tile, 0), (60, 60)), timeout, 0.05, what)

    def assertBook(self, stuck, what):
        pages = [[(i,) + PLACES[i][1:] for i in sorted(stuck) if PLACES[i][0] == page] for page in (0, 1)]
        self.assertEqual((set(stuck), pages), read_files(self.s), what)

    def thrown_away(self, index, button, what):
        """The sticker carried under the pointer at REST, then gone from the screen at once."""
        self.s.move(*REST)
        (w, h), at = sticker_size(index), (REST[0] - PAGE[0], REST[1] - PAGE[1])
        self.wait_sticker(index, (at[0] - w // 2, at[1] - h // 2), True, "%d carried" % index)
        self.s.click(*REST, button=button)
        self.wait_sticker(index, (at[0] - w // 2, at[1] - h // 2), False, what)
        self.wait_cursor(True, "the cursor back: " + what)

    # -- the story --------------------------------------------------------
    def first_run_and_title(self):
        self.program = self.s.start()
        self.s.move(*REST)
        wait_until(self.title_shown, 20, 0.5, "the title screen")
        wait_until(lambda: os.path.exists(self.s.file(LEDGER_NAME)) and any(
            line.startswith("Start-up page") for line in self.s.log_lines()), 20, 0.1, "the ledger, then the page")
        self.assertBook((), "a first run's book")
        self.assertEqual([], temporary_files(self.s), "the fresh files went through temporary files, leaving none")
        self.assertEqual("Mossleaf 4", self.s.text("title", MAIN_CLASS))
        # This screen takes the program's mode: the title is painted in the user's mode, then
        # again in the new one at once, not after the page and the music have loaded.
        steps = [line.split(":")[0] for line in self.s.log_lines()
                 if line.startswith("Start-up ") or line == "SetDisplayMode Failed"]
        self.assertEqual(2, steps[:steps.index("Start-up page")].count("Start-up title paint"), steps)
        self.wait_shows([whole("title picture", picture("m0005"), TITLE_AT)], "the title", skip=[START_BUTTON])
        shot = self.s.screenshot("title")
        pattern, title = picture("m0001"), TITLE_AT + (460, 468)
        bad = [(x, y) for y in range(0, 768, 5) for x in range(0, 1024, 5)
               if not inside((x, y), title) and not inside((x, y), START_BUTTON)
               and shot.pixel(x, y) != pattern.pixel(x % 8, y % 8)]
        self.assertEqual([], bad[:5], "the pattern tiled every 8 pixels; %s" % shot.path)
        # The play screen's keys do nothing here: the Start click that follows them still finds the title.
        self.s.xdo("key Down q i c")

    def play_screen(self):
        self.s.click(START_BUTTON[0] + 60, START_BUTTON[1] + 25)
        self.s.wait_window(PAGE_CLASS, 20)
        self.assertFalse(self.s.window_exists(DIALOG_CLASS), "the title's keys opened nothing")
        # Resized by a user, the page window goes back to its place and size.
        self.s.winctl("move", PAGE_CLASS, 0, 0, 100, 100)
        wait_until(lambda: self.s.text("rect", PAGE_CLASS) == "90 90 934 678", 10, 0.1, "the page window's rectangle")
        # The frame's arrow over every button and the page, read once a key typed after the move turned the page.
        arrow = None
        for turns, (x, y, w, h) in enumerate([(0, 0, 10, 10)] + BUTTON_RECTS, 1):
            self.s.xdo("mousemove %d %d key Down" % (x + w // 2, y + h // 2))
            self.wait_page(turns % 2, "the move onto %s handled" % ((x, y, w, h),))
            arrow = arrow or self.s.cursor()[2]
            self.assertEqual((True, arrow), self.s.cursor()[1:], "the arrow over %s" % ((x, y, w, h),))
        bars, sides = picture("m0006"), picture("m0003")
        self.wait_shows([("command %d up" % id_, picture(name), (x, y), (0, 0), (w, h))
                         for id_, (x, y, w, h, name) in COMMAND_BUTTONS.items()] + tray_and_tabs(0), "the buttons")
        self.wait_shows([("top bar", bars, (0, 0), (0, 0), (1024, 90)), ("bottom bar", bars, (0, 678), (0, 90), (1024, 90)),
                         ("left side", sides, (0, 90), (0, 0), (90, 588)), ("right side", sides, (934, 90), (90, 0), (90, 588))],
                        "the frame", skip=BUTTON_RECTS)
        # The counter and the page indicator are the clear-all's and page turns' checks.
        # The corners hold the corner pieces; the middle is the page itself.
        self.wait_shows([("page 1", picture("p0001"), (110, 110), (20, 20), (804, 548))], "the page", allowed=0.05)

    def keys_and_page_turns(self):
        before = self.s.screenshot("before-keys")
        self.s.xdo("key Return space x c")
        self.keys_work("clear-all with nothing used asks nothing, and the other keys do nothing")
        wait_until(lambda: self.s.screenshot().pixels == before.pixels, 10, 0.2, "the screen as before the keys")
        # Down and Up stand for the keys' one table; Previous is the soak's.
        self.key(VK_DOWN)
        self.wait_page(1, "Down")
        self.wait_shows([("page 2", picture("p0002"), (110, 110), (20, 20), (804, 548))], "the page", allowed=0.05)
        self.s.click(*NEXT_PAGE)
        self.wait_page(0, "Next on the last page wraps round")
        for key, page in (("Next", 1), ("Prior", 0)):
            self.s.xdo("key " + key)
            self.wait_page(page, "Page Down and Page Up")

    def groups_and_information(self):
        for group in (3, 3, 0):   # the same group twice changes nothing
            self.book.choose_group(group)
            self.wait_shows(tray_and_tabs(group), "group %d" % (group + 1))
        # A shortcut shows its button pressed before the command runs.
        self.key(ord("I"))
        wait_until(lambda: not self.s.window_exists(DIALOG_CLASS) and self.shows(picture("b0012"), (951, 15), (0, 60),
                                                                                 (64, 60)), 5, 0.01,
                   "I shows Information pressed before the information screen opens")
        wait_dialog_shown(self.s, "AboutDialogBkg")
        self.s.click(*INFO_OK)
        self.wait_dialog(False)
        self.keys_work("the keys work once the information screen is closed")
        self.s.xdo("key i")
        self.wait_dialog()
        self.s.xdo("key Escape")
        self.wait_dialog(False)

    def button_faces(self):
        self.s.move(TRAY[BUTTON][0] + 30, TRAY[BUTTON][1] + 30)
        self.wait_face(BUTTON, HOVER, "the hover face under the pointer")
        self.s.xdo("mousedown 1")
        self.wait_face(BUTTON, DOWN, "the down face while pressed")
        for x, tile, what in ((200, UP, "up as soon as the pressed pointer leaves, before the leave-tracking poll"),
                              (30, DOWN, "down again when it comes back"), (200, UP, "up when it leaves again")):
            self.s.move(TRAY[BUTTON][0] + x, TRAY[BUTTON][1] + 30)
            self.wait_face(BUTTON, tile, what, timeout=0.3)
        self.s.xdo("mouseup 1")
        # A tab and a command button (information), pressed and dragged off.
        for name, (x, y), (w, h) in (("b0009", (TAB_XS[5], 9), (60, 65)), ("b0012", (951, 15), (64, 60))):
            self.s.xdo("mousemove %d %d mousedown 1" % (x + w // 2, y + h // 2))
            wait_until(lambda: self.shows(picture(name), (x, y), (0, h), (w, h)), 5, 0.2, "%s held shows down" % name)
            self.s.xdo("mousemove %d 300 mouseup 1" % (x + w // 2))
        self.keys_work("released off the buttons: no sticker taken and no command run")
        self.wait_shows(tray_and_tabs(0) + [("information up", picture("b0012"), (951, 15), (0, 0), (64, 60))],
                        "every button up again")

    def hint_once_and_keys_while_carrying(self):
        self.s.click(TRAY[0][0] + 30, TRAY[0][1] + 30)
        wait_dialog_shown(self.s, "NewStkrDialogBkg")
        self.s.winctl("command", DIALOG_CLASS, 1)
        self.wait_dialog(False)
        wait_until(lambda: self.s.read("options04.dta") == OPTIONS_HINT_SHOWN, 10, 0.3, "the hint saved as shown")
        self.s.click(*REST, button=3)  # no window manager: X may move the focus and end the carry behind the hint
        self.book.take(0)  # the hint shows once: the carry begins
        self.thrown_away(0, 3, "a sticker thrown away by a right click is gone from the screen at once")
        self.book.take(BUTTON)
        self.s.move(*REST)
        self.wait_face(BUTTON, LATCHED, "the latched face while the sticker is carried")
        self.s.xdo("key Down i q")  # no shortcut while a sticker is carried: the keys below find page 1
        self.thrown_away(BUTTON, 1, "a sticker clicked away from its place is gone from the screen at once")
        self.wait_face(BUTTON, UP, "the up face once the sticker is thrown away")
        self.keys_work("the shortcuts work once the carry ended, and none ran during it")

    def carry_and_stick(self):
        self.book.take(STICKER)
        # Picked up over the tray: the first move inside brings it under the pointer.
        at, (w, h) = (500, 300), sticker_size(STICKER)
        self.s.move(PAGE[0] + at[0], PAGE[1] + at[1])
        self.wait_sticker(STICKER, (at[0] - w // 2, at[1] - h // 2), True, "the carried sticker centred under the pointer")
        # The pointer is kept to the page, put back on each edge it crosses (right, bottom: 844, 588 of the page).
        # Wine knows a put-back before X moves the pointer, and a move sent meanwhile would overtake it: wait for both.
        for to, back in (((10, 300), (90, 300)), ((1010, 300), (934, 300)), ((500, 5), (500, 90)),
                         ((500, 760), (500, 678)), ((20, 760), (90, 678))):
            self.s.move(*to)
            wait_until(lambda: self.s.cursor()[:2] == (back, False) and "x:%d y:%d " % back in self.s.xdo(
                "getmouselocation"), 10, 0.05, "the pointer from %s put back" % (to,))
        self.s.click(*screen_point(STICKER, (PLACE[0] + 12, PLACE[1] - 15)))
        wait_until(lambda: self.s.read(LEDGER_NAME) == ledger({STICKER}), 10, 0.2,
                   "a click near its place sticks it: the ledger at once")
        self.wait_cursor(True, "the cursor back")
        self.s.move(*REST)
        self.wait_sticker(STICKER, PLACE, True, "the sticker snapped onto its place")
        for button in (3, 1):
            self.s.click(*screen_point(STICKER, PLACE), button=button)
        self.keys_work("clicks do not take a stuck sticker: the keys work")
        self.assertTrue(self.s.cursor()[1] and self.shows_sticker(STICKER, PLACE), "the stuck sticker stays")
        self.wait_shows([("the number 223", picture("b0020"), (440, 52), (0, 0), (30, 24))], "the counter")
        self.book.choose_group(0)
        self.book.choose_group(3)
        self.wait_face(STICKER % 28, USED, "the used face on every visit of its group", 3)
        self.s.click(TRAY[STICKER % 28][0] + 30, TRAY[STICKER % 28][1] + 30)
        self.keys_work("a used sticker is not taken again: the keys work")

    def ending_screen(self):
        self.s.click(*QUIT)
        wait_dialog_shown(self.s, "EndingScrnDialogBkg")
        self.key(ord("Q"))  # a second request stacks nothing
        # Only the Quit button ends it: after Escape it is still there to be pressed.
        self.s.xdo("key Escape mousemove %d %d mousedown 1" % ENDING_QUIT)
        wait_until(lambda: self.shows(resource_picture("QuitButtonDown.bmp"), (450, 696), (0, 0), (124, 52)), 10, 0.1,
                   "the ending screen stays after Escape, and its button goes down")
        self.s.xdo("mouseup 1")
        self.assertEqual(0, self.s.wait_exit(self.program))
        self.assertBook({STICKER}, "the book kept at the end")

    def read_back(self):
        self.program = self.s.start()
        wait_until(self.title_shown, 20, 0.5, "the title screen")
        # Start, and keys before the play screen is painted: they do nothing.
        keys = [a for vk in (VK_DOWN, ord("I"), ord("C"), ord("Q")) for a in (WM_KEYDOWN, vk, 0)]
        self.s.winctl("post", MAIN_CLASS, WM_COMMAND, 1000, 0, *keys)
        self.s.wait_window(PAGE_CLASS, 20)
        self.keys_work("keys before the first paint did nothing")
        self.wait_sticker(STICKER, PLACE, True, "the sticker read back on its page")

    def clear_all(self):
        self.book.choose_group(3)
        self.wait_face(STICKER % 28, USED, "the used face read from the ledger", 3)
        # A sticker whose place lies partly off the page sticks there.
        self.book.used, self.book.pages = {STICKER}, ([(STICKER,) + PLACE], [])
        self.book.turn(True)
        self.book.stick(86)
        self.wait_sticker(86, (-7, 9), True, "86 stuck at (-7, 9)")
        for answer in (lambda: self.s.click(*CLEAR_NO), lambda: self.s.xdo("key Escape"), lambda: self.s.click(*CLEAR_YES)):
            self.key(ord("C"))
            wait_dialog_shown(self.s, "ClearAllDialogBkg")
            self.assertBook({STICKER, 86}, "No and Escape keep the book")
            answer()
            self.wait_dialog(False)
        wait_until(lambda: read_files(self.s) == (set(), [[], []]), 10, 0.3, "the book emptied")
        self.wait_shows(tray_and_tabs(3) + [("counter label", picture("b0019"), COUNTER_AT, (0, 0), (190, 24)),
                                            ("the page where 86 was", picture("p0002"), (90, 99), (0, 9), (60, 60))],
                        "the book cleared")

    def close_while_carrying(self):
        self.book.take(STICKER)
        self.s.xdo("key alt+F4")
        wait_dialog_shown(self.s, "EndingScrnDialogBkg")
        self.wait_cursor(True, "the cursor shows on the ending screen")
        self.s.click(*ENDING_QUIT)
        self.assertEqual(0, self.s.wait_exit(self.program))
        self.assertBook((), "a carried sticker is not kept")


if __name__ == "__main__":
    harness.main()
