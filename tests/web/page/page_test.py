#!/usr/bin/env python3
"""The browser build (build-web/) in headless Chromium, served on 127.0.0.1 by
scripts/serve-web with no special headers. Usage: page_test.py NAME, NAME one
of the tests below. Exits 0 when the test passes; a failure names what was
wrong."""

import base64
import glob
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from browser import SOURCE_DIR, WEB_BUILD_DIR, Browser, Failure, Server, fail, wait_until  # noqa: E402
from pictures import block_difference, block_means, read_png  # noqa: E402

BUILD_DIR = os.environ.get("QUORVEL_BUILD_DIR", "")
WINDOW_WIDTH, WINDOW_HEIGHT = 1109, 693
SAMPLE_RATE = 44100

# WebGL on Mesa's llvmpipe through ANGLE, the software GL the native capture
# draws with; without these Chromium draws with SwiftShader.
LLVMPIPE = ("--use-gl=angle", "--use-angle=gl-egl", "--ignore-gpu-blocklist")


def open_question(browser, server, query=""):
    browser.open(server.url + query)
    browser.wait_for(30, "question on the page", "window.quorvel && quorvel.state === 'asking'")


def question_then_no(folder=WEB_BUILD_DIR):
    """The question with its two buttons; No: a 1109 x 693 canvas in the middle
    of the page, drawn on, and every shader compiled and program linked (a
    failure would be listed on the page)."""
    with Server(folder) as server, Browser() as browser:
        browser.call("Network.enable")
        open_question(browser, server)
        headers = browser.evaluate("fetch('/').then((r) => [...r.headers.keys()].join(' '))")
        if "cross-origin" in headers:
            fail(f"the page is served with isolation headers: {headers}")
        text = browser.evaluate("document.getElementById('question-text').textContent")
        buttons = browser.evaluate("[...document.querySelectorAll('#question button')].map((b) => b.textContent)")
        if text != "Run Fullscreen?" or buttons != ["Yes", "No"]:
            fail(f"the question is {text!r} with buttons {buttons}")
        browser.click("#no")
        browser.wait_for(120, "first frame after No", "quorvel.framesShown > 0")
        size = browser.evaluate("[canvas.width, canvas.height, innerWidth, innerHeight]")
        x, y, width, height = browser.box("#canvas")
        if size[:2] != [WINDOW_WIDTH, WINDOW_HEIGHT] or [width, height] != [WINDOW_WIDTH, WINDOW_HEIGHT]:
            fail(f"the canvas is {size[0]} x {size[1]}, shown {width} x {height}")
        if abs(x + width / 2 - size[2] / 2) > 1 or abs(y + height / 2 - size[3] / 2) > 1:
            fail(f"the canvas at {x}, {y} is not in the middle of a {size[2]} x {size[3]} page")
        browser.wait_for(60, "tenth frame", "quorvel.framesShown >= 10")
        errors = browser.evaluate("document.getElementById('errors').textContent")
        if errors:
            fail(f"shader or program errors: {errors}")
        missing = [e["params"]["response"]["url"] for e in browser.events if e.get("method") ==
                   "Network.responseReceived" and e["params"]["response"]["status"] >= 400]
        if missing:
            fail(f"the page asked for what its host lacks: {missing}")
        seconds = browser.evaluate("(quorvel.firstFrameAt - quorvel.answeredAt) / 1000")
        print(f"from the click to the first frame: {seconds:.2f} s")


# Windows smaller than the picture: a 1366 x 768 laptop's, less its browser,
# and a phone's (with touch, which has no Escape: a tap ends the show).
SMALL_WINDOWS = ((800, 600, False), (1366, 650, False), (390, 844, True))


