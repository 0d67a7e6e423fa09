#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web page in Debian's Chromium, headless, driven over its DevTools
protocol as a pupil drives it:
    page_in_chromium.py FOLDER FORM1_PNG PICTURES
FOLDER (the page) is served on 127.0.0.1; the main window must look as the
desktop's picture FORM1_PNG; a surname typed in Russian must reach the result
page of a two-task test; a practice task is answered wrongly, then rightly;
Выход, and the main window's close button clicked, leave the end page, whose
button starts the program again; turned to a phone's screen, the main window
fits it; the console must report no error. All of it twice: on a computer
(mouse and keyboard), and on an Android tablet, tapped, with letters from its
on-screen keyboard. What the program says to a screen reader, read from the
page's live region, tells each step's outcome. Pictures go to PICTURES."""
import base64, functools, http.server, io, json, os, re, subprocess, sys, tempfile, threading, time
import urllib.request

import numpy
import websocket
from PIL import Image

VIEWPORT = (1400, 1000)
GREY = (224, 224, 224)  # the windows' own background, and no other part of the page's
# A pixel differs when a channel is this far off (letters' edges are smoothed
# a little otherwise); the design's colours, places and faces keep the share
# of such pixels below the second.
DIFFERENT, MOST_DIFFERENT_SHARE = 96, 0.02
# The controls clicked, by their design rectangles in twips (15 to a pixel).
CONTROLS = {"Text1": (4440, 720, 4695, 855), "Далее": (360, 3120, 4095, 735), "TESTIROVAN": (6120, 3600, 3135, 735),
            "Выход": (7200, 5880, 1695, 735), "Form2.Ввод_числа": (6000, 2520, 2655, 1050),
            "Form2.Ввод_ответа": (13440, 6000, 3855, 1650), "Form2.Выход": (14160, 9240, 2895, 570),
            "Form4.Text3": (10440, 1920, 2535, 765), "Form4.Command3": (720, 1920, 9375, 810),
            "Form4.Ввод_числа": (840, 3000, 4335, 1050), "Form4.Ввод_ответа": (10440, 6000, 2655, 1050),
            "Form4.Command2": (1680, 4920, 5175, 570), "Form4.Выход": (11400, 9000, 2895, 570)}
SURNAME, PRAISE, BLAME = "Ёлкина-Щукина", "МОЛОДЕЦ!!!  ПРАВИЛЬНО!!!", "НЕПРАВИЛЬНО!!!"


class Failure(Exception):
    pass


class Files(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass  # quietly


def until(what, check, timeout=60):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = check()
        if found:
            return found
        time.sleep(0.1)
    raise Failure(f"gave up waiting for {what}")


def grey_box(image):
    """Top, left, height and width of the window's own background."""
    rows, columns = numpy.nonzero((image == GREY).all(axis=2))
    return tuple(int(n) for n in (rows.min(), columns.min(), rows.max() + 1 - rows.min(),
                                  columns.max() + 1 - columns.min())) if rows.size else None


ANDROID = "Mozilla/5.0 (Linux; Android 13; Pixel 7) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/120.0 Mobile Safari/537.36"


