#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The print areas as Orca gets them: over AT-SPI, from the real tutor.

Starts the tutor (the program given as the first argument) on the X display
and session bus it inherits, finds it on the AT-SPI desktop and drives it
only through AT-SPI, as a blind pupil's screen reader would: it presses the
menu item "Инструкция" and reads the main window's page back through the Text
interface, then goes to the test window, prints a result page and reads that.
On the way it checks that the areas can take the focus, that the text-changed
events arrive with what each print added and what cls took away, and that the
caret moves from line to line with the arrow keys.

run_under_xvfb.sh gives it a private display and private buses.
"""

import os
import signal
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

import pyatspi  # noqa: E402

# Generous: the machine may be busy with the rest of the test suite.
TIMEOUT = 30.0

# The instruction page, blanks as printed (main_window/information_pages.cpp).
INSTRUCTION = [
    " " * 15 + "Порядок проведения тестирования  ",
    "",
    " 1. Ввести фамилию на вкладке 'Регистрация'.",
    " 2. Щелкнуть на кнопке 'Тестирование'.",
    " 3. Ввести в поле ввода основание системы счисления,   ",
    "   и щелкните на кнопке 'Введите основание системы счисления'.",
    " 4. Ввести в поле ввода количество заданий,   ",
    "     и щелкните на кнопке 'Введите количество заданий'.",
    " 5. Выбрать число щелкнув на кнопке 'ЗАДАЙТЕ ЧИСЛО'.",
    " 6. Переведите число в требуемую систему счисления.",
    " 7. Щелкните на кнопке 'Введите ответ'.",
    " 8. Повторить п. 5 - 7 соответствующее количеству заданий раз.",
    " 9. Результат показать преподавателю.",
    " 10. После оценки результата щелкнуть на кнопке 'Назад', затем 'Выход'. ",
]

SURNAME = "Иванов"

# The result page of a test of six tasks with none answered.
RESULT = [
    "",
    " " * 11 + "Уважаемый  " + SURNAME + "!",
    "",
    " " * 3 + "Из  6 возможных баллов Вы набрали",
    " " * 9 + "0   бал.  ",
    "",
    " " * 4 + "Ваш результат:   0 % ",
    "",
    " " * 4 + "Вам следует подготовиться лучше!",
]

XK_DOWN = 0xFF54


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def pump(seconds=0.0):
    """Delivers the AT-SPI events that have arrived, for at least `seconds`."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls `probe` until it returns something true; fails after `timeout`."""
    end = time.monotonic() + timeout
    last_error = None
    while True:
        pump()
        try:
            found = probe()
            if found:
                return found
        except GLib.Error as error:  # an object that went away while looked at
            last_error = error
        if time.monotonic() >= end:
            detail = f" (last error: {last_error})" if last_error else ""
            raise Failure(f"gave up after {timeout:.0f} s waiting for {what}{detail}")
        time.sleep(0.05)


def children(node):
    node.clear_cache()
    return [child for child in (node.getChildAtIndex(i) for i in range(node.childCount)) if child is not None]


def states(node):
    node.clear_cache()
    return {pyatspi.stateToString(state) for state in node.getState().getStates()}


def find(node, name, role):
    """The first object in the tree under `node` with this name and role name."""
    if node.name == name and node.getRoleName() == role:
        return node
    for child in children(node):
        found = find(child, name, role)
        if found is not None:
            return found
    return None


def find_showing(node, name, role):
    found = find(node, name, role)
    return found if found is not None and "showing" in states(found) else None


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check("Press" in names, f"{node.name!r} has no Press action, only {names}")
    action.doAction(names.index("Press"))


def all_text(node):
    text = node.queryText()
    return text.getText(0, -1)


def lines_by_line_boundary(node):
    """The text line by line, the way Orca walks a text with the Down key."""
    text = node.queryText()
    lines, offset = [], 0
    for _ in range(1000):
        line, start, end = text.getTextAtOffset(offset, pyatspi.TEXT_BOUNDARY_LINE_START)
        check(start == offset, f"the line at offset {offset} starts at {start}")
        lines.append(line[:-1] if line.endswith("\n") else line)
        if end >= text.characterCount:
            return lines
        check(end > offset, f"the line at offset {offset} does not end after it ({end})")
        offset = end
    raise Failure("more than 1000 lines")


def expect_lines(node, expected, what):
    joined = "\n".join(expected)
    actual = all_text(node)
    check(actual == joined, f"{what}: the Text interface reads\n{actual!r}\ninstead of\n{joined!r}")
    check(node.queryText().characterCount == len(joined), f"{what}: wrong character count")
    by_line = lines_by_line_boundary(node)
    check(by_line == expected, f"{what}: line by line it reads {by_line!r}")