def small_windows_fit_the_picture():
    """After No, the canvas is shown whole in a window smaller than it, in the
    middle and with its shape; on a phone, a tap plays the closing fade."""
    with Server() as server, Browser() as browser:
        for width, height, phone in SMALL_WINDOWS:
            browser.call("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=1,
                         mobile=phone)
            browser.call("Emulation.setTouchEmulationEnabled", enabled=phone, maxTouchPoints=5)
            open_question(browser, server)
            browser.click("#no")
            browser.wait_for(120, "first frame after No", "quorvel.framesShown > 0")
            x, y, shown_width, shown_height = browser.box("#canvas")
            page = browser.evaluate("[innerWidth, innerHeight]")
            if x < 0 or y < 0 or x + shown_width > page[0] + 1 or y + shown_height > page[1] + 1 or \
                    min(page[0] - shown_width, page[1] - shown_height) > 1 or \
                    abs(shown_width / shown_height - WINDOW_WIDTH / WINDOW_HEIGHT) > 0.01 or \
                    abs(2 * x + shown_width - page[0]) > 1 or abs(2 * y + shown_height - page[1]) > 1:
                fail(f"in a {page[0]} x {page[1]} page the canvas shows at {x}, {y}, {shown_width} x {shown_height}")
            if phone:
                for kind, points in (("touchStart", [{"x": page[0] / 2, "y": page[1] / 2}]), ("touchEnd", [])):
                    browser.call("Input.dispatchTouchEvent", type=kind, touchPoints=points)
                browser.wait_for(60, "question again after a tap", "quorvel.state === 'asking' && quorvel.runs")
            print(f"{page[0]} x {page[1]}: the canvas shown at {x:.0f}, {y:.0f}, {shown_width:.0f} x {shown_height:.0f}")


def lit_rows(png):
    """Rows of the picture with a pixel brighter than 40 in some channel."""
    width, height, pixels = png
    stride = 3 * width
    return sum(1 for row in range(height) if max(pixels[row * stride:(row + 1) * stride]) > 40)


def lit_column_span(png):
    """How many columns lie from the first to the last with a pixel brighter than 40."""
    width, height, pixels = png
    lit = [x for x in range(width) if any(max(pixels[3 * (y * width + x):3 * (y * width + x) + 3]) > 40
                                          for y in range(0, height, 4))]
    return lit[-1] - lit[0] + 1 if lit else 0


# The pictures at these moments, against quorvel-capture's at the same size
# and frame rate. Per channel mean of 16 x 16 blocks, 0 to 255: the old
# screen's noise and scan lines differ pixel by pixel between two GL drivers
# and vanish in the blocks; the average block may differ by MEAN, no block by
# more than LARGEST. (A wrong matrix, a missing light, red and blue swapped:
# see the README's "In a browser" for what each gives.)
STILL_SECONDS = (5, 11, 13, 30)
STILL_FRAME_RATE = 2
BLOCK = 16
MEAN, LARGEST = 1.0, 10.0


def pictures_match_the_capture():
    with tempfile.TemporaryDirectory() as folder:
        capture = os.path.join(BUILD_DIR, "quorvel-capture")
        moments = ",".join(str(s) for s in STILL_SECONDS)
        run = subprocess.run([capture, "--size", f"{WINDOW_WIDTH}x{WINDOW_HEIGHT}", "--fps", str(STILL_FRAME_RATE),
                              "--at", moments, "--out", folder], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                             timeout=300)
        if run.returncode != 0:
            fail(f"quorvel-capture (on the X server in DISPLAY) ended with {run.returncode}: {run.stderr[-500:]!r}")
        with Server() as server, Browser(LLVMPIPE) as browser:
            open_question(browser, server, f"?fps={STILL_FRAME_RATE}&hold={moments}")
            browser.click("#no")
            faults = []
            for seconds in STILL_SECONDS:
                browser.wait_for(300, f"picture held at {seconds} s", f"quorvel.holding === {seconds}")
                shot = os.path.join(folder, f"web-{seconds}.png")
                with open(shot, "wb") as file:
                    file.write(browser.screenshot("#canvas"))
                browser.evaluate("quorvel.resume()")
                native = read_png(os.path.join(folder, f"frame-{seconds * STILL_FRAME_RATE:06d}.png"))
                web = read_png(shot)
                mean, largest = block_difference(block_means(*native, BLOCK), block_means(*web, BLOCK))
                print(f"{seconds} s: blocks differ by {mean:.2f} on average, {largest:.1f} at most")
                if mean > MEAN or largest > LARGEST:
                    faults.append(f"{seconds} s ({mean:.2f}, {largest:.1f})")
            if faults:
                fail(f"pictures unlike the capture's, past {MEAN} on average or {LARGEST} in a block: {faults}")


