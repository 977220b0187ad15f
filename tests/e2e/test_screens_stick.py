"""The play screen after a sticker has stuck: the counter counts it, its tray
button shows it used on every visit of its group, and it cannot be taken again."""
import time

import harness
from harness import MAIN_CLASS, wait_until
from test_page import STICKER, PageTest
from test_screens import COUNTER_AT, TAB_XS, TRAY, picture
from test_screens_play import ledger


class AfterSticking(PageTest):
    def test_counter_used_face_and_no_second_take(self):
        self.start_play()
        self.stick()
        shot = self.shot("stuck")
        self.assertShows(shot, picture("b0020"), (440, 52), (0, 0), (30, 24), "the number 223")
        self.assertShows(shot, picture("b0019"), COUNTER_AT, (0, 0), (23, 24), "label 0")
        button = TRAY[STICKER % 28]
        tray = picture("b0423")
        self.assertShows(shot, tray, button, (240, 0), (60, 60), "the used face")

        # Another group and back: the used face is drawn from the ledger again.
        self.s.click(TAB_XS[0] + 30, 9 + 30)
        time.sleep(0.5)
        self.s.click(TAB_XS[3] + 30, 9 + 30)
        time.sleep(0.5)
        self.assertShows(self.shot("back"), tray, button, (240, 0), (60, 60), "still used")

        self.s.click(button[0] + 30, button[1] + 30)
        time.sleep(1)
        self.assertTrue(self.cursor()[1], "no carry began: the cursor shows")
        self.assertShows(self.shot("again"), tray, button, (240, 0), (60, 60), "used, not taken")
        # The shortcuts still work: no sticker button is left pressed.
        self.s.winctl("key", MAIN_CLASS, 40)
        wait_until(lambda: self.page_indicator_is(1), 10, 0.3, "page 2")
        self.assertEqual(ledger({STICKER}), self.s.read("save004/page00.sav"))


if __name__ == "__main__":
    harness.main()
