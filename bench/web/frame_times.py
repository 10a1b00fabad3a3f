#!/usr/bin/env python3
"""Whole frames of the browser build at 1109 x 693 in headless Chromium: the
mean wall time of a frame over the cube logo (2 to 6 s of the show) and over
the sponge (20 to 24 s), on a fixed-rate clock (10 frames a second of show
time, each drawn as fast as the browser lets it); and the time from the click
on No to the first frame. A measurement, not a test.

    bench/web/frame_times.py [swiftshader|llvmpipe]

llvmpipe: WebGL through ANGLE on Mesa's llvmpipe, the software GL the native
benchmarks (build/quorvel-bench on Xvfb) draw with; swiftshader: Chromium's own."""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "web", "support"))
from browser import Browser, Server  # noqa: E402

GL_FLAGS = {"swiftshader": (), "llvmpipe": ("--use-gl=angle", "--use-angle=gl-egl", "--ignore-gpu-blocklist")}
RATE = 10
SPANS = {"logo": (2, 6), "sponge": (20, 24)}


def main():
    gl = sys.argv[1] if len(sys.argv) > 1 else "llvmpipe"
    holds = ",".join(str(s) for span in SPANS.values() for s in span)
    with Server() as server, Browser(GL_FLAGS[gl]) as browser:
        browser.open(f"{server.url}?fps={RATE}&hold={holds}")
        browser.wait_for(30, "question", "window.quorvel && quorvel.state === 'asking'")
        browser.click("#no")
        browser.wait_for(120, "first frame", "quorvel.framesShown > 0")
        first = browser.evaluate("(quorvel.firstFrameAt - quorvel.answeredAt) / 1000")
        print(f"{gl}: click to first frame {first:.2f} s")
        for name, (start, end) in SPANS.items():
            browser.wait_for(600, f"hold at {start} s", f"quorvel.holding === {start}")
            began = time.monotonic()
            browser.evaluate("quorvel.resume()")
            browser.wait_for(600, f"hold at {end} s", f"quorvel.holding === {end}")
            # Two animation frames of the hold itself are in the span.
            seconds = time.monotonic() - began
            frames = (end - start) * RATE
            print(f"{gl}: {name} frames {1000 * seconds / frames:.1f} ms ({frames} frames in {seconds:.1f} s)")
            browser.evaluate("quorvel.resume()")


if __name__ == "__main__":
    main()