# A second recorder on the sound's way out: every node that connects to the
# speakers also feeds it, and it keeps what it hears (planar, per channel).
SOUND_TAP = """
(() => {
  const tap = window.soundTap = {left: [], right: [], frames: 0};
  const source = "registerProcessor('sound-tap', class extends AudioWorkletProcessor {" +
    " process(inputs) { const input = inputs[0];" +
    " if (input.length === 2) this.port.postMessage([input[0].slice(), input[1].slice()]); return true; } });";
  const tapModule = URL.createObjectURL(new Blob([source], {type: 'text/javascript'}));
  const addModule = AudioWorklet.prototype.addModule;
  AudioWorklet.prototype.addModule = function (url, options) {
    tap.moduleAt = tap.moduleAt || performance.now();
    return addModule.call(this, tapModule).then(() => addModule.call(this, url, options));
  };
  const connect = AudioNode.prototype.connect;
  AudioNode.prototype.connect = function (target, ...rest) {
    if (target instanceof AudioDestinationNode) {
      const recorder = new AudioWorkletNode(this.context, 'sound-tap', {numberOfInputs: 1, numberOfOutputs: 0,
        channelCount: 2, channelCountMode: 'explicit', channelInterpretation: 'discrete'});
      recorder.port.onmessage = (event) => {
        tap.left.push(event.data[0]);
        tap.right.push(event.data[1]);
        tap.frames += event.data[0].length;
      };
      connect.call(this, recorder);
    }
    return connect.call(this, target, ...rest);
  };
})();
"""

# The first frames the tap heard, interleaved as 32-bit floats, in base64.
READ_TAP = """
((frames) => {
  const tap = window.soundTap;
  const out = new Float32Array(2 * frames);
  let at = 0;
  for (let block = 0; block < tap.left.length && at < frames; ++block) {
    const left = tap.left[block], right = tap.right[block];
    for (let i = 0; i < left.length && at < frames; ++i, ++at) {
      out[2 * at] = left[i];
      out[2 * at + 1] = right[i];
    }
  }
  const bytes = new Uint8Array(out.buffer);
  let text = '';
  for (let i = 0; i < bytes.length; i += 32768) text += String.fromCharCode.apply(null, bytes.subarray(i, i + 32768));
  return btoa(text);
})"""

SOUND_SECONDS = 15


def zero_samples(data):
    """32-bit samples of all-zero bits before the first other one."""
    for i in range(0, len(data), 4):
        if data[i:i + 4] != b"\0\0\0\0":
            return i // 4
    return None


def sound_is_the_render():
    """What the page played, tapped on its way to the speakers, is the song's
    render bit for bit for 15 s, with no underrun; Escape stops it. The sound's
    module is loaded at the answer, not at the music's start."""
    with tempfile.TemporaryDirectory() as folder:
        reference = os.path.join(folder, "song.wav")
        if subprocess.run([os.path.join(BUILD_DIR, "quorvel-render-song"), reference], stdout=subprocess.DEVNULL,
                          timeout=300).returncode != 0:
            fail("quorvel-render-song failed")
        with open(reference, "rb") as file:
            song = file.read()[58:]
        with Server() as server, Browser() as browser:
            browser.call("Page.addScriptToEvaluateOnNewDocument", source=SOUND_TAP)
            open_question(browser, server)
            browser.click("#no")
            wanted = (SOUND_SECONDS + 1) * SAMPLE_RATE
            browser.wait_for(180, f"{SOUND_SECONDS + 1} s of the song played", f"quorvel.soundPlayed >= {wanted}")
            underruns, lead = browser.evaluate("[quorvel.underruns, quorvel.minimumLead]")
            print(f"underruns {underruns}, the render at least {lead / SAMPLE_RATE:.2f} s ahead of playback")
            if underruns:
                fail(f"{underruns} underruns")
            module_seconds = browser.evaluate("(soundTap.moduleAt - quorvel.answeredAt) / 1000")
            if module_seconds > 1:
                fail(f"the sound's module was loaded {module_seconds:.2f} s after the answer, not at it")
            tapped_frames = browser.evaluate("soundTap.frames")
            tapped = base64.b64decode(browser.evaluate(f"{READ_TAP}({tapped_frames})", seconds=120))
            browser.press_escape()
            browser.wait_for(30, "question again after Escape", "quorvel.state === 'asking'")

            def silent():
                before = browser.evaluate("soundTap.frames")
                time.sleep(0.3)
                return browser.evaluate("soundTap.frames") == before

            wait_until(10, "sound stopped after the fade", silent)
            heard = browser.evaluate("soundTap.frames")
        tap_zeros, song_zeros = zero_samples(tapped), zero_samples(song)
        if tap_zeros is None:
            fail("the tap heard only silence")
        start = tap_zeros - song_zeros
        if start < 0 or start % 2:
            fail(f"the first sound heard is not the song's first frame ({start})")
        length = SOUND_SECONDS * SAMPLE_RATE * 8
        heard_song = tapped[4 * start:4 * start + length]
        if len(heard_song) < length:
            fail(f"the tap holds {len(heard_song) / 8 / SAMPLE_RATE:.2f} s of the song, not {SOUND_SECONDS}")
        if heard_song != song[:length]:
            first = next(i for i in range(0, length, 4) if heard_song[i:i + 4] != song[i:i + 4])
            fail(f"the sound played differs from the render from frame {first // 8}")
        print(f"{SOUND_SECONDS} s of the song played bit for bit; {heard} frames heard in all")


