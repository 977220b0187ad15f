"""Drives the real program under Wine on a virtual display.

Each Session owns a fresh program folder, an Xvfb server on a display of its own,
its own Wine prefix (copied from the shared template) and every process it
starts; closing it ends exactly those, plus `wineserver -k` for its prefix.
"""
import argparse
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

MAIN_CLASS = "ZEPClass04"
HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
TEMPLATE_PREFIX = os.environ.get("MOSSLEAF_WINEPREFIX", os.path.join(ROOT, "build", "wineprefix"))
ARTIFACTS = os.path.join(ROOT, "build", "e2e-artifacts")

# Filled from the command line by main().
BIN_DIR = None
DIST_DIR = None


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


class Image:
    """A screenshot as RGB bytes, read from a binary PPM."""

    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        parts = data.split(maxsplit=4)
        if parts[0] != b"P6":
            raise ValueError("not a binary PPM: %s" % path)
        self.width, self.height, maxval = int(parts[1]), int(parts[2]), int(parts[3])
        assert maxval == 255
        self.pixels = parts[4]
        self.path = path

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])


class Session:
    def __init__(self, name, trace=True, screen="1024x768x24", folder_setup=None):
        self.name = name
        os.makedirs(ARTIFACTS, exist_ok=True)
        self.root = tempfile.mkdtemp(prefix="mossleaf-e2e-%s-" % name)
        self.folder = os.path.join(self.root, "Mossleaf4")
        self.prefix = os.path.join(self.root, "wineprefix")
        self.processes = []
        self.shots = 0
        self.exe_name = "Mossleaf4.exe"
        self._make_program_folder(trace)
        if folder_setup:
            folder_setup(self.folder)
        shutil.copytree(TEMPLATE_PREFIX, self.prefix, symlinks=True)
        # No window manager runs on the virtual display: Wine is told to expect
        # none, or it waits 2 s for one to withdraw every dialog that closes.
        with open(os.path.join(self.prefix, "user.reg"), "a") as f:
            f.write('\n[Software\\\\Wine\\\\X11 Driver] 1700000000\n"Managed"="N"\n')
        # Xvfb picks a free display itself and tells its number once it is ready.
        ready, told = os.pipe()
        self.xvfb = self._spawn(["Xvfb", "-displayfd", str(told), "-screen", "0", screen,
                                 "-nolisten", "tcp"], cwd=self.root, pass_fds=(told,))
        os.close(told)
        with os.fdopen(ready) as f:
            self.display = int(f.readline())
        self.env = dict(os.environ, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                        DISPLAY=":%d" % self.display, WINEDLLOVERRIDES="mscoree,mshtml=")
        self.wineserver = self._spawn(["wineserver", "-f", "-p"], cwd=self.root)

    # -- set-up -----------------------------------------------------------
    def _make_program_folder(self, trace):
        if DIST_DIR and os.path.isdir(DIST_DIR):
            shutil.copytree(DIST_DIR, self.folder)
        else:
            os.makedirs(self.folder)
        exe = "Mossleaf4-trace.exe" if trace else "Mossleaf4.exe"
        shutil.copy(os.path.join(BIN_DIR, exe), os.path.join(self.folder, self.exe_name))

    def _spawn(self, argv, cwd=None, env=None, **streams):
        streams = dict(dict.fromkeys(("stdin", "stdout", "stderr"), subprocess.DEVNULL),
                       **streams)
        p = subprocess.Popen(argv, cwd=cwd or self.folder, env=env or getattr(self, "env", None),
                             start_new_session=True, **streams)
        self.processes.append(p)
        return p

    # -- the program ------------------------------------------------------
    def start(self, wait_window=True, env=None):
        p = self._spawn(["wine", self.exe_name], env=dict(self.env, **(env or {})))
        if wait_window:
            self.wait_window()
        return p

    def run_wine(self, argv, timeout=60):
        """Runs a Windows program to the end; returns (exit code, output)."""
        # Output goes through a file: Wine's helper processes inherit a pipe and
        # would keep it open for as long as the prefix lives.
        with tempfile.TemporaryFile(dir=self.root) as out:
            r = subprocess.run(["wine"] + argv, cwd=self.folder, env=self.env,
                               stdin=subprocess.DEVNULL, stdout=out,
                               stderr=subprocess.DEVNULL, timeout=timeout)
            out.seek(0)
            return r.returncode, out.read().decode("latin-1").replace("\r", "")

    def winctl(self, *args):
        """Runs winctl; its exit code 1 (no such window) raises, except for find."""
        code, out = self.run_wine([os.path.join(BIN_DIR, "winctl.exe")] + [str(a) for a in args])
        if code != 0 and args[0] != "find":
            raise WindowGone("winctl %s: exit code %d %s" % (" ".join(map(str, args)), code, out))
        return code, out

    def window_exists(self, cls=MAIN_CLASS):
        return self.winctl("find", cls)[0] == 0

    def wait_window(self, cls=MAIN_CLASS, timeout=30, shown=True):
        wait_until(lambda: self.window_exists(cls) == shown, timeout, 0.2,
                   "window %s %s" % (cls, "shown" if shown else "gone"))

    def window_rect(self, cls=MAIN_CLASS):
        return tuple(int(v) for v in self.winctl("rect", cls)[1].split())

    def wait_exit(self, process, timeout=30):
        try:
            return process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Timeout("program did not exit within %d s" % timeout)

    def file(self, name):
        return os.path.join(self.folder, name)

    def read(self, name):
        with open(self.file(name), "rb") as f:
            return f.read()

    def log_lines(self):
        path = self.file("log.txt")
        if not os.path.exists(path):
            return []
        with open(path, "rb") as f:
            text = f.read().decode("latin-1")
        return [line.split("\t", 1)[1] if "\t" in line else line for line in text.split("\n")[:-1]]

    # -- input and output -------------------------------------------------
    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, check=True,
                       timeout=30)

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def click(self, x, y, button=1):
        self.xdotool("mousemove", x, y)
        time.sleep(0.05)
        self.xdotool("click", button)

    def key(self, name):
        self.xdotool("key", name)

    def screenshot(self, label="shot"):
        self.shots += 1
        base = os.path.join(ARTIFACTS, "%s-%02d-%s" % (self.name, self.shots, label))
        subprocess.run(["import", "-display", ":%d" % self.display, "-window", "root",
                        base + ".png"], env=self.env, check=True, timeout=30)
        subprocess.run(["convert", base + ".png", base + ".ppm"], check=True, timeout=30)
        return Image(base + ".ppm")

    # -- clean-up ---------------------------------------------------------
    def close(self):
        subprocess.run(["wineserver", "-k"], env=self.env, timeout=30,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Xvfb removes its lock and socket itself when asked to stop.
        if self.xvfb.poll() is None:
            self.xvfb.terminate()
            try:
                self.xvfb.wait(10)
            except subprocess.TimeoutExpired:
                pass
        for p in reversed(self.processes):
            if p.poll() is None:
                try:
                    os.killpg(p.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                try:
                    p.wait(10)
                except subprocess.TimeoutExpired:
                    pass
        log = self.file("log.txt")
        if os.path.exists(log):
            shutil.copy(log, os.path.join(ARTIFACTS, "%s-log.txt" % self.name))
        shutil.rmtree(self.root, ignore_errors=True)


class SessionTest(unittest.TestCase):
    """A test case with one Session per test; the program folder is fresh."""
    trace = True
    screen = "1024x768x24"

    def folder_setup(self, folder):
        pass

    def setUp(self):
        self.s = Session(self.id().split(".")[-1], trace=self.trace, screen=self.screen,
                         folder_setup=self.folder_setup)
        self.addCleanup(self.s.close)


def configure(bin_dir, dist_dir):
    """Where the Windows programs and the program folder are."""
    global BIN_DIR, DIST_DIR
    BIN_DIR = os.path.abspath(bin_dir)
    DIST_DIR = os.path.abspath(dist_dir) if dist_dir else ""


def main(options=()):
    """options: (flag, environment variable) pairs, for the long forms of a test."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--dist", default="")
    for flag, _ in options:
        parser.add_argument(flag, nargs="?", const="1")
    args, rest = parser.parse_known_args()
    for flag, variable in options:
        if getattr(args, flag[2:]):
            os.environ[variable] = getattr(args, flag[2:])
    configure(args.bin, args.dist)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)