class TextEvents:
    """The object:text-changed and caret events of one accessible name."""

    def __init__(self):
        self.events = []
        pyatspi.Registry.registerEventListener(self._heard, "object:text-changed", "object:text-caret-moved")

    def _heard(self, event):
        try:
            name = event.source.name if event.source is not None else None
        except GLib.Error:
            name = None
        self.events.append((event.type, name, event.detail1, event.detail2, event.any_data))

    def of(self, name, kind):
        return [e for e in self.events if e[1] == name and str(e[0]).startswith(kind)]

    def inserted_text(self, name):
        """What the insert events of `name` add up to, checking each goes where the last ended."""
        text, end = "", None
        for _, _, position, length, data in self.of(name, "object:text-changed:insert"):
            check(end is None or position == end, f"{name!r}: an insert at {position} after one ending at {end}")
            check(isinstance(data, str) and len(data) == length, f"{name!r}: insert of {length} said {data!r}")
            text, end = text + data, position + length
        return text

    def clear(self):
        self.events.clear()


def find_application(pid):
    def probe():
        for app in children(pyatspi.Registry.getDesktop(0)):
            if app.name in ("radixon", "РАДИКСОН") and app.get_process_id() == pid:
                return app
        return None

    return wait_for("the tutor on the AT-SPI desktop", probe)


def close_message_boxes(app):
    """Presses OK on any message box that is open; returns their texts."""
    texts = []
    for window in children(app):
        if window.getRoleName() not in ("dialog", "alert") or "showing" not in states(window):
            continue
        texts.append(window.name)
        ok = find(window, "OK", "push button")
        if ok is not None:
            press(ok)
    return texts


def main_window_page(app, events):
    main = wait_for("the main window, active", lambda: next(
        (w for w in children(app) if w.name == "РАДИКСОН" and "active" in states(w)), None))
    page_name = "Информационная страница"
    # Until a page is printed, the area is only the background of the form's
    # controls: nameless, and of a role a screen reader passes over.
    page = wait_for("the surname box", lambda: find_showing(main, "Ваша фамилия", "text")).parent
    page.clear_cache()
    check((page.name, page.getRoleName()) == ("", "filler"),
          f"the form's background reads as {page.name!r}, {page.getRoleName()!r}")
    interfaces = pyatspi.listInterfaces(page)
    check("Text" in interfaces, f"{page_name!r} has no Text interface, only {interfaces}")
    page_states = states(page)
    check({"focusable", "read only", "multi line"} <= page_states, f"{page_name!r} states: {sorted(page_states)}")
    check("editable" not in page_states, f"{page_name!r} says it is editable")
    check(all_text(page) == "", "the page area is not empty at start")

    press(wait_for("the menu item Инструкция", lambda: find_showing(main, "Инструкция", "menu item")))
    wait_for("the instruction page", lambda: all_text(page) == "\n".join(INSTRUCTION))
    page.clear_cache()
    check((page.name, page.getRoleName()) == (page_name, "text"), f"the page reads as {page.name!r}, {page.getRoleName()!r}")
    expect_lines(page, INSTRUCTION, "instruction page")

    # Every line printed was announced where it went.
    joined = "\n".join(INSTRUCTION)
    wait_for("the text-changed events of the page", lambda: events.inserted_text(page_name) == joined)
    check(events.of(page_name, "object:text-changed:insert")[0][2] == 0, "the first insert is not at 0")

    # The controls made way, so the page has the focus, its caret at the start.
    wait_for("the focus on the page", lambda: "focused" in states(page))
    check(page.queryText().caretOffset == 0, "the caret is not at the start of the page")

    # The arrow keys move the caret line by line, and Orca is told.
    events.clear()
    pyatspi.Registry.generateKeyboardEvent(XK_DOWN, None, pyatspi.KEY_SYM)
    second_line = len(INSTRUCTION[0]) + 1
    wait_for("the caret on the second line", lambda: page.queryText().caretOffset == second_line)
    pyatspi.Registry.generateKeyboardEvent(XK_DOWN, None, pyatspi.KEY_SYM)
    third_line = second_line + len(INSTRUCTION[1]) + 1
    wait_for("the caret on the third line", lambda: page.queryText().caretOffset == third_line)
    wait_for("the caret-moved events", lambda: [e[2] for e in events.of(page_name, "object:text-caret-moved")]
             == [second_line, third_line])
    line = page.queryText().getTextAtOffset(third_line, pyatspi.TEXT_BOUNDARY_LINE_START)[0]
    check(line == INSTRUCTION[2] + "\n", f"the line at the caret reads {line!r}")
    # A screen reader may put the caret itself (Orca's Say All does).
    page.queryText().setCaretOffset(0)
    check(page.queryText().caretOffset == 0, "setCaretOffset did not move the caret")

    # Back to the registration: cls takes the page away, and Orca is told; the
    # area is the nameless background again.
    events.clear()
    press(find(main, "Регистрация", "menu item"))
    wait_for("the page cleared", lambda: all_text(page) == "")
    wait_for("the text-changed:delete event", lambda: events.of("", "object:text-changed:delete"))
    deleted = events.of("", "object:text-changed:delete")
    check(len(deleted) == 1 and deleted[0][2] == 0 and deleted[0][4] == joined,
          f"cls was announced as {deleted!r}")
    page.clear_cache()
    check(page.getRoleName() == "filler", f"the form's background reads as a {page.getRoleName()!r}")
    return main


