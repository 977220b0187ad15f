"""Printing the page on a real print queue (CUPS with its PDF printer), with another
program in front during the job, and pressing Print when there is no printer at all."""
import glob
import os
import subprocess

import harness
from book import PLACES, Book, BookTest
from harness import MAIN_CLASS, Picture, wait_until
from screen import DIALOG_CLASS, MAGENTA, REST, Screens, picture, sticker_name

QUEUE = "MossleafPDF"
PDF_FOLDER = os.path.expanduser("~/PDF")
STICKER = 106
OTHER_CLASS = "WineMine"
PLACE = PLACES[STICKER][1:]


def run(*argv):
    return subprocess.run(argv, capture_output=True, text=True, timeout=60)


def ensure_pdf_queue():
    """Starts the print spooler if needed and makes the PDF printer the default."""
    if run("lpstat", "-r").stdout.strip() != "scheduler is running":
        subprocess.run(["cupsd"], check=True, timeout=60)
        wait_until(lambda: run("lpstat", "-r").stdout.strip() == "scheduler is running", 20,
                   0.3, "the print spooler")
    if run("lpstat", "-p", QUEUE).returncode != 0:
        ppd = glob.glob("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")
        subprocess.run(["lpadmin", "-p", QUEUE, "-E", "-v", "cups-pdf:/", "-P", ppd[0]],
                       check=True, capture_output=True, timeout=60)
    subprocess.run(["lpadmin", "-d", QUEUE], check=True, capture_output=True, timeout=60)


def pdfs():
    return set(glob.glob(os.path.join(PDF_FOLDER, "*.pdf")))


def render(path):
    """The PDF's page at 100 dots per inch."""
    base = path[:-4] + "-page"
    subprocess.run(["pdftoppm", "-r", "100", "-singlefile", path, base], check=True, timeout=120)
    subprocess.run(["convert", base + ".ppm", "-type", "TrueColor", "BMP3:%s.bmp" % base], check=True, timeout=60)
    return Picture(base + ".bmp")


class Printing(BookTest, Screens):
    def test_no_printer_changes_nothing_then_the_page_prints_on_a_pdf_queue(self):
        self.assertEqual(0, os.geteuid(), "the print queue is set up as root (see the README)")
        ensure_pdf_queue()
        book = Book(self, self.s)
        # A print system that cannot be reached: Wine finds no printer at all.
        book.start(env={"CUPS_SERVER": "127.0.0.1:9"})
        self.program = book.program
        self.s.move(*REST)
        before = self.s.screenshot("before-print")
        self.s.winctl("command", MAIN_CLASS, 1002)  # the Print button
        wait_until(lambda: "CPrinter::CPrinter: Unable to get a printer DC" in self.s.log_lines(), 20, 0.3,
                   "the print without a printer traced")
        # The command has returned, with no dialog or message box, once the book takes the next ones.
        book.turn(True, check=False)
        book.turn(False, check=False)
        wait_until(lambda: self.s.screenshot().pixels == before.pixels, 10, 0.2, "the screen as before printing")
        self.alive("print without a printer")
        book.close()

        book.start()
        self.program = book.program
        book.stick(STICKER)
        before = pdfs()
        self.s.xdo("key p")
        self.wait_dialog()
        # Another program in front during the job, as a printer's file name prompt is:
        # the full-screen book gets minimised.
        self.s.spawn([harness.WINE, "winemine"])
        self.s.wait_window(OTHER_CLASS, 60)
        self.s.winctl("restore", OTHER_CLASS)
        wait_until(lambda: self.s.text("iconic") == "1", 20, 0.3, "the book minimised behind the other program")
        self.s.winctl("command", DIALOG_CLASS, 1)  # OK
        # The file is whole once the queue has finished the job.
        new = wait_until(lambda: not run("lpstat", "-o", QUEUE).stdout.strip() and pdfs() - before, 60, 0.5,
                         "the printed PDF")
        path = sorted(new)[0]
        wait_until(lambda: self.s.text("iconic") == "0" and self.s.text("foreground", "") == MAIN_CLASS, 20, 0.3,
                   "the book restored and in front once the job ended")
        self.alive("printing")
        book.close()

        info = dict(line.split(":", 1) for line in run("pdfinfo", path).stdout.splitlines() if ":" in line)
        self.assertEqual("1", info["Pages"].strip())
        width_pt, height_pt = (float(v) for v in info["Page size"].split()[0:3:2])
        turned = int(info.get("Page rot", "0").strip()) % 180 == 90
        self.assertTrue((width_pt > height_pt) != turned,
                        "landscape: %s, turned %s" % (info["Page size"], turned))

        image = render(path)
        # The page in its 2-pixel black border, 848 x 592 pixels, printed 3/4 as wide as the
        # printable area (this queue prints to the paper's edges), centred, in its own proportions.
        dark_points = [(x, y) for y in range(image.height) for x in range(image.width) if max(image.pixel(x, y)) < 70]
        left, top = (min(p[i] for p in dark_points) for i in (0, 1))
        right, bottom = (max(p[i] for p in dark_points) + 1 for i in (0, 1))
        w, h = 0.75 * image.width, 0.75 * image.width * 592 / 848
        expected = [(image.width - w) / 2, (image.height - h) / 2, (image.width + w) / 2, (image.height + h) / 2]
        self.assertTrue(all(abs(a - b) <= 3 for a, b in zip(expected, (left, top, right, bottom))),
                        "the border at %s, expected %s" % ((left, top, right, bottom), expected))
        # Rounded outside: the paper shows at each corner of the border, the border just beside it.
        for x, y, dx, dy in ((left, top, 1, 1), (right - 1, top, -1, 1), (left, bottom - 1, 1, -1),
                             (right - 1, bottom - 1, -1, -1)):
            self.assertGreater(min(image.pixel(x + dx, y + dy)), 180, "paper at the corner %s" % ((x, y),))
            self.assertLess(max(image.pixel(x + 12 * dx, y) + image.pixel(x, y + 12 * dy)), 70,
                            "the border beside the corner %s" % ((x, y),))

        # The stuck sticker is on the paper at its place.
        pic = picture(sticker_name("s", STICKER))
        scale = (right - left) / 848  # the 844-pixel page and its 2-pixel border
        close = checked = 0
        for y in range(pic.height // 4, 3 * pic.height // 4, 4):
            for x in range(pic.width // 4, 3 * pic.width // 4, 4):
                want = pic.pixel(x, y)
                if want == MAGENTA:
                    continue
                got = image.pixel(int(left + (2 + PLACE[0] + x) * scale),
                                  int(top + (2 + PLACE[1] + y) * scale))
                checked += 1
                close += max(abs(a - b) for a, b in zip(got, want)) < 60
        self.assertGreater(checked, 10)
        self.assertGreater(close, 0.7 * checked, "sticker pixels on the paper: %d of %d in %s"
                           % (close, checked, path))


if __name__ == "__main__":
    harness.main()
