"""Drives the real program under Wine on a virtual display. Each Session owns a fresh
program folder, an Xvfb server on a display of its own, its own Wine prefix (copied
from the shared template) and every process it starts, among them one winctl and one
xdotool that take all its requests; closing it ends exactly those and its prefix."""
import argparse
import contextlib
import os
import re
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

MAIN_CLASS = "ZEPClass04"
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TEMPLATE_PREFIX = os.path.abspath(os.environ.get("MOSSLEAF_WINEPREFIX", os.path.join(ROOT, "build", "wineprefix")))
ARTIFACTS = os.path.join(ROOT, "build", "e2e-artifacts")
BIN_DIR = DIST_DIR = None  # filled from the command line by main()
WINE = "wine"  # the Wine loader of the build under test: its 32-bit or its 64-bit one


class Timeout(AssertionError):
    pass


class WindowGone(AssertionError):
    """winctl found no window to act on: the program has died or closed it."""


def wait_until(predicate, timeout=20.0, interval=0.1, what="condition"):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Timeout("timed out after %.1f s waiting for %s" % (timeout, what))
        time.sleep(interval)


class Picture:
    """A 24-bit BMP: the program's pictures ("Y5" or "BM" magic) and screenshots."""

    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        self.path, self.size = path, 3
        if data[4:8] == struct.pack(">I", 7):  # the virtual display's own picture: XWD, 32 bits a pixel
            header, width, self.height, self.stride, colours = struct.unpack_from(">I12xII24xI24xI", data)
            self.width, self.bottom_up, self.size, offset = width, False, 4, header + 12 * colours
        else:
            offset = struct.unpack_from("<I", data, 10)[0]
            self.width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
            if data[:2] not in (b"Y5", b"BM") or bits != 24:
                raise ValueError("not a 24-bit picture: %s" % path)
            self.bottom_up, self.height, self.stride = height > 0, abs(height), (self.width * 3 + 3) & ~3
        self.pixels = data[offset:offset + self.stride * self.height]

    def pixel(self, x, y):
        i = (self.height - 1 - y if self.bottom_up else y) * self.stride + x * self.size
        b, g, r = self.pixels[i:i + 3]
        return (r, g, b)