# The page hears how far the sound has played between frames, which software
# GL draws a few a second: what it knew at a frame lags the sound by that much.
IN_STEP_SECONDS = 1.0
AWAY_SECONDS = 20


def freeze(browser):
    browser.call("Page.setWebLifecycleState", state="frozen")
    return lambda: browser.call("Page.setWebLifecycleState", state="active")


def hide(browser):
    """Another tab in front, closed again at the end."""
    own = browser.call("Target.getTargets", session=False)["targetInfos"]
    other = browser.call("Target.createTarget", session=False, url="about:blank")["targetId"]

    def back():
        browser.call("Target.closeTarget", session=False, targetId=other)
        page = next(t for t in own if t["type"] == "page")
        browser.call("Target.activateTarget", session=False, targetId=page["targetId"])
    return back


def away_page_keeps_the_sound_in_step():
    """A page frozen, or hidden behind another tab, for 20 s while the song
    plays: once it is back, the picture's clock is where the sound is."""
    for away in (freeze, hide):
        with Server() as server, Browser() as browser:
            open_question(browser, server)
            browser.click("#no")
            browser.wait_for(180, "the song playing for a second", f"quorvel.soundPlayed >= {SAMPLE_RATE}")
            back = away(browser)
            time.sleep(AWAY_SECONDS)
            back()
            # Headless Chromium leaves a page it froze hidden, with no animation frames.
            browser.call("Emulation.setFocusEmulationEnabled", enabled=True)
            shown = browser.evaluate("quorvel.framesShown")
            browser.wait_for(60, "ten frames after coming back", f"quorvel.framesShown >= {shown + 10}")
            ahead = []
            for _ in range(10):
                clock, played = browser.evaluate("quorvel.songClock")
                ahead.append(clock - played / SAMPLE_RATE)
                time.sleep(0.2)
            print(f"{away.__name__}: the picture ahead of the sound by {min(ahead):.2f} to {max(ahead):.2f} s")
            if max(abs(a) for a in ahead) > IN_STEP_SECONDS:
                fail(f"{away.__name__} for {AWAY_SECONDS} s: the picture {max(ahead, key=abs):.2f} s ahead of the sound")


