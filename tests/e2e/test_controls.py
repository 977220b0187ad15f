"""The bitmap buttons under a real mouse: hover, press and drag-off faces of
the sticker buttons, the latched face while a sticker is carried, and tabs
and command buttons that are pressed and dragged off."""
import time

import harness
from harness import wait_until
from test_screens import COMMAND_BUTTONS, REST, TAB_XS, TRAY, mismatches, picture
from test_screens_play import PlayScreen, tray_picture

UP, HOVER, DOWN, LATCHED = 0, 1, 2, 3
# A tray button and a point on the page beside it.
BUTTON = 4
BESIDE = (TRAY[BUTTON][0] + 200, TRAY[BUTTON][1] + 30)


class ButtonFaces(PlayScreen):
    def face_shows(self, position, tile):
        shot = self.s.screenshot("face-%d" % tile)
        return not mismatches(shot, tray_picture(position), TRAY[position], (60 * tile, 0),
                              (60, 60), 4)

    def assertFace(self, position, tile, what):
        wait_until(lambda: self.face_shows(position, tile), 5, 0.2, what)

    def assertTwoTileFace(self, name, at, size, down, what):
        shot = self.s.screenshot("two-tile")
        bad = mismatches(shot, picture(name), at, (0, size[1] if down else 0), size, 4)
        self.assertEqual([], bad[:5], "%s; screenshot %s" % (what, shot.path))

    def test_sticker_button_follows_hover_press_and_drag_off(self):
        self.start_play()
        centre = (TRAY[BUTTON][0] + 30, TRAY[BUTTON][1] + 30)
        self.s.move(*centre)
        self.assertFace(BUTTON, HOVER, "the hover face under the pointer")
        self.s.xdotool("mousedown", 1)
        self.assertFace(BUTTON, DOWN, "the down face while pressed")
        self.s.move(*BESIDE)
        # At once, not after the leave-tracking poll, which a captured drag may lose.
        time.sleep(0.2)
        self.assertTrue(self.face_shows(BUTTON, UP),
                        "the up face as soon as the pressed pointer leaves")
        self.s.move(*centre)
        self.assertFace(BUTTON, DOWN, "the down face again when it comes back")
        self.s.move(*BESIDE)
        self.s.xdotool("mouseup", 1)
        self.assertFace(BUTTON, UP, "released off the button")
        self.s.move(*REST)
        time.sleep(1)
        self.assertTrue(self.face_shows(BUTTON, UP), "no sticker was taken")

    def test_a_taken_sticker_keeps_its_button_latched_until_dropped(self):
        self.start_play()
        self.s.click(TRAY[BUTTON][0] + 30, TRAY[BUTTON][1] + 30)
        self.s.move(*BESIDE)
        self.s.move(*REST)
        self.assertFace(BUTTON, LATCHED, "the latched face while the sticker is carried")
        self.s.click(REST[0], REST[1], button=3)
        self.assertFace(BUTTON, UP, "the up face once the sticker is thrown away")

    def test_tab_and_command_button_dragged_off_do_nothing(self):
        self.start_play()
        tab = 5
        self.s.move(TAB_XS[tab] + 30, 40)
        self.s.xdotool("mousedown", 1)
        time.sleep(0.5)
        self.assertTwoTileFace("b%04d" % (tab + 4), (TAB_XS[tab], 9), (60, 65), True,
                               "a held tab shows down")
        self.s.move(TAB_XS[tab] + 30, 300)
        time.sleep(0.5)
        self.assertTwoTileFace("b%04d" % (tab + 4), (TAB_XS[tab], 9), (60, 65), False,
                               "a tab held off shows up")
        self.s.xdotool("mouseup", 1)
        shot = self.shot("tab-dragged-off")
        self.assertTabs(shot, 0)
        self.assertTray(shot, 0)

        x, y, w, h, name = COMMAND_BUTTONS[1004]
        self.s.move(x + w // 2, y + h // 2)
        self.s.xdotool("mousedown", 1)
        time.sleep(0.5)
        self.assertTwoTileFace(name, (x, y), (w, h), True, "a pressed command button")
        self.s.move(x + w // 2, 300)
        time.sleep(0.5)
        self.assertTwoTileFace(name, (x, y), (w, h), False, "a command button held off")
        self.s.xdotool("mouseup", 1)
        time.sleep(1)
        self.assertFalse(self.dialog_open(), "the information screen stayed shut")


if __name__ == "__main__":
    harness.main()