class Helper:
    """A helper process that takes one command a line and answers each."""

    def __init__(self, session, argv, reply_end):
        self.p = session.spawn(argv, stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self.end = re.compile(reply_end, re.M)
        self.buffer = b""

    def ask(self, command, timeout=30):
        os.write(self.p.stdin.fileno(), (command + "\n").encode())
        deadline = time.monotonic() + timeout
        while True:
            match = self.end.search(self.buffer.decode("latin-1"))
            if match:
                reply = self.buffer[:match.start()].decode("latin-1").replace("\r", "")
                self.buffer = self.buffer[match.end():]
                return match, reply
            ready, _, _ = select.select([self.p.stdout], [], [], max(0, deadline - time.monotonic()))
            chunk = os.read(self.p.stdout.fileno(), 4096) if ready else b""
            if not chunk:
                raise Timeout("no answer to %r" % command)
            self.buffer += chunk


class Session:
    def __init__(self, name, trace=True, screen="1024x768x24", folder_setup=None, folder_name="Mossleaf4", cursor=False):
        self.name, self.processes, self.shots = name, [], 0
        self.env = self._winctl = self._xdotool = None
        os.makedirs(ARTIFACTS, exist_ok=True)
        # Wine's and the program's error output, kept to diagnose a failure.
        self.errors = os.path.join(ARTIFACTS, "%s-stderr.txt" % name)
        open(self.errors, "w").close()
        self.root = tempfile.mkdtemp(prefix="mossleaf-e2e-%s-" % name, dir=os.path.dirname(TEMPLATE_PREFIX))
        self.folder = os.path.join(self.root, folder_name)
        self.prefix = os.path.join(self.root, "wineprefix")
        shutil.copytree(DIST_DIR, self.folder)
        shutil.copy(os.path.join(BIN_DIR, "Mossleaf4-trace.exe" if trace else "Mossleaf4.exe"), self.file("Mossleaf4.exe"))
        if folder_setup:
            folder_setup(self.folder)
        # Wine's own program files, which nothing writes to, are linked from the template beside, not copied.
        shutil.copytree(TEMPLATE_PREFIX, self.prefix, symlinks=True, copy_function=lambda source, target: (
            os.link if source.endswith((".dll", ".exe", ".drv", ".sys", ".nls")) else shutil.copy2)(source, target))
        # Wine is told no window manager runs, or it waits 2 s for one to withdraw every dialog that closes.
        with open(os.path.join(self.prefix, "user.reg"), "a") as f:
            f.write('\n[Software\\\\Wine\\\\X11 Driver] 1700000000\n"Managed"="N"\n')
        # Xvfb picks a free display and tells its number once ready; the screen is read from its framebuffer
        # file, with no pointer drawn in unless asked (XTest moves need one).
        ready, told = os.pipe()
        self.xvfb = self.spawn(["Xvfb", "-displayfd", str(told), "-screen", "0", screen, "-fbdir", self.root]
                               + ["-nocursor"] * (not cursor) + ["-nolisten", "tcp"], cwd=self.root, pass_fds=(told,))
        os.close(told)
        with os.fdopen(ready) as f:
            self.display = int(f.readline())
        self.env = dict(os.environ, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                        DISPLAY=":%d" % self.display, WINEDLLOVERRIDES="mscoree,mshtml=")
        self.spawn(["wineserver", "-f", "-p"], cwd=self.root)

    def spawn(self, argv, cwd=None, env=None, **streams):
        streams = dict(dict.fromkeys(("stdin", "stdout", "stderr"), subprocess.DEVNULL), **streams)
        p = subprocess.Popen(argv, cwd=cwd or self.folder, env=env or self.env,
                             start_new_session=True, **streams)
        self.processes.append(p)
        return p

    # -- the program ------------------------------------------------------
    def start(self, wait_window=True, env=None):
        with open(self.errors, "a") as errors:
            p = self.spawn([WINE, "Mossleaf4.exe"], env=dict(self.env, **(env or {})), stdout=errors, stderr=errors)
        if wait_window:
            self.wait_window()
        return p

    def run_wine(self, argv, timeout=60):
        """Runs a Windows program to the end; returns (exit code, output)."""
        # Output goes through a file: Wine's helper processes inherit a pipe and
        # would keep it open for as long as the prefix lives.
        with tempfile.TemporaryFile(dir=self.root) as out:
            r = subprocess.run([WINE] + argv, cwd=self.folder, env=self.env, stdin=subprocess.DEVNULL,
                               stdout=out, stderr=subprocess.DEVNULL, timeout=timeout)
            out.seek(0)
            return r.returncode, out.read().decode("latin-1").replace("\r", "")

    def winctl(self, *args, check=True):
        """Returns winctl's (exit code, output); with check, any exit code but 0
        raises (1: no such window), except for find."""
        if not self._winctl:
            self._winctl = Helper(self, [WINE, os.path.join(BIN_DIR, "winctl.exe")], r"^= (-?\d+)\r?\n")
        match, out = self._winctl.ask(" ".join(str(a) for a in args))
        code = int(match.group(1))
        if check and code != 0 and args[0] != "find":
            raise WindowGone("winctl %s: exit code %d %s" % (" ".join(map(str, args)), code, out))
        return code, out

    def window_exists(self, cls=MAIN_CLASS):
        return self.winctl("find", cls)[0] == 0

    def wait_window(self, cls=MAIN_CLASS, timeout=30, shown=True):
        wait_until(lambda: self.window_exists(cls) == shown, timeout, 0.1,
                   "window %s %s" % (cls, "shown" if shown else "gone"))

    def text(self, verb, cls=MAIN_CLASS):
        return self.winctl(verb, cls)[1].strip()

    def cursor(self):
        """(x, y) of the pointer on the screen, whether the cursor shows, and its handle."""
        x, y, showing, handle = (int(v, 0) for v in self.text("cursor", "").split())
        return (x, y), showing == 1, handle

    def wait_exit(self, process, timeout=30):
        try:
            return process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Timeout("program did not exit within %d s" % timeout)

    def file(self, name):
        return os.path.join(self.folder, name)

    def read(self, name):
        return Path(self.file(name)).read_bytes()

    def log_lines(self):
        text = self.read("log.txt").decode("latin-1") if os.path.exists(self.file("log.txt")) else ""
        return [line.split("\t", 1)[-1] for line in text.split("\n")[:-1]]

    # -- input and output -------------------------------------------------
    def xdo(self, commands):
        """Runs xdotool commands; returns their output once they are done (the answer reads no
        window, as one that vanished meanwhile would end xdotool)."""
        if not self._xdotool:
            self._xdotool = Helper(self, ["xdotool", "-"], r"^\d+ \d+\n")
        return self._xdotool.ask(commands + "\ngetdisplaygeometry")[1]

    def move(self, x, y):
        self.xdo("mousemove %d %d" % (x, y))

    def click(self, x, y, button=1):
        self.xdo("mousemove %d %d sleep 0.05 click %d" % (x, y, button))

    def screenshot(self, label="probe"):
        """The screen as it is now; a probe overwrites the last probe."""
        self.shots += label != "probe"
        path = os.path.join(ARTIFACTS, "%s-%s.xwd" % (self.name, label if label == "probe" else "%02d-%s" % (self.shots, label)))
        shutil.copyfile(os.path.join(self.root, "Xvfb_screen0"), path)
        return Picture(path)

    # -- clean-up ---------------------------------------------------------
    def close(self):
        subprocess.run(["wineserver", "-k"], env=self.env, timeout=30,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Xvfb removes its lock and socket itself when asked to stop.
        self.xvfb.terminate()
        for p in [self.xvfb] + self.processes[::-1]:
            try:
                p.wait(10 if p is self.xvfb else 0.01)
            except subprocess.TimeoutExpired:
                with contextlib.suppress(ProcessLookupError, subprocess.TimeoutExpired):
                    os.killpg(p.pid, signal.SIGKILL)
                    p.wait(10)
            for stream in filter(None, (p.stdin, p.stdout)):  # the helpers' pipes
                stream.close()
        if os.path.exists(self.file("log.txt")):
            shutil.copy(self.file("log.txt"), os.path.join(ARTIFACTS, "%s-log.txt" % self.name))
        shutil.rmtree(self.root, ignore_errors=True)


class SessionTest(unittest.TestCase):
    """A test case with one Session per test; the program folder is fresh."""
    trace, screen, folder_name = True, "1024x768x24", "Mossleaf4"

    def folder_setup(self, folder):
        pass

    def setUp(self):
        self.s = Session(self.id().split(".")[-1], self.trace, self.screen, self.folder_setup, self.folder_name)
        self.addCleanup(self.s.close)


def configure(bin_dir, dist_dir, wine):
    """Where the Windows programs and the program folder are, and the Wine
    loader that runs them."""
    global BIN_DIR, DIST_DIR, WINE, ARTIFACTS
    BIN_DIR, DIST_DIR, WINE = os.path.abspath(bin_dir), os.path.abspath(dist_dir), wine
    ARTIFACTS = os.path.join(ARTIFACTS, os.path.basename(os.path.dirname(BIN_DIR)))  # one folder per build


def main(*options):
    """options: the long forms' flags; each sets MOSSLEAF_<TEST>_<FLAG>."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--dist", required=True)
    parser.add_argument("--wine", required=True, help="/usr/lib/wine/wine or /usr/lib/wine/wine64")
    for flag in options:
        parser.add_argument("--" + flag, nargs="?", const="1")
    args, rest = parser.parse_known_args()
    test = os.path.basename(sys.argv[0])[len("test_"):-len(".py")].upper()
    for flag in options:
        if getattr(args, flag) is not None:
            os.environ["MOSSLEAF_%s_%s" % (test, flag.upper())] = getattr(args, flag)
    configure(args.bin, args.dist, args.wine)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)