def closing_fade(answer, leave, full_screen):
    """Leaving the show starts the closing fade (the picture squeezes) and,
    once it is over, the page asks the question again. At 10 frames a second
    the quit comes at 2.1 s; at 2.5 s the picture is a fifth of its height."""
    with Server() as server, Browser() as browser:
        open_question(browser, server, "?fps=10&hold=2,2.5")
        answer(browser)
        browser.wait_for(120, "picture held at 2 s or the show's end", "quorvel.holding === 2 || quorvel.runs")
        if browser.evaluate("quorvel.runs"):
            fail("the show ended before 2 s")
        shown = browser.evaluate("[document.fullscreenElement && document.fullscreenElement.id, canvas.width,"
                                 " canvas.height, screen.width * devicePixelRatio, screen.height * devicePixelRatio,"
                                 " innerWidth, innerHeight]")
        x, y, width, height = browser.box("#canvas")
        if full_screen:
            if shown[0] != "stage" or shown[1:3] != shown[3:5]:
                fail(f"full screen holds {shown[0]}, the canvas {shown[1]} x {shown[2]} on a {shown[3]} x {shown[4]}"
                     " screen")
            if x < 0 or y < 0 or x + width > shown[5] or y + height > shown[6] or \
                    (width < shown[5] - 1 and height < shown[6] - 1):
                fail(f"the canvas shown at {x}, {y}, {width} x {height} does not fill {shown[5]} x {shown[6]}")
        elif shown[0]:
            fail(f"{shown[0]} is in full screen")
        with tempfile.TemporaryDirectory() as folder:
            before_path, during_path = os.path.join(folder, "2.png"), os.path.join(folder, "2.5.png")
            with open(before_path, "wb") as file:
                file.write(browser.screenshot("#canvas"))
            leave(browser)
            browser.evaluate("quorvel.resume()")
            browser.wait_for(120, "picture held at 2.5 s", "quorvel.holding === 2.5")
            if browser.evaluate("quorvel.state") != "running":
                fail("the show ended at once")
            with open(during_path, "wb") as file:
                file.write(browser.screenshot("#canvas"))
            before, during = lit_rows(read_png(before_path)), lit_rows(read_png(during_path))
            span = lit_column_span(read_png(before_path))
        if full_screen and abs(span / height - shown[3] / shown[4]) > 0.02:
            fail(f"the picture, {span} x {height} in full screen, lost the screen's shape {shown[3]} x {shown[4]}")
        if not (before > height / 2 and during < before / 2):
            fail(f"lit rows {before} of {height} before leaving and {during} 0.4 s into the fade")
        browser.evaluate("quorvel.resume()")
        browser.wait_for(60, "question again after the fade", "quorvel.state === 'asking' && quorvel.runs === 1")
        if browser.evaluate("document.querySelector('canvas') !== null || document.fullscreenElement !== null"):
            fail("the canvas or full screen is still there")
        print(f"lit rows {before} before leaving, {during} in the fade; then the question again")


def escape_fades_then_asks_again():
    closing_fade(lambda browser: browser.click("#no"), lambda browser: browser.press_escape(), full_screen=False)


def yes_fills_the_screen_then_leaving_fades():
    """Yes, by a trusted click and by Return (the question has focus on Yes, as
    on a desktop; both let the browser grant full screen): the stage in full
    screen, the canvas the screen's size; leaving full screen then ends the
    show as Escape does."""
    for answer in (lambda browser: browser.click("#yes"), lambda browser: browser.press_return()):
        closing_fade(answer, lambda browser: browser.evaluate("document.exitFullscreen()"), full_screen=True)


# Weak references to every WebAssembly memory and AudioContext the page makes,
# so that the count of those still alive can be read without holding them.
LIVE_TRACK = """
(() => {
  const track = window.liveTrack = {memories: [], contexts: []};
  const alive = (list) => list.filter((reference) => reference.deref()).length;
  track.count = () => [alive(track.memories), alive(track.contexts)];
  const instantiate = WebAssembly.instantiate;
  WebAssembly.instantiate = function (...args) {
    return instantiate.apply(this, args).then((result) => {
      for (const value of Object.values((result.instance || result).exports)) {
        if (value instanceof WebAssembly.Memory) track.memories.push(new WeakRef(value));
      }
      return result;
    });
  };
  window.AudioContext = class extends AudioContext {
    constructor(...args) { super(...args); track.contexts.push(new WeakRef(this)); }
  };
})();
"""
VIEWINGS = 10
MEMORY_GROWTH = 0.10


def renderers_resident_mb(browser):
    """Resident memory of the page renderers (not the browser's own interface)."""
    total = 0
    for process in browser.call("SystemInfo.getProcessInfo", session=False)["processInfo"]:
        with open(f"/proc/{process['id']}/cmdline", "rb") as file:
            if process["type"] != "renderer" or b"--top-chrome-webui" in file.read():
                continue
        with open(f"/proc/{process['id']}/statm") as file:
            total += int(file.read().split()[1]) * os.sysconf("SC_PAGE_SIZE")
    return total / (1 << 20)


