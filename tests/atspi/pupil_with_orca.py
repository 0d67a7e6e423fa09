#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A blind pupil sits the test with Orca alone, by keyboard.

Each step presses keys as the pupil would and waits for the words Orca must
say for it, in order, before the next step: the surname, the instruction page
from the menu, a practice task and its worked solution, the test's radix and
count boxes, a task of the test, a wrong answer and the result page, read line
by line. The first number Orca says of a task or a box must be the one the box
shows. What Orca said at each step is printed. The second argument is Orca's
locale (C.UTF-8, or ru_RU.UTF-8 for Russian role words); run_under_xvfb.sh
gives it a private display and buses.
"""

import re
import subprocess
import sys

import pyatspi

from orca_says import TIMEOUT, Failure, OrcaSession

SURNAME = "Petrov"  # typed before the blank the surname box starts with
# Where a step's keys pass a box named like the button they end on, the step
# waits for the button, or the box, by Orca's word for it: a key pressed
# before Orca has caught up would find it behind. The words are Orca's own,
# in the language it runs in.
ROLES = {"C.UTF-8": (" push button", " text"), "ru_RU.UTF-8": (" нажимаемая кнопка", " текст")}
LANGUAGE = sys.argv[2] if len(sys.argv) > 2 else "C.UTF-8"
BUTTON, TEXT = ROLES.get(LANGUAGE, ROLES["C.UTF-8"])
# Stands for the first number Orca says from there on: it must be the one
# the focused box shows, read from the box over AT-SPI.
BOX = "{box}"
# The result area as Orca names it when it takes the focus.
RESULT = "^Результат тестирования"

# (what the pupil does, the keys, what Orca says for them, in order). Behind
# on a busy machine, Orca says where the focus is, not where it has been: a
# step of several keys waits only for the words of the last.
WALK = [
    ("the main window opens", None, ["Ваша фамилия"]),
    ("the surname", f"type:{SURNAME}", [r"^v\b"]),
    ("the menu bar", "alt", ["Регистрация"]),
    ("", "Right Right", ["Инструкция"]),
    ("the instruction page", "Return", ["Информационная страница", "Порядок проведения тестирования"]),
    ("", "Down Down", [r"1\. Ввести фамилию на вкладке 'Регистрация'\."]),
    ("back to the form", "alt", ["Регистрация"]),
    ("", "Return", ["Ваша фамилия", SURNAME]),
    ("to the practice", "shift+Tab Return", ["Показать решение"]),
    ("", "Tab", ["Задайте число"]),
    ("a practice task", "Return", ["Задайте число" + TEXT, BOX, r"Переведите из 10-й с\.с\. в\s+2-ую с\.с\."]),
    ("", "shift+Tab shift+Tab", ["Показать решение"]),
    ("its solution", "Return", ["Решение", r"^{number}\s+:\s+2\s+="]),
    ("", "Tab Tab", ["Назад"]),
    ("back to the main window", "Return", [r"Перевод из 10-й с\.с\. в другие"]),
    ("the test", "Tab Tab Return", ["Введите основание системы счисления" + BUTTON]),
    ("the radix box", "Tab", ["Введите основание системы счисления" + TEXT, BOX]),
    ("", "shift+Tab", ["Введите основание системы счисления" + BUTTON]),
    ("the count box", "shift+Tab", ["Введите количество заданий" + TEXT, BOX]),
    ("", "shift+Tab", ["Введите количество заданий" + BUTTON]),
    # The count's box, next in the Tab order, has just been written: Orca,
    # told of that after the focus had reached it, would take the box as
    # presented and say its number alone. The way back is longer but sure.
    ("six tasks", "Return", []),
    ("", " ".join(["shift+Tab"] * 6), ["Задайте число" + BUTTON]),
    ("a task of the test", "Return", ["Задайте число" + TEXT, BOX, r"Переведите из 10-й с\.с\. в\s+2-ую с\.с\."]),
    ("the answer box", "Tab Return", ["Введи ответ"]),
    ("a wrong answer", "1 Return", ["НЕПРАВИЛЬНО!!!"]),
    ("", "Return", ["Введите ответ"]),
    # The pupil goes on one key at a time, hearing each control, the empty
    # result area among them, as a pupil does who does not yet know the way.
    ("", "Tab", ["Назад" + BUTTON]),
    ("", "Tab", [RESULT]),
    ("", "Tab", ["Показать результат" + BUTTON]),
    ("the result page", "Return", [RESULT, rf"Уважаемый\s+{SURNAME}"]),
    ("", "Down Down", [r"Из\s+6 возможных баллов Вы набрали"]),
    ("", "Down", [r"0\s+бал\."]),
    ("", "Down Down", [r"Ваш результат:\s+0 %"]),
    ("", "Down Down", ["Вам следует подготовиться лучше!"]),
    # The same page again, asked for with the mouse: the area keeps the
    # focus, and Orca reads the line the caret is put back on.
    ("the result page by mouse", "click:Показать результат", [rf"^\s*Уважаемый\s+{SURNAME}"]),
    ("leaving", "shift+Tab Return", ["Тестирование"]),
    ("", "Tab Tab", ["Выход"]),
    ("", "Return", []),
]


# Qt hands every key to the screen reader first and, when the answer takes
# more than 0.1 s (Orca on a busy machine), passes it on itself; an Alt passed
# on so reaches the menu bar twice, which opens and closes it at once. The
# pupil then presses Alt again, and so does the walk.
ALT_TRIES, ALT_WAIT = 3, 15.0


def tutor_finds(pid, wanted):
    """The first of the tutor's accessible objects, depth first, of which
    `wanted` holds, read afresh; None if there is none."""
    def find(node):
        node.clear_cache()
        if wanted(node):
            return node
        for child in (node.getChildAtIndex(i) for i in range(node.childCount)):
            found = child and find(child)
            if found:
                return found
        return None

    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return find(app)
    return None


def focused_box(pid):
    """The text in the tutor's focused text box, as AT-SPI gives it, and its number."""
    box = tutor_finds(pid, lambda node: node.getState().contains(pyatspi.STATE_FOCUSED) and
                      node.getState().contains(pyatspi.STATE_EDITABLE))
    if box is None:
        raise Failure("no text box of the tutor has the focus")
    shown = box.queryText().getText(0, -1)
    return shown, int(shown) if shown.strip().isdigit() else None


