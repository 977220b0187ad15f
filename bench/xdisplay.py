"""One long-lived connection to the X server of a session: screen pixels read
straight from the server, and pointer input sent through the XTest extension.
A screenshot through files or an xdotool process per action costs tens to
hundreds of milliseconds, more than the figures it would measure."""
import ctypes
import time

MAGENTA = (255, 0, 255)


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong),
                ("obdata", ctypes.c_void_p), ("create_image", ctypes.c_void_p),
                ("destroy_image", ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p))]


class XDisplay:
    def __init__(self, display):
        self.x = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XGetImage.restype = ctypes.POINTER(XImage)
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                     ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.x.XFlush.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                                   ctypes.c_int, ctypes.c_ulong]
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                   ctypes.c_ulong]
        self.x.XQueryPointer.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + \
            [ctypes.POINTER(ctypes.c_ulong)] * 2 + [ctypes.POINTER(ctypes.c_int)] * 4 + \
            [ctypes.POINTER(ctypes.c_uint)]
        self.display = self.x.XOpenDisplay((":%d" % display).encode())
        if not self.display:
            raise RuntimeError("cannot open display :%d" % display)
        self.root = self.x.XDefaultRootWindow(self.display)

    def close(self):
        self.x.XCloseDisplay(self.display)

    # -- input: each call reaches the server before it returns ------------
    def move(self, x, y):
        self.xtst.XTestFakeMotionEvent(self.display, -1, x, y, 0)
        self.x.XFlush(self.display)

    def button(self, number, down):
        self.xtst.XTestFakeButtonEvent(self.display, number, 1 if down else 0, 0)
        self.x.XFlush(self.display)

    def click(self, number=1):
        self.button(number, True)
        self.button(number, False)

    def pointer(self):
        """Where the pointer is now (a program may have moved it)."""
        window, child = ctypes.c_ulong(), ctypes.c_ulong()
        x, y, wx, wy, mask = ctypes.c_int(), ctypes.c_int(), ctypes.c_int(), ctypes.c_int(), ctypes.c_uint()
        self.x.XQueryPointer(self.display, self.root, ctypes.byref(window), ctypes.byref(child),
                             ctypes.byref(x), ctypes.byref(y), ctypes.byref(wx), ctypes.byref(wy),
                             ctypes.byref(mask))
        return x.value, y.value

    # -- the screen ---------------------------------------------------------
    def _image(self, x, y, w, h):
        image = self.x.XGetImage(self.display, self.root, x, y, w, h, ~0 & 0xFFFFFFFF, 2)
        return image.contents if image else None

    @staticmethod
    def _free(img):
        img.destroy_image(ctypes.c_void_p(ctypes.addressof(img)))

    def shows(self, pic, at, source, size, step=3, clip=(0, 0, 1024, 768)):
        """True when every sampled opaque pixel of the picture rectangle is on
        screen at `at`, in the part of it inside `clip` (x, y, width, height)."""
        (ax, ay), (sx, sy) = at, source
        # Only the part inside the clip is compared.
        cx, cy = max(0, clip[0] - ax), max(0, clip[1] - ay)
        w = min(size[0], clip[0] + clip[2] - ax)
        h = min(size[1], clip[1] + clip[3] - ay)
        if w <= cx or h <= cy:
            return False
        img = self._image(ax + cx, ay + cy, w - cx, h - cy)
        if img is None:
            return False
        try:
            for y in range(cy, h, step):
                row = (y - cy) * img.bytes_per_line
                for x in range(cx, w, step):
                    want = pic.pixel(sx + x, sy + y)
                    if want == MAGENTA:
                        continue
                    i = row + 4 * (x - cx)
                    if (img.data[i + 2], img.data[i + 1], img.data[i]) != want:
                        return False
            return True
        finally:
            self._free(img)

    def colour_at(self, points, colour):
        """True when every point shows the colour (r, g, b)."""
        for x, y in points:
            img = self._image(x, y, 1, 1)
            if img is None:
                return False
            try:
                if (img.data[2], img.data[1], img.data[0]) != colour:
                    return False
            finally:
                self._free(img)
        return True

    def until(self, shown, timeout, poll=0.0005):
        """Seconds from now until shown() is true, or None at the timeout."""
        begin = time.monotonic()
        while True:
            if shown():
                return time.monotonic() - begin
            if time.monotonic() - begin > timeout:
                return None
            time.sleep(poll)