def result_page(app, main, events):
    surname = wait_for("the surname box", lambda: find_showing(main, "Ваша фамилия", "text"))
    surname.queryEditableText().setTextContents(SURNAME)
    wait_for("the surname typed", lambda: all_text(surname) == SURNAME)
    press(wait_for("the button Тестирование", lambda: find_showing(main, "Тестирование", "push button")))

    test = wait_for("the test window", lambda: next(
        (w for w in children(app) if w.name == "Тестирование" and "showing" in states(w)), None))
    result_name = "Результат тестирования"
    result = find(test, result_name, "text")
    check(result is not None, f"no text {result_name!r} in the test window")
    check("Text" in pyatspi.listInterfaces(result), f"{result_name!r} has no Text interface")
    check({"focusable", "read only", "multi line"} <= states(result), f"{result_name!r} states: {states(result)}")

    # The count of tasks first (its box holds 6), or the result button warns.
    count = find(test, "Введите количество заданий", "text")
    check(count is not None, "no box for the count of tasks")
    press(find(test, "Введите количество заданий", "push button"))
    wait_for("the count of tasks taken", lambda: all_text(count) == " 6")

    # A new task gives the focus to its number, described by the task.
    press(find(test, "Задайте число", "push button"))
    number = find(test, "Задайте число", "text")
    wait_for("the focus on the task's number", lambda: "focused" in states(number))
    number.clear_cache()
    check(number.description == "Переведите из 10-й с.с. в  2-ую с.с.", f"the task is {number.description!r}")

    events.clear()
    press(find(test, "Показать результат", "push button"))
    joined = "\n".join(RESULT)

    def printed():
        boxes = close_message_boxes(app)
        check(not boxes, f"a message box came up instead of the result: {boxes}")
        return all_text(result) == joined

    wait_for("the result page", printed)
    expect_lines(result, RESULT, "result page")
    wait_for("the text-changed events of the result", lambda: events.inserted_text(result_name) == joined)

    # The page takes the focus, its caret on the greeting, not the blank line above.
    wait_for("the focus on the result page", lambda: "focused" in states(result))
    check(result.queryText().caretOffset == 1, f"the caret is at {result.queryText().caretOffset}")
    return test


def run(program):
    events = TextEvents()  # before the start, so the tutor sends them from the first print
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    tutor = subprocess.Popen([program], env=environment)
    try:
        app = find_application(tutor.pid)
        main = main_window_page(app, events)
        test = result_page(app, main, events)
        # Leave as a pupil does: Назад, then Выход; the tutor ends by itself.
        press(find(test, "Назад", "push button"))
        press(wait_for("the button Выход", lambda: find_showing(main, "Выход", "push button")))
        try:
            code = tutor.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            raise Failure("the tutor did not end after Выход")
        check(code == 0, f"the tutor ended with exit code {code}")
    finally:
        if tutor.poll() is None:
            tutor.send_signal(signal.SIGTERM)
            try:
                tutor.wait(timeout=10)
            except subprocess.TimeoutExpired:
                tutor.kill()
                tutor.wait()


def main():
    if len(sys.argv) != 2:
        print("usage: print_areas_over_atspi.py PATH/TO/radixon", file=sys.stderr)
        return 2
    started = time.monotonic()
    try:
        run(sys.argv[1])
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    print(f"passed in {time.monotonic() - started:.1f} s: both pages read over AT-SPI")
    return 0


if __name__ == "__main__":
    sys.exit(main())
