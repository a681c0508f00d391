#!/usr/bin/env python3
"""The window served over VNC without a display (scripts/serve-vnc, as scripts/run uses it):
a VNC client sees the same picture, in the same colours and at the window's size, as the
offscreen screenshot of the same start; the server goes away with the app."""
import os
import re
import shutil
import socket
import struct
import subprocess
import sys
import tempfile
import time
import unittest
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SERVE_VNC = os.path.join(ROOT, "scripts", "serve-vnc")
APP = os.environ.get("TAMBERLINOVE_APP", os.path.join(ROOT, "build", "bin", "tamberlinove"))
OFFLINE_CONFIG = ('{"carrierServiceURL":"http://127.0.0.1:9/c",'
                  '"airportServiceURL":"http://127.0.0.1:9/a","requestTimeoutSeconds":2}')


def read_png(path):
    """Width, height and rows of (r, g, b) of an 8-bit, non-interlaced RGB or RGBA PNG."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert depth == 8 and colour in (2, 6) and interlace == 0, "unexpected PNG layout"
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    n = 4 if colour == 6 else 3
    raw, stride = zlib.decompress(idat), width * n
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left, up = (line[i - n] if i >= n else 0), previous[i]
            corner = previous[i - n] if i >= n else 0
            p = left + up - corner
            paeth = (left if abs(p - left) <= min(abs(p - up), abs(p - corner))
                     else up if abs(p - up) <= abs(p - corner) else corner)
            line[i] = (line[i] + (0, left, up, (left + up) // 2, paeth)[kind]) & 255
        rows.append([tuple(line[x * n:x * n + 3]) for x in range(width)])
        previous = line
    return width, height, rows


def vnc_capture(port):
    """One full frame from a VNC server by the RFB 3.8 protocol: width, height, rows."""
    with socket.create_connection(("127.0.0.1", port), timeout=10) as s, \
            s.makefile("rb") as f:
        recv = f.read  # all the bytes asked for, or fewer only when the server hung up
        version = recv(12)
        assert version.startswith(b"RFB "), version
        s.sendall(b"RFB 003.008\n")
        types = recv(recv(1)[0])
        assert 1 in types, f"the server wants authentication: {list(types)}"
        s.sendall(b"\x01")
        assert struct.unpack(">I", recv(4))[0] == 0, "security handshake failed"
        s.sendall(b"\x01")  # share the desktop
        width, height, name_length = struct.unpack(">HH16xI", recv(24))
        recv(name_length)
        # 32 bits a pixel, little-endian, red in bits 16-23, green 8-15, blue 0-7; raw only.
        s.sendall(struct.pack(">B3xBBBBHHHBBB3x", 0, 32, 24, 0, 1, 255, 255, 255, 16, 8, 0))
        s.sendall(struct.pack(">BxHi", 2, 1, 0))
        s.sendall(struct.pack(">BBHHHH", 3, 0, 0, 0, width, height))
        frame = [[(0, 0, 0)] * width for _ in range(height)]
        covered = 0
        while covered < width * height:
            kind = recv(1)[0]
            if kind == 0:
                _, rects = struct.unpack(">BH", recv(3))
                for _ in range(rects):
                    x, y, w, h, encoding = struct.unpack(">HHHHi", recv(12))
                    assert encoding == 0, f"unexpected encoding {encoding}"
                    pixels = recv(w * h * 4)
                    for row in range(h):
                        line = pixels[row * w * 4:(row + 1) * w * 4]
                        frame[y + row][x:x + w] = [(line[i + 2], line[i + 1], line[i])
                                                   for i in range(0, w * 4, 4)]
                    covered += w * h
            elif kind == 3:
                recv(struct.unpack(">3xI", recv(7))[0])
            elif kind != 2:  # 2 is the bell
                raise AssertionError(f"unexpected server message {kind}")
        return width, height, frame


class VncWindowTest(unittest.TestCase):
    def setUp(self):
        if not shutil.which("Xvnc"):
            self.fail("Xvnc is not installed (scripts/bootstrap installs "
                      "tigervnc-standalone-server)")
        self.dir = tempfile.mkdtemp(prefix="tamberlinove-vnc-")
        self.data = os.path.join(self.dir, "data")
        self.config = os.path.join(self.dir, "config.json")
        with open(self.config, "w") as f:
            f.write(OFFLINE_CONFIG)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        # A first start creates the data; the help overlay is then switched off so that the
        # main screen, with its colours, is what both pictures show.
        subprocess.run([APP, "--data-dir", self.data, "--config", self.config,
                        "--first-frame-exit"], env=env, check=True, capture_output=True)
        with open(os.path.join(self.data, "Environment.plist"), "w") as f:
            f.write('<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0">\n<dict>\n'
                    '\t<key>Help</key>\n\t<string>1</string>\n</dict>\n</plist>\n')
        self.shot = os.path.join(self.dir, "offscreen.png")
        subprocess.run([APP, "--data-dir", self.data, "--config", self.config,
                        "--screenshot", self.shot], env=env, check=True, capture_output=True)

    def tearDown(self):
        shutil.rmtree(self.dir, ignore_errors=True)

    def test_client_sees_the_window_as_drawn_and_the_server_ends_with_the_app(self):
        width, height, expected = read_png(self.shot)
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
        served = subprocess.Popen([SERVE_VNC, APP, "--data-dir", self.data, "--config",
                                   self.config], env=env, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.PIPE, text=True)
        try:
            found = next(filter(None, (re.search(r"on VNC at [^:\s]+:(\d+)", line)
                                       for line in served.stderr)), None)
            self.assertIsNotNone(found, "serve-vnc printed no address")
            port = int(found.group(1))
            deadline, difference = time.time() + 30, None
            while time.time() < deadline:
                w, h, frame = vnc_capture(port)
                self.assertEqual((w, h), (width, height), "the frame does not fit the window")
                diffs = [abs(x - y) for ra, rb in zip(frame, expected)
                         for pa, pb in zip(ra, rb) for x, y in zip(pa, pb)]
                difference = sum(diffs) / len(diffs)
                if difference < 2:
                    break
                time.sleep(0.5)
            # A swapped or garbled colour channel moves the mean by far more than 2.
            self.assertLess(difference, 2, "the VNC picture differs from the window")
        finally:
            served.terminate()
            served.wait(timeout=20)
        with self.assertRaises(OSError, msg="the VNC server outlived the app"):
            socket.create_connection(("127.0.0.1", port), timeout=2).close()


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
