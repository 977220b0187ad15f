"""One child's book as a story in one session, from the first run in a program folder
named in letters that the ANSI code page lacks (a child's name in Chinese or Hindi on an
English Windows): the files it writes, the title and play screens against their
pictures, keys and page turns, groups, the information screen, the button faces, the
hint, carrying, sticking and throwing away, the ending screen, the book read back,
clear-all, and closing while a sticker is carried. After each step the program must
still be running."""
import os
import time

import harness
from book import LEDGER_NAME, PLACES, Book, read_files, screen_point, sticker_size, temporary_files
from harness import MAIN_CLASS, SessionTest, wait_until
from screen import (CLEAR_NO, CLEAR_YES, COMMAND_BUTTONS, COUNTER_AT, DIALOG_CLASS, ENDING_QUIT, NEXT_PAGE,
                    OPTIONS_HINT_SHOWN, PAGE, PAGE_CLASS, PAGE_INDICATOR_AT, QUIT, REST, START_BUTTON,
                    TAB_XS, TITLE_AT, TRAY, VK_DOWN, VK_NEXT, VK_PRIOR, VK_RETURN, VK_SPACE, VK_UP, Screens, inside,
                    ledger, picture, resource_picture, sticker_name)

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
    def face_shows(self, position, tile, group=0):
        return self.shows(picture(sticker_name("b", group * 28 + position)), TRAY[position], (60 * tile, 0), (60, 60))

    def wait_face(self, position, tile, what, group=0):
        wait_until(lambda: self.face_shows(position, tile, group), 5, 0.2, what)

    def keys_work(self, what):
        """Down turns to page 2 and Up back: the keyboard reaches the book."""
        for vk, page in ((VK_DOWN, 1), (VK_UP, 0)):
            self.key(vk)
            self.wait_page(page, what)

    def assertBook(self, used, page1, what):
        self.assertEqual((set(used), [page1, []]), read_files(self.s), what)

    # -- the story --------------------------------------------------------
    def first_run_and_title(self):
        self.program = self.s.start()
        self.s.move(*REST)
        wait_until(self.title_shown, 20, 0.5, "the title screen")
        wait_until(lambda: os.path.exists(self.s.file(LEDGER_NAME)), 20, 0.3, "the ledger, written last")
        self.assertBook((), [], "a first run's book")
        self.assertEqual([], temporary_files(self.s), "the fresh files went through temporary files, leaving none")
        self.assertEqual("Mossleaf 4", self.s.text("title", MAIN_CLASS))
        # This screen takes the program's mode: the title is painted in the user's mode, then
        # again in the new one at once, not after the page and the music have loaded.
        steps = [line.split(":")[0] for line in self.s.log_lines()
                 if line.startswith("Start-up ") or line == "SetDisplayMode Failed"]
        self.assertEqual(2, steps[:steps.index("Start-up page")].count("Start-up title paint"), steps)
        shot = self.s.screenshot("title")
        self.assertShows(shot, picture("m0005"), TITLE_AT, (0, 0), (460, 468), "title picture",
                         skip=lambda x, y: inside((x, y), START_BUTTON))
        pattern, title = picture("m0001"), TITLE_AT + (460, 468)
        bad = [(x, y) for y in range(0, 768, 5) for x in range(0, 1024, 5)
               if not inside((x, y), title) and not inside((x, y), START_BUTTON)
               and shot.pixel(x, y) != pattern.pixel(x % 8, y % 8)]
        self.assertEqual([], bad[:5], "the pattern tiled every 8 pixels; %s" % shot.path)
        self.keys_ignored((VK_DOWN, ord("Q"), ord("I"), ord("C")), "the play screen's keys do nothing on the title")
        self.assertTrue(self.title_shown())

    def play_screen(self):
        self.s.click(START_BUTTON[0] + 60, START_BUTTON[1] + 25)
        self.s.wait_window(PAGE_CLASS, 20)
        # Told by WM_SIZE it is 100 x 100, the page window keeps its place and size: the pictures show it whole.
        self.s.winctl("post", PAGE_CLASS, 5, 0, (100 << 16) | 100)
        shot = self.shot("play")
        bars, sides = picture("m0006"), picture("m0003")
        for name, pic, at, source, size in (
                ("top bar", bars, (0, 0), (0, 0), (1024, 90)), ("bottom bar", bars, (0, 678), (0, 90), (1024, 90)),
                ("left side", sides, (0, 90), (0, 0), (90, 588)), ("right side", sides, (934, 90), (90, 0), (90, 588))):
            self.assertShows(shot, pic, at, source, size, name,
                             skip=lambda x, y: any(inside((x, y), r) for r in BUTTON_RECTS))
        for id_, (x, y, w, h, name) in COMMAND_BUTTONS.items():
            self.assertShows(shot, picture(name), (x, y), (0, 0), (w, h), "command %d up" % id_)
        self.assertTrayAndTabs(shot, 0)
        # The counter and the page indicator are the clear-all's and page turns' checks.
        # The corners hold the corner pieces; the middle is the page itself.
        self.assertShows(shot, picture("p0001"), (110, 110), (20, 20), (804, 548), "page 1 background", allowed=0.05)

    def keys_and_page_turns(self):
        before = self.shot("before-keys")
        self.keys_ignored((VK_RETURN, VK_SPACE, ord("X"), ord("C")), "clear-all with nothing used asks nothing")
        self.assertEqual(before.pixels, self.shot("after-keys").pixels)
        # Down and Up (below) stand for the keys' one table; Previous is the soak's.
        self.key(VK_DOWN)
        self.wait_page(1, "Down")
        self.assertShows(self.shot("page2"), picture("p0002"), (110, 110), (20, 20), (804, 548), "page 2 background",
                         allowed=0.05)
        self.s.click(*NEXT_PAGE)
        self.wait_page(0, "Next on the last page wraps round")
        for vk, page in ((VK_NEXT, 1), (VK_PRIOR, 0)):
            self.key(vk)
            self.wait_page(page, "Page Down and Page Up")

    def groups_and_information(self):
        for group in (3, 3, 0):   # the same group twice changes nothing
            self.book.choose_group(group)
            self.assertTrayAndTabs(self.shot("group%d" % (group + 1)), group)
        self.s.xdo("key i")
        self.wait_dialog()
        time.sleep(0.8)
        self.assertShows(self.s.screenshot("info"), resource_picture("AboutDialogBkg.bmp"),
                         (332, 204), (0, 0), (360, 296), "information screen")
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
        self.s.move(TRAY[BUTTON][0] + 200, TRAY[BUTTON][1] + 30)
        # At once, not after the leave-tracking poll, which a captured drag may lose.
        time.sleep(0.2)
        self.assertTrue(self.face_shows(BUTTON, UP), "up as soon as the pressed pointer leaves")
        self.s.xdo("mouseup 1")
        self.s.move(*REST)
        time.sleep(1)  # a sticker taken would hide the cursor by now
        self.assertTrue(self.s.cursor()[1], "released off the button: no sticker taken")
        # A tab and a command button (information), pressed and dragged off.
        for name, (x, y), (w, h) in (("b0009", (TAB_XS[5], 9), (60, 65)), ("b0012", (951, 15), (64, 60))):
            self.s.xdo("mousemove %d %d mousedown 1" % (x + w // 2, y + h // 2))
            wait_until(lambda: self.shows(picture(name), (x, y), (0, h), (w, h)), 5, 0.2, "%s held shows down" % name)
            self.s.xdo("mousemove %d 300 mouseup 1" % (x + w // 2))
        shot = self.shot("dragged-off")
        self.assertFalse(self.s.window_exists(DIALOG_CLASS), "the information screen stayed shut")
        self.assertTrayAndTabs(shot, 0)
        self.assertShows(shot, picture("b0012"), (951, 15), (0, 0), (64, 60), "the information button up")

    def hint_once_and_keys_while_carrying(self):
        self.s.click(TRAY[0][0] + 30, TRAY[0][1] + 30)
        self.wait_dialog()
        self.s.winctl("command", DIALOG_CLASS, 1)
        self.wait_dialog(False)
        wait_until(lambda: self.s.read("options04.dta") == OPTIONS_HINT_SHOWN, 10, 0.3, "the hint saved as shown")
        self.s.click(*REST, button=3)
        self.wait_cursor(True, "the cursor back after a right click")
        self.book.take(BUTTON)
        self.assertFalse(self.s.window_exists(DIALOG_CLASS), "the hint shows once")
        self.s.move(*REST)
        self.wait_face(BUTTON, LATCHED, "the latched face while the sticker is carried")
        self.keys_ignored((VK_DOWN, ord("I"), ord("Q")), "no shortcut while a sticker is carried")
        self.wait_page(0, "Down turned no page")
        self.s.click(*REST, button=3)
        self.wait_face(BUTTON, UP, "the up face once the sticker is thrown away")
        self.keys_work("the shortcuts work once the carry ended")

    def carry_and_stick(self):
        self.book.take(STICKER)
        # Picked up over the tray: the first move inside brings it under the pointer.
        at, (w, h) = (500, 300), sticker_size(STICKER)
        self.s.move(PAGE[0] + at[0], PAGE[1] + at[1])
        self.wait_sticker(STICKER, (at[0] - w // 2, at[1] - h // 2), True, "the carried sticker centred under the pointer")
        # Where the page's edges are on the screen: the pointer kept to the page.
        self.s.move(20, 760)
        wait_until(lambda: self.s.cursor() == ((90, 678), False), 10, 0.2, "the pointer put back onto the page")
        self.s.move(*screen_point(STICKER, PLACE))
        time.sleep(0.3)
        self.s.click(*screen_point(STICKER, (PLACE[0] + 12, PLACE[1] - 15)))
        wait_until(lambda: self.s.read(LEDGER_NAME) == ledger({STICKER}), 10, 0.2,
                   "a click near its place sticks it: the ledger at once")
        self.wait_cursor(True, "the cursor back")
        self.s.move(*REST)
        self.wait_sticker(STICKER, PLACE, True, "the sticker snapped onto its place")
        for button in (3, 1):
            self.s.click(*screen_point(STICKER, PLACE), button=button)
        time.sleep(0.5)  # a sticker taken would hide the cursor by now
        self.assertTrue(self.s.cursor()[1] and self.shows_sticker(STICKER, PLACE), "clicks do not take a stuck sticker")
        self.assertShows(self.shot("stuck"), picture("b0020"), (440, 52), (0, 0), (30, 24), "the number 223")
        self.book.choose_group(0)
        self.book.choose_group(3)
        self.wait_face(STICKER % 28, USED, "the used face on every visit of its group", 3)
        self.s.click(TRAY[STICKER % 28][0] + 30, TRAY[STICKER % 28][1] + 30)
        time.sleep(1)
        self.assertTrue(self.s.cursor()[1], "a used sticker is not taken again")
        self.keys_work("no button is left pressed: the keys work")

    def ending_screen(self):
        self.s.click(*QUIT)
        self.wait_dialog()
        self.key(ord("Q"))  # a second request stacks nothing
        time.sleep(0.5)
        self.s.xdo("key Escape")  # only the Quit button ends it
        time.sleep(1)
        self.assertTrue(self.s.window_exists(DIALOG_CLASS), "the ending screen stays")
        self.assertShows(self.s.screenshot("ending"), resource_picture("EndingScrnDialogBkg.bmp"),
                         (0, 0), (0, 0), (1024, 690), "ending screen")
        self.s.click(*ENDING_QUIT)
        self.assertEqual(0, self.s.wait_exit(self.program))
        self.assertBook({STICKER}, [(STICKER,) + PLACE], "the book kept at the end")

    def read_back(self):
        self.program = self.s.start()
        wait_until(self.title_shown, 20, 0.5, "the title screen")
        self.s.xdo("key space")
        self.s.wait_window(PAGE_CLASS, 20)
        self.wait_sticker(STICKER, PLACE, True, "the sticker read back on its page")

    def clear_all(self):
        self.book.choose_group(3)
        self.wait_face(STICKER % 28, USED, "the used face read from the ledger", 3)
        for answer, what in ((lambda: self.s.click(*CLEAR_NO), "No"), (lambda: self.s.xdo("key Escape"), "Escape"),
                             (lambda: self.s.click(*CLEAR_YES), None)):
            self.key(ord("C"))
            self.wait_dialog()
            time.sleep(0.5)
            answer()
            self.wait_dialog(False)
            if what:
                time.sleep(0.5)
                self.assertBook({STICKER}, [(STICKER,) + PLACE], "%s keeps the book" % what)
        wait_until(lambda: read_files(self.s) == (set(), [[], []]), 10, 0.3, "the book emptied")
        shot = self.shot("cleared")
        self.assertTrayAndTabs(shot, 3)
        self.assertShows(shot, picture("b0019"), COUNTER_AT, (0, 0), (190, 24), "counter label")
        self.assertShows(shot, picture("p0001"), (PAGE[0] + PLACE[0], PAGE[1] + PLACE[1]), PLACE,
                         (60, 60), "the page where the sticker was")

    def close_while_carrying(self):
        self.book.take(STICKER)
        self.s.xdo("key alt+F4")
        self.wait_dialog()
        self.s.click(*ENDING_QUIT)
        self.assertEqual(0, self.s.wait_exit(self.program))
        self.assertBook((), [], "a carried sticker is not kept")


if __name__ == "__main__":
    harness.main()