def click(pid, name):
    """Clicks the tutor's button called `name` with the mouse, at its middle."""
    button = tutor_finds(pid, lambda node: node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == name and
                         node.getState().contains(pyatspi.STATE_SHOWING))
    if button is None:
        raise Failure(f"the tutor shows no button {name!r}")
    box = button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1"],
                   check=True)


def step(session, keys, words, numbers):
    """Presses `keys` and returns what Orca said up to the last of `words`."""
    since = len(session.heard())
    if keys and keys.startswith("type:"):
        session.type(keys[len("type:"):])
    elif keys and keys.startswith("click:"):
        click(session.tutor.pid, keys[len("click:"):])
    elif keys:
        session.press(keys)
    said = []
    for pattern in words:
        pattern = pattern.replace("{number}", str(numbers[-1] if numbers else ""))
        said += session.wait_for(r"\d" if pattern == BOX else pattern, since + len(said),
                                 ALT_WAIT if keys == "alt" else TIMEOUT)
        if pattern == BOX:
            heard = int(re.search(r"\d+", said[-1]).group())
            shown, number = focused_box(session.tutor.pid)
            if heard != number:
                raise Failure(f"Orca said {said[-1]!r} first of the box that shows {shown!r}; it said {said!r}")
            numbers.append(number)
    return said


def walk(session):
    numbers = []
    for what, keys, words in WALK:
        for attempt in range(1, ALT_TRIES + 1 if keys == "alt" else 2):
            try:
                said = step(session, keys, words, numbers)
                break
            except Failure:
                if keys != "alt" or attempt == ALT_TRIES:
                    raise
                print(f"{'':>24} [alt]: no menu bar; Alt once more", flush=True)
        print(f"{what:>24} [{keys or ''}]: " + " | ".join(said), flush=True)
    # The practice draws from 30 to 219, the test from 50 to 248; between
    # them the radix box shows 2 and the count 6.
    if not (30 <= numbers[0] <= 219 and numbers[1:3] == [2, 6] and 50 <= numbers[3] <= 248):
        raise Failure(f"the numbers were {numbers}")


def main():
    if len(sys.argv) not in (2, 3) or LANGUAGE not in ROLES:
        print(f"usage: pupil_with_orca.py PATH/TO/radixon [{'|'.join(ROLES)}]", file=sys.stderr)
        return 2
    try:
        with OrcaSession(sys.argv[1], LANGUAGE) as session:
            walk(session)
            try:
                code = session.tutor.wait(timeout=60)
            except subprocess.TimeoutExpired:
                raise Failure("the tutor did not end after Выход") from None
            if code != 0:
                raise Failure(f"the tutor ended with exit code {code}")
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    print("passed: Orca said every page, task, verdict and result where it appeared")
    return 0


if __name__ == "__main__":
    sys.exit(main())
