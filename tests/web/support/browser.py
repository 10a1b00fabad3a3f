"""Headless Chromium driven over the DevTools protocol on a pipe, and the page
served by scripts/serve-web on 127.0.0.1: what the web tests need of a browser
(load a page, click, press a key, run JavaScript, take a screenshot). Every wait
has a deadline in seconds and says what it waited for."""

import base64
import json
import os
import select
import shutil
import socket
import subprocess
import tempfile
import time

SOURCE_DIR = os.environ.get("QUORVEL_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "..", "..", ".."))
WEB_BUILD_DIR = os.environ.get("QUORVEL_WEB_BUILD_DIR", os.path.join(SOURCE_DIR, "build-web"))


class Failure(Exception):
    pass


def fail(text):
    raise Failure(text)


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def wait_until(seconds, what, condition, every=0.1):
    """Calls condition until it returns something true, and returns that; fails
    naming what was awaited when seconds have passed."""
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            fail(f"no {what} within {seconds} s")
        time.sleep(every)


class Server:
    """scripts/serve-web serving folder on a free port of 127.0.0.1."""

    def __init__(self, folder=WEB_BUILD_DIR):
        self.port = free_port()
        self.process = subprocess.Popen([os.path.join(SOURCE_DIR, "scripts", "serve-web"), str(self.port), folder],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        def answers():
            try:
                with socket.create_connection(("127.0.0.1", self.port), timeout=1):
                    return True
            except OSError:
                return False

        wait_until(20, f"server answering on 127.0.0.1:{self.port}", answers)
        self.url = f"http://127.0.0.1:{self.port}/"

    def close(self):
        self.process.terminate()
        self.process.wait(10)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()


class Browser:
    """One headless Chromium with a fresh profile and one page."""

    def __init__(self, flags=()):
        self.profile = tempfile.mkdtemp(prefix="quorvel-chromium-")
        commands_read, self.commands = os.pipe()
        self.replies, replies_write = os.pipe()

        def on_fds_3_and_4():
            # The protocol pipe is fds 3 (commands in) and 4 (replies out).
            high_read, high_write = os.dup(commands_read), os.dup(replies_write)
            os.dup2(high_read, 3)
            os.dup2(high_write, 4)

        arguments = [
            shutil.which("chromium") or fail("chromium is not installed (scripts/setup installs it)"),
            "--headless=new", "--remote-debugging-pipe", f"--user-data-dir={self.profile}",
            "--no-first-run", "--no-default-browser-check", "--disable-background-networking",
            "--disable-component-update", "--disable-sync", "--disable-extensions", "--disable-quic",
            "--autoplay-policy=no-user-gesture-required", "--window-size=1400,900",
            "--force-device-scale-factor=1", *flags, "about:blank",
        ]
        if os.geteuid() == 0:
            arguments.insert(1, "--no-sandbox")
        self.process = subprocess.Popen(arguments, preexec_fn=on_fds_3_and_4, pass_fds=(3, 4),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(commands_read)
        os.close(replies_write)
        self.buffer = b""
        self.next_id = 0
        self.session = None
        self.events = []
        targets = self.call("Target.getTargets")["targetInfos"]
        page = next(t for t in targets if t["type"] == "page")
        self.session = self.call("Target.attachToTarget", targetId=page["targetId"], flatten=True)["sessionId"]
        self.call("Page.enable")
        self.call("Runtime.enable")

    def close(self):
        try:
            self.call("Browser.close", session=False)
        except Exception:
            pass
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait(10)
        os.close(self.commands)
        os.close(self.replies)
        shutil.rmtree(self.profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()

    # ---- the protocol ------------------------------------------------------
    def read_message(self, seconds):
        while b"\0" not in self.buffer:
            ready, _, _ = select.select([self.replies], [], [], seconds)
            if not ready:
                fail(f"no message from chromium within {seconds} s")
            chunk = os.read(self.replies, 1 << 20)
            if not chunk:
                fail("chromium closed its protocol pipe")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, session=True, seconds=60, **params):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params}
        if session and self.session:
            message["sessionId"] = self.session
        os.write(self.commands, json.dumps(message).encode() + b"\0")
        while True:
            reply = self.read_message(seconds)
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    fail(f"{method}: {reply['error']}")
                return reply.get("result", {})
            self.events.append(reply)

    # ---- the page ----------------------------------------------------------
    def evaluate(self, expression, seconds=60):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True, awaitPromise=True,
                           seconds=seconds)
        if "exceptionDetails" in result:
            fail(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def open(self, url):
        self.call("Page.navigate", url=url)
        wait_until(30, f"page {url} loaded", lambda: self.evaluate("document.readyState") == "complete")

    def wait_for(self, seconds, what, expression):
        return wait_until(seconds, what, lambda: self.evaluate(expression))

    def box(self, selector):
        """The element's box on the page: [x, y, width, height]."""
        return self.evaluate(f"(() => {{ const r = document.querySelector({json.dumps(selector)})"
                             f".getBoundingClientRect(); return [r.x, r.y, r.width, r.height]; }})()")

    def click(self, selector):
        x, y, width, height = self.box(selector)
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x + width / 2, y=y + height / 2, button="left",
                      clickCount=1)

    def press_escape(self):
        for kind in ("rawKeyDown", "keyUp"):
            self.call("Input.dispatchKeyEvent", type=kind, key="Escape", code="Escape", windowsVirtualKeyCode=27)

    def press_return(self):
        for kind, text in (("keyDown", "\r"), ("keyUp", "")):
            self.call("Input.dispatchKeyEvent", type=kind, key="Enter", code="Enter", windowsVirtualKeyCode=13, text=text)

    def screenshot(self, selector):
        """PNG bytes of the element's box, at one pixel a CSS pixel."""
        x, y, width, height = self.box(selector)
        clip = {"x": x, "y": y, "width": width, "height": height, "scale": 1}
        return base64.b64decode(self.call("Page.captureScreenshot", format="png", clip=clip)["data"])