class Browser:
    """Chromium as a computer's (mouse, keyboard) or, `touch`, as an Android
    tablet's, tapped, with letters from its on-screen keyboard."""

    def __init__(self, profile, pictures, touch=False):
        self.process = subprocess.Popen(
            ["chromium", "--headless=new", "--no-sandbox", "--disable-gpu", "--enable-unsafe-swiftshader",
             "--no-first-run", "--remote-debugging-port=0", f"--user-data-dir={profile}", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True, start_new_session=True)
        port = next(m.group(1) for m in map(re.compile(r"listening on ws://127\.0\.0\.1:(\d+)/").search,
                                            self.process.stderr) if m)
        threading.Thread(target=self.process.stderr.read, daemon=True).start()
        with urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list") as reply:
            page = next(t for t in json.load(reply) if t["type"] == "page")
        self.socket = websocket.create_connection(page["webSocketDebuggerUrl"], timeout=60)
        self.last_id, self.errors, self.pictures, self.origin, self.touch = 0, [], pictures, None, touch
        for domain in ("Page", "Runtime", "Log"):
            self.call(f"{domain}.enable")
        if touch:
            self.call("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
            self.call("Emulation.setUserAgentOverride", userAgent=ANDROID)
        self.resize(*VIEWPORT)

    def resize(self, width, height):
        self.viewport = (width, height)
        self.call("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=1, mobile=False)

    def call(self, method, **params):
        self.last_id += 1
        self.socket.send(json.dumps({"id": self.last_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.last_id:
                if "error" in message:
                    raise Failure(f"{method}: {message['error']}")
                return message.get("result", {})
            event, details = message.get("method"), message.get("params", {})
            if event == "Runtime.consoleAPICalled" and details["type"] in ("error", "assert"):
                self.errors.append(" ".join(str(a.get("value", a.get("description"))) for a in details["args"]))
            elif event == "Runtime.exceptionThrown":
                self.errors.append(details["exceptionDetails"].get("exception", {}).get("description", "exception"))
            elif event == "Log.entryAdded" and details["entry"]["level"] == "error":
                self.errors.append(details["entry"]["text"])

    def evaluate(self, expression):
        return self.call("Runtime.evaluate", expression=expression, returnByValue=True)["result"].get("value")

    def state(self):
        return self.evaluate("document.readyState === 'complete' && document.body.dataset.state")

    def screenshot(self, scale=1, keep=None):
        clip = {"x": 0, "y": 0, "width": self.viewport[0], "height": self.viewport[1], "scale": scale}
        data = base64.b64decode(self.call("Page.captureScreenshot", format="png", clip=clip)["data"])
        if keep:
            with open(keep, "wb") as file:
                file.write(data)
        return numpy.asarray(Image.open(io.BytesIO(data)).convert("RGB")).astype(numpy.int16)

    def window(self, name):
        """Waits for the window of the desktop's picture `name`; returns the
        share of its pixels that differ from that picture."""
        picture = self.pictures[name]
        def shown():
            shot = self.screenshot()
            box, designed = grey_box(shot), grey_box(picture)
            return box and box[2:] == designed[2:] and (shot, box[0] - designed[0], box[1] - designed[1])
        shot, top, left = until(f"the window of {name}.png", shown)
        self.origin = (top, left)
        region = shot[top:top + picture.shape[0], left:left + picture.shape[1]]
        return float((numpy.abs(region - picture).max(axis=2) > DIFFERENT).mean())

    def click_at(self, x, y):
        if self.touch:
            self.call("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
            self.call("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
        else:
            for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
                self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", buttons=1, clickCount=1)
        time.sleep(0.2)

    def click(self, control, menu=0):
        x, y, width, height = CONTROLS[control]
        self.click_at(self.origin[1] + (x + width / 2) / 15, self.origin[0] + menu + (y + height / 2) / 15)

    def type(self, text):
        for letter in text:
            if self.touch:  # as an on-screen keyboard enters it
                self.call("Input.insertText", text=letter)
                continue
            self.call("Input.dispatchKeyEvent", type="keyDown", text=letter, key=letter)
            self.call("Input.dispatchKeyEvent", type="keyUp", key=letter)

    def press(self, key, code):
        extra = {"text": "\r"} if key == "Enter" else {}
        for kind in ("keyDown", "keyUp"):
            self.call("Input.dispatchKeyEvent", type=kind, key=key, code=key, windowsVirtualKeyCode=code, **extra)
        time.sleep(0.2)

    def said(self):
        return self.evaluate("Array.from(document.querySelectorAll('#said p'), p => p.textContent)")

    def hear(self, what, since):
        """The first line said after the first `since` that holds `what`."""
        return until(f"the page to say {what!r}",
                     lambda: next((line for line in self.said()[since:] if what in line), None), 30)

    def said_after(self, control, what):
        since = len(self.said())
        self.click(control)
        return self.hear(what, since)


def answer(browser, form, reply, verdict):
    since = len(browser.said())
    browser.click(f"{form}.Ввод_ответа")
    browser.hear("Введи ответ", since)
    browser.type(reply)
    browser.press("Enter", 13)
    judged = browser.hear("ПРАВИЛЬНО!!!", since)
    if judged != verdict:
        raise Failure(f"{reply!r} was judged {judged!r}, not {verdict!r}")
    browser.press("Enter", 13)


def set_task(browser, form):
    task = " ".join(browser.said_after(f"{form}.Ввод_числа", "Переведите").split())  # Str's blanks
    number = task.rsplit(":", 1)[1].replace(" ", "")
    if task.startswith("Переведите из 10-й с.с. в 2-ую с.с.:"):
        return format(int(number), "b")
    if task.startswith("Переведите в 10-ую с.с. :"):
        return str(int(number, 2))
    raise Failure(f"a task for radix 2 was expected: {task!r}")


def sit(browser, url, shots):
    opened = time.monotonic()
    browser.call("Page.navigate", url=url)
    until("the page to start the program", lambda: browser.state() in ("running", "problem"))
    if browser.state() != "running":
        raise Failure(browser.evaluate("document.body.innerText") + "\n" + "\n".join(browser.errors))
    # Drawn when its cyan buttons are: a small picture is quick to take.
    until("the main window", lambda: (browser.screenshot(0.25) == (0, 255, 255)).all(axis=2).sum() > 500)
    print(f"main window drawn {time.monotonic() - opened:.2f} s after opening the page")
    share = browser.window("form1")
    browser.screenshot(keep=os.path.join(shots, "form1.png"))
    if share > MOST_DIFFERENT_SHARE:
        raise Failure(f"{100 * share:.1f} % of the main window's pixels differ from the desktop's")
    browser.click("Text1", menu=19)
    browser.type(SURNAME)
    browser.click("Далее", menu=19)
    browser.window("form2")
    right = set_task(browser, "Form2")
    answer(browser, "Form2", right + "1", BLAME)
    answer(browser, "Form2", right, PRAISE)
    browser.click("Form2.Выход")
    browser.window("form1")
    browser.click("TESTIROVAN", menu=19)
    browser.window("form4")
    browser.click("Form4.Text3")
    browser.press("End", 35)
    browser.press("Backspace", 8)
    browser.type("2")
    browser.click("Form4.Command3")
    for _ in range(2):
        answer(browser, "Form4", set_task(browser, "Form4"), PRAISE)
    page = browser.said_after("Form4.Command2", "Уважаемый")
    browser.screenshot(keep=os.path.join(shots, "form4-result.png"))
    for expected in (f" {SURNAME}!", "Из  2 возможных баллов Вы набрали", "100 %"):
        if expected not in page:
            raise Failure(f"the result page lacks {expected!r}: {page!r}")
    browser.click("Form4.Выход")
    browser.window("form1")
    browser.click("Выход", menu=19)
    until("the end page", lambda: browser.state() == "ended")
    browser.screenshot(keep=os.path.join(shots, "ended.png"))
    browser.click_at(*browser.evaluate("(r => [r.x + r.width / 2, r.y + r.height / 2])"
                                       "(document.getElementById('again').getBoundingClientRect())"))
    until("the program to start again", lambda: browser.state() == "running")
    # A phone's screen, turned sideways and back: the window is drawn smaller
    # to fit it whole, then as designed again.
    browser.resize(800, 360)
    until("the main window to fit a phone", lambda: (lambda box: box and box[0] + box[2] <= 360 and box[3] < 641)(
        grey_box(browser.screenshot())))
    browser.screenshot(keep=os.path.join(shots, "form1-phone.png"))
    browser.resize(*VIEWPORT)
    browser.window("form1")
    # The close button at the right of the title bar above the menu (Qt 6.4
    # draws the bar itself, and its buttons answer the mouse only).
    if not browser.touch:
        browser.click_at(browser.origin[1] + browser.pictures["form1"].shape[1] - 10, browser.origin[0] - 11)
        until("the end page after closing the main window", lambda: browser.state() == "ended")
    if browser.errors:
        raise Failure("the console reported errors:\n  " + "\n  ".join(browser.errors))


def main():
    folder, form1, shots = sys.argv[1:4]
    pictures = {name: numpy.asarray(Image.open(os.path.join(os.path.dirname(form1), name + ".png")).convert("RGB"))
                .astype(numpy.int16) for name in ("form1", "form2", "form4")}
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Files, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    for touch, kind in ((False, "computer"), (True, "tablet")):
        folder_shots = os.path.join(shots, kind)
        os.makedirs(folder_shots, exist_ok=True)
        with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as profile:
            browser = Browser(profile, pictures, touch)
            try:
                sit(browser, f"http://127.0.0.1:{server.server_port}/index.html", folder_shots)
            except Failure as failure:
                browser.screenshot(keep=os.path.join(folder_shots, "failed.png"))
                print(f"FAILED on a {kind}: {failure} (the page as it was: {folder_shots}/failed.png)",
                      file=sys.stderr)
                return 1
            finally:
                os.killpg(browser.process.pid, 9)  # Chromium and its helpers
                browser.process.wait()
    print(f"the page passed; its pictures are in {shots}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
