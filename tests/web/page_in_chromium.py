#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web page in Debian's Chromium, headless, driven over its DevTools
protocol as a pupil drives it: mouse clicks on the drawn windows, keys typed,
Russian letters among them.

    page_in_chromium.py FOLDER FORM1_PNG PICTURES

FOLDER is the page (scripts/web.sh makes it), served here on 127.0.0.1;
FORM1_PNG the desktop program's picture of its main window, which the page's
must match; PICTURES receives the pictures of the page taken on the way.
The page must load with nothing in its console's errors; a surname is typed
in Russian; a practice task is set, answered wrongly, then rightly, and
judged each time; a two-task test is sat to its result page, which greets
the pupil by that surname; Выход leaves the end page, whose button starts
the program again; closing the main window ends it too. What the program
says to a screen reader, read from the page's spoken log, tells each step's
outcome. Prints the time from opening the page to the drawn main window.
"""
import functools
import http.server
import io
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request
import base64

import numpy
from numpy.lib.stride_tricks import sliding_window_view
import websocket
from PIL import Image

VIEWPORT = (1400, 1000)
TWIPS_PER_PIXEL = 15
# A pixel differs when one of its channels is this far off: a letter's edges
# are smoothed a little differently in a browser than on the desktop.
DIFFERENT_PIXEL = 96
# What share of the window may differ so: the design's colours, places and
# faces match; a missing face, a colour or a control out of place is more.
MOST_DIFFERENT_SHARE = 0.02

# Where the test clicks: controls by their design rectangle in twips, and the
# height of the window's menu bar above them (the main window's only).
CONTROLS = {
    "Form1": (19, {"Text1": (4440, 720, 4695, 855), "Далее": (360, 3120, 4095, 735),
                   "TESTIROVAN": (6120, 3600, 3135, 735), "Выход": (7200, 5880, 1695, 735)}),
    "Form2": (0, {"Ввод_числа": (6000, 2520, 2655, 1050), "Ввод_ответа": (13440, 6000, 3855, 1650),
                  "Выход": (14160, 9240, 2895, 570)}),
    "Form4": (0, {"Text3": (10440, 1920, 2535, 765), "Command3": (720, 1920, 9375, 810),
                  "Ввод_числа": (840, 3000, 4335, 1050), "Ввод_ответа": (10440, 6000, 2655, 1050),
                  "Command2": (1680, 4920, 5175, 570), "Выход": (11400, 9000, 2895, 570)}),
}
CYAN = (0, 255, 255)
PRAISE = "МОЛОДЕЦ!!!  ПРАВИЛЬНО!!!"
BLAME = "НЕПРАВИЛЬНО!!!"
SURNAME = "Ёлкина-Щукина"


class Failure(Exception):
    pass


class Files(http.server.SimpleHTTPRequestHandler):
    """The folder as a plain static server gives it, quietly."""
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm",
                      ".js": "text/javascript"}

    def log_message(self, *args):
        pass


def serve(folder):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Files, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


class Browser:
    """One headless Chromium and its one page, over the DevTools protocol."""

    def __init__(self, profile):
        self.process = subprocess.Popen(
            ["chromium", "--headless=new", "--no-sandbox", "--disable-gpu", "--enable-unsafe-swiftshader",
             "--no-first-run", "--hide-scrollbars", "--remote-debugging-port=0", f"--user-data-dir={profile}",
             f"--window-size={VIEWPORT[0]},{VIEWPORT[1]}", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        port = None
        for line in self.process.stderr:
            found = re.search(r"DevTools listening on ws://127\.0\.0\.1:(\d+)/", line)
            if found:
                port = found.group(1)
                break
        if port is None:
            raise Failure("Chromium did not start its DevTools server")
        threading.Thread(target=self.process.stderr.read, daemon=True).start()
        with urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list") as reply:
            target = next(t for t in json.load(reply) if t["type"] == "page")
        self.socket = websocket.create_connection(target["webSocketDebuggerUrl"], timeout=60)
        self.last_id = 0
        self.errors = []
        self.warnings = []
        for domain in ("Page", "Runtime", "Log"):
            self.call(f"{domain}.enable")
        self.call("Emulation.setDeviceMetricsOverride", width=VIEWPORT[0], height=VIEWPORT[1],
                  deviceScaleFactor=1, mobile=False)

    def close(self):
        self.socket.close()
        self.process.kill()
        self.process.wait()

    def _event(self, message):
        method, params = message.get("method"), message.get("params", {})
        if method == "Runtime.consoleAPICalled":
            text = " ".join(str(a.get("value", a.get("description", ""))) for a in params["args"])
            (self.errors if params["type"] in ("error", "assert") else self.warnings).append(text)
        elif method == "Runtime.exceptionThrown":
            details = params["exceptionDetails"]
            self.errors.append(details.get("exception", {}).get("description", details["text"]))
        elif method == "Log.entryAdded" and params["entry"]["level"] == "error":
            self.errors.append(params["entry"]["text"] + " " + params["entry"].get("url", ""))

    def call(self, method, **params):
        self.last_id += 1
        self.socket.send(json.dumps({"id": self.last_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.last_id:
                if "error" in message:
                    raise Failure(f"{method}: {message['error']}")
                return message.get("result", {})
            self._event(message)

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True)
        if "exceptionDetails" in result:
            raise Failure(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def screenshot(self, scale=1):
        clip = {"x": 0, "y": 0, "width": VIEWPORT[0], "height": VIEWPORT[1], "scale": scale}
        data = self.call("Page.captureScreenshot", format="png", clip=clip)["data"]
        return numpy.asarray(Image.open(io.BytesIO(base64.b64decode(data))).convert("RGB")).astype(numpy.int16)

    def click(self, x, y):
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", buttons=1, clickCount=1)
        time.sleep(0.2)

    def type_text(self, text):
        for letter in text:
            self.call("Input.dispatchKeyEvent", type="keyDown", text=letter, key=letter, unmodifiedText=letter)
            self.call("Input.dispatchKeyEvent", type="keyUp", key=letter)

    def press(self, key, code):
        text = {"Enter": "\r"}.get(key)
        down = {"type": "keyDown", "key": key, "code": key, "windowsVirtualKeyCode": code}
        if text:
            down["text"] = text
        self.call("Input.dispatchKeyEvent", **down)
        self.call("Input.dispatchKeyEvent", type="keyUp", key=key, code=key, windowsVirtualKeyCode=code)
        time.sleep(0.2)


def until(what, check, timeout=60):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = check()
        if found:
            return found
        time.sleep(0.1)
    raise Failure(f"gave up waiting for {what}")


def locate(shot, picture):
    """Where `picture` lies in `shot` (top, left), and the share of its
    pixels that differ there; first on both made eight times smaller."""
    def smaller(image):
        h, w = image.shape[0] // 8 * 8, image.shape[1] // 8 * 8
        return image[:h, :w].reshape(h // 8, 8, w // 8, 8, 3).mean(axis=(1, 3), dtype=numpy.float32)
    coarse_shot, coarse_picture = smaller(shot), smaller(picture)
    ph, pw = coarse_picture.shape[:2]
    if coarse_shot.shape[0] < ph or coarse_shot.shape[1] < pw:
        raise Failure("the page is smaller than the window")
    best = None
    for top in range(coarse_shot.shape[0] - ph + 1):
        # Every place along this row at once.
        windows = sliding_window_view(coarse_shot[top:top + ph], pw, axis=1)
        diffs = numpy.abs(windows - coarse_picture.transpose(0, 2, 1)[:, None]).mean(axis=(0, 2, 3))
        left = int(diffs.argmin())
        if best is None or diffs[left] < best[0]:
            best = (diffs[left], top * 8, left * 8)
    h, w = picture.shape[:2]
    best_share = None
    for top in range(max(0, best[1] - 7), min(shot.shape[0] - h, best[1] + 7) + 1):
        for left in range(max(0, best[2] - 7), min(shot.shape[1] - w, best[2] + 7) + 1):
            region = shot[top:top + h, left:left + w]
            share = float((numpy.abs(region - picture).max(axis=2) > DIFFERENT_PIXEL).mean())
            if best_share is None or share < best_share[0]:
                best_share = (share, top, left)
    return best_share[1], best_share[2], best_share[0]


class Pupil:
    def __init__(self, browser, pictures, shots):
        self.browser = browser
        self.pictures = pictures
        self.shots = shots
        self.origin = {}

    def save(self, name):
        data = self.browser.call("Page.captureScreenshot", format="png")["data"]
        with open(os.path.join(self.shots, name + ".png"), "wb") as file:
            file.write(base64.b64decode(data))

    def find_window(self, form, picture):
        top, left, share = locate(self.browser.screenshot(), self.pictures[picture])
        self.origin[form] = (top, left)
        return share

    def click(self, form, control):
        menu, controls = CONTROLS[form]
        x, y, width, height = controls[control]
        top, left = self.origin[form]
        self.browser.click(left + (x + width / 2) / TWIPS_PER_PIXEL, top + menu + (y + height / 2) / TWIPS_PER_PIXEL)

    def said(self):
        return self.browser.evaluate("Array.from(document.querySelectorAll('#said p'), p => p.textContent)")

    def wait_to_hear(self, what, heard_before):
        """The first line the program says after `heard_before` lines that
        holds `what`."""
        def heard():
            lines = self.said()[heard_before:]
            return next((line for line in lines if what in line), None)
        return until(f"the page to say {what!r} (it said {self.said()[heard_before:]})", heard, timeout=30)

    def answer(self, form, reply, verdict):
        """Answers the task shown in `form` with `reply`; the program's
        verdict must be `verdict`."""
        heard = len(self.said())
        self.click(form, "Ввод_ответа")
        self.wait_to_hear("Введи ответ", heard)
        self.browser.type_text(reply)
        self.browser.press("Enter", 13)
        said = self.wait_to_hear("ПРАВИЛЬНО!!!", heard)
        if said != verdict:
            raise Failure(f"{reply!r} was judged {said!r}, not {verdict!r}")
        self.save(f"{form.lower()}-verdict")
        self.browser.press("Enter", 13)

    def set_task(self, form):
        heard = len(self.said())
        self.click(form, "Ввод_числа")
        # Str writes a blank before a number, as BASIC did.
        task = " ".join(self.wait_to_hear("Переведите", heard).split())
        number = task.rsplit(":", 1)[1].replace(" ", "")
        if task.startswith("Переведите из 10-й с.с. в 2-ую с.с."):
            return format(int(number), "b")
        if task.startswith("Переведите в 10-ую с.с. :"):
            return str(int(number, 2))
        raise Failure(f"a task for radix 2 was expected: {task!r}")


def sit(page_url, pictures, shots):
    profile = tempfile.mkdtemp(prefix="radixon-chromium-")
    browser = Browser(profile)
    try:
        pupil = Pupil(browser, pictures, shots)
        opened = time.monotonic()
        browser.call("Page.navigate", url=page_url)
        state = lambda: browser.evaluate("document.readyState === 'complete' && document.body.dataset.state")
        until("the page to show the program", lambda: state() in ("running", "problem"))
        if state() != "running":
            raise Failure("the page says: " + browser.evaluate("document.getElementById('loading').innerText") +
                          "\nits console:\n  " + "\n  ".join(browser.errors + browser.warnings))
        # The main window is drawn when its two cyan buttons are: nothing
        # else on the page has their colour. A small picture is quick to take,
        # so the time is close.
        until("the main window to be drawn", lambda: (browser.screenshot(0.25) == CYAN).all(axis=2).sum() > 500)
        drawn = time.monotonic() - opened
        share = until("the main window to be drawn as designed",
                      lambda: (lambda s: s if s <= MOST_DIFFERENT_SHARE else None)(pupil.find_window("Form1", "form1")),
                      timeout=10)
        pupil.save("form1")
        print(f"main window drawn {drawn:.2f} s after opening the page; "
              f"{100 * share:.2f} % of its pixels differ from the desktop's picture")

        pupil.click("Form1", "Text1")
        browser.type_text(SURNAME)

        # Practice: decimal into radix 2, a wrong answer, then the right one.
        pupil.click("Form1", "Далее")
        until("the practice window", lambda: pupil.find_window("Form2", "form2") < 0.3)
        right = pupil.set_task("Form2")
        pupil.answer("Form2", right + "1", BLAME)
        pupil.answer("Form2", right, PRAISE)
        pupil.save("form2")
        pupil.click("Form2", "Выход")
        until("the main window again", lambda: pupil.find_window("Form1", "form1") < 0.1)

        # The test, of two tasks: one into radix 2, one back into decimal.
        pupil.click("Form1", "TESTIROVAN")
        until("the test window", lambda: pupil.find_window("Form4", "form4") < 0.3)
        pupil.click("Form4", "Text3")
        browser.press("End", 35)
        browser.press("Backspace", 8)
        browser.type_text("2")
        pupil.click("Form4", "Command3")
        for _ in range(2):
            pupil.answer("Form4", pupil.set_task("Form4"), PRAISE)
        heard = len(pupil.said())
        pupil.click("Form4", "Command2")
        page = pupil.wait_to_hear("Уважаемый", heard)
        for expected in (f" {SURNAME}!", "Из  2 возможных баллов Вы набрали", "100 %"):
            if expected not in page:
                raise Failure(f"the result page lacks {expected!r}: {page!r}")
        pupil.save("form4-result")

        pupil.click("Form4", "Выход")
        until("the main window after the test", lambda: pupil.find_window("Form1", "form1") < 0.1)
        pupil.click("Form1", "Выход")
        until("the end page", lambda: state() == "ended")
        pupil.save("ended")
        box = browser.evaluate("(r => [r.x + r.width / 2, r.y + r.height / 2])"
                               "(document.getElementById('again').getBoundingClientRect())")
        browser.click(*box)
        until("the program to start again", lambda: state() == "running")
        until("the main window drawn again", lambda: pupil.find_window("Form1", "form1") <= MOST_DIFFERENT_SHARE)
        # Its title bar's close button, at the right end of the bar Qt draws
        # above the menu, ends the program as Выход does.
        top, left = pupil.origin["Form1"]
        browser.click(left + pictures["form1"].shape[1] - 10, top - 11)
        until("the end page after the main window was closed", lambda: state() == "ended")

        if browser.errors:
            raise Failure("the console reported errors:\n  " + "\n  ".join(browser.errors))
        if browser.warnings:
            print("the console's warnings:\n  " + "\n  ".join(browser.warnings))
    finally:
        browser.close()
        shutil.rmtree(profile, ignore_errors=True)


def main():
    folder, form1, shots = sys.argv[1:4]
    os.makedirs(shots, exist_ok=True)
    desktop_pictures = os.path.dirname(form1)
    pictures = {name: numpy.asarray(Image.open(os.path.join(desktop_pictures, name + ".png")).convert("RGB"))
                .astype(numpy.int16) for name in ("form1", "form2", "form4")}
    server = serve(folder)
    try:
        sit(f"http://127.0.0.1:{server.server_port}/index.html", pictures, shots)
    except Failure as failure:
        print(f"FAILED: {failure} (pictures of the page in {shots})", file=sys.stderr)
        return 1
    finally:
        server.shutdown()
    print(f"the page passed; its pictures are in {shots}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
