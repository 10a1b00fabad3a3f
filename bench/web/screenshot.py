#!/usr/bin/env python3
"""The README's pictures of the browser build: the page in headless Chromium
(1280 x 800 unless a size is given, WebGL on llvmpipe; "phone" emulates a
phone's touch screen) answered No and held at 30 s of the show on a
fixed-rate clock, scaled to half size and kept small in bytes.

    bench/web/screenshot.py docs/web-page.png
    bench/web/screenshot.py docs/web-page-small.png 800 600
    bench/web/screenshot.py docs/web-page-phone.png 390 844 phone"""

import base64
import os
import struct
import sys
import tempfile
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "web", "support"))
from browser import Browser, Server  # noqa: E402
from pictures import read_png  # noqa: E402

LLVMPIPE = ("--use-gl=angle", "--use-angle=gl-egl", "--ignore-gpu-blocklist")


def write_png(path, width, height, pixels):
    """Five bits a channel: the old screen's noise makes every low bit count
    in bytes, and none of them shows at this size."""
    pixels = bytes(v & 0xF8 | v >> 5 for v in pixels)
    rows = b"".join(b"\0" + pixels[y * width * 3:(y + 1) * width * 3] for y in range(height))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    with open(path, "wb") as file:
        file.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
                   chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def half(width, height, pixels):
    out = bytearray()
    for y in range(0, height - 1, 2):
        for x in range(0, width - 1, 2):
            for c in range(3):
                i = (y * width + x) * 3 + c
                out.append((pixels[i] + pixels[i + 3] + pixels[i + 3 * width] + pixels[i + 3 * width + 3] + 2) // 4)
    return width // 2, height // 2, bytes(out)


def main():
    width, height = (int(a) for a in sys.argv[2:4]) if len(sys.argv) > 3 else (1280, 800)
    phone = sys.argv[4:] == ["phone"]
    with Server() as server, Browser(LLVMPIPE) as browser:
        browser.call("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=1,
                     mobile=phone)
        browser.call("Emulation.setTouchEmulationEnabled", enabled=phone, maxTouchPoints=5)
        browser.open(f"{server.url}?fps=2&hold=30")
        browser.wait_for(30, "question", "window.quorvel && quorvel.state === 'asking'")
        browser.click("#no")
        browser.wait_for(600, "hold at 30 s", "quorvel.holding === 30")
        shot = base64.b64decode(browser.call("Page.captureScreenshot", format="png")["data"])
    with tempfile.NamedTemporaryFile(suffix=".png") as file:
        file.write(shot)
        file.flush()
        write_png(sys.argv[1], *half(*read_png(file.name)))


if __name__ == "__main__":
    main()