def repeated_viewings_are_let_go():
    """Viewings that reach the music (past 12 s), each ended by Escape: during
    each, after a forced garbage collection, the earlier ones hold nothing (one
    WebAssembly memory, one AudioContext alive), and the renderers' memory
    stays within 10% of the first viewing's."""
    with Server() as server, Browser() as browser:
        browser.call("Page.addScriptToEvaluateOnNewDocument", source=LIVE_TRACK)
        open_question(browser, server)
        first = None
        for viewing in range(1, VIEWINGS + 1):
            browser.click("#no")
            browser.wait_for(60, f"music of viewing {viewing}", "quorvel.soundPlayed > 0")
            browser.call("HeapProfiler.collectGarbage")
            alive, resident = browser.evaluate("liveTrack.count()"), renderers_resident_mb(browser)
            first = first or resident
            print(f"viewing {viewing}: {resident:.0f} MB, alive {alive[0]} memories, {alive[1]} audio contexts")
            if alive != [1, 1] or resident > first * (1 + MEMORY_GROWTH):
                fail(f"viewing {viewing} holds {alive[0]} memories and {alive[1]} audio contexts, {resident:.0f} MB"
                     f" after {first:.0f} MB in the first")
            browser.press_escape()
            browser.wait_for(60, f"question after viewing {viewing}",
                             f"quorvel.state === 'asking' && quorvel.runs === {viewing}")


def without_the_program_file(folder):
    """A copy of the page with quorvel.js and without quorvel.wasm."""
    for name in ("index.html", "quorvel.js"):
        shutil.copy(os.path.join(WEB_BUILD_DIR, name), folder)
    return folder


# Each start-up failure: the folder served (made in a scratch folder), the
# browser's flags, whether the page is opened from its file, and the cause
# said under the show's own headline.
FAILURES = (
    ("no WebGL 2", lambda _: WEB_BUILD_DIR, ("--disable-webgl2",), False, "this browser has no WebGL 2"),
    ("no program file", without_the_program_file, (), False, "the program file could not be loaded"),
    ("from a file", lambda _: WEB_BUILD_DIR, (), True, "open this page from a web server (scripts/serve-web)"),
)


def failures_say_why():
    """A start-up failure shows "Something went bang..." with its cause in one
    line under it, and nothing else runs."""
    for name, served, flags, from_file, cause in FAILURES:
        with tempfile.TemporaryDirectory() as scratch, Server(served(scratch)) as server, Browser(flags) as browser:
            file_url = "file://" + os.path.abspath(os.path.join(WEB_BUILD_DIR, "index.html"))
            browser.open(file_url if from_file else server.url)
            browser.wait_for(60, f"question or failure ({name})", "window.quorvel && quorvel.state !== 'loading'")
            if browser.evaluate("quorvel.state") == "asking":
                browser.click("#no")
            browser.wait_for(60, f"failure ({name})", "quorvel.state === 'failed'")
            shown = browser.evaluate("document.body.innerText.trim().split(/\\n+/)")
            if shown != ["Something went bang...", cause]:
                fail(f"{name}: the page shows {shown}")
            if browser.evaluate("document.querySelector('canvas') !== null || quorvel.runs > 1"):
                fail(f"{name}: something still runs")


def zip_plays():
    """The web zip of scripts/package holds the page, the program and a README,
    and the page unpacked plays as the build does."""
    zips = glob.glob(os.path.join(SOURCE_DIR, "dist", "quorvel-*-web.zip"))
    if not zips:
        fail("no web zip in dist/: run scripts/package first")
    with tempfile.TemporaryDirectory() as folder:
        with zipfile.ZipFile(zips[0]) as archive:
            names = archive.namelist()
            if names != ["index.html", "quorvel.js", "quorvel.wasm", "README.txt"]:
                fail(f"the zip holds {names}")
            archive.extractall(folder)
        question_then_no(folder)


TESTS = {f.__name__: f for f in (question_then_no, zip_plays, pictures_match_the_capture, sound_is_the_render,
                                 escape_fades_then_asks_again, yes_fills_the_screen_then_leaving_fades,
                                 repeated_viewings_are_let_go, small_windows_fit_the_picture,
                                 failures_say_why, away_page_keeps_the_sound_in_step)}

if __name__ == "__main__":
    if len(sys.argv) != 2 or sys.argv[1] not in TESTS:
        sys.exit(f"usage: {sys.argv[0]} {'|'.join(TESTS)}")
    if not os.path.isfile(os.path.join(WEB_BUILD_DIR, "quorvel.wasm")):
        sys.exit(f"FAIL: no {WEB_BUILD_DIR}/quorvel.wasm: run scripts/build-web")
    try:
        TESTS[sys.argv[1]]()
    except Failure as failure:
        sys.exit(f"FAIL: {failure}")
    print("passed")
