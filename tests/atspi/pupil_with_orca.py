#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A blind pupil sits the test with Orca alone, by keyboard.

Each step presses keys as the pupil would and waits for the words Orca must
say for it, in order, before the next step: the surname, the instruction page
from the menu, a practice task and its worked solution, a task of the test,
a wrong answer and the result page, read line by line. What Orca said at
each step is printed. run_under_xvfb.sh gives it a private display and buses.
"""

import os
import re
import subprocess
import sys

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from orca_says import TIMEOUT, Failure, OrcaSession  # noqa: E402

SURNAME = "Petrov"  # typed before the blank the surname box starts with
NUMBER = r"^ (\d+)$"  # a task's number as the box shows it
# Where a step's keys pass a box named like the button they end on, the step
# waits for the button by Orca's word for it (Orca speaks English here): a
# key pressed before Orca has caught up would find it behind.
BUTTON = " push button"

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
    ("a practice task", "Return", ["Задайте число", r"Переведите из 10-й с\.с\. в\s+2-ую с\.с\.", NUMBER]),
    ("", "shift+Tab shift+Tab", ["Показать решение"]),
    ("its solution", "Return", ["Решение", r"^{number}\s+:\s+2\s+="]),
    ("", "Tab Tab", ["Назад"]),
    ("back to the main window", "Return", [r"Перевод из 10-й с\.с\. в другие"]),
    ("the test", "Tab Tab Return", ["Введите основание системы счисления"]),
    ("", "shift+Tab shift+Tab", ["Введите количество заданий" + BUTTON]),
    # The count's box, next in the Tab order, has just been written: Orca,
    # told of that after the focus had reached it, would take the box as
    # presented and say its number alone. The way back is longer but sure.
    ("six tasks", "Return", []),
    ("", " ".join(["shift+Tab"] * 6), ["Задайте число" + BUTTON]),
    ("a task of the test", "Return", ["Задайте число", r"Переведите из 10-й с\.с\. в\s+2-ую с\.с\.", NUMBER]),
    ("the answer box", "Tab Return", ["Введи ответ"]),
    ("a wrong answer", "1 Return", ["НЕПРАВИЛЬНО!!!"]),
    ("", "Return", ["Введите ответ"]),
    ("", "Tab Tab Tab", ["Показать результат" + BUTTON]),
    ("the result page", "Return", ["Результат тестирования", rf"Уважаемый\s+{SURNAME}"]),
    ("", "Down Down", [r"Из\s+6 возможных баллов Вы набрали"]),
    ("", "Down", [r"0\s+бал\."]),
    ("", "Down Down", [r"Ваш результат:\s+0 %"]),
    ("", "Down Down", ["Вам следует подготовиться лучше!"]),
    ("leaving", "shift+Tab Return", ["Тестирование"]),
    ("", "Tab Tab", ["Выход"]),
    ("", "Return", []),
]


# Qt hands every key to the screen reader first and, when the answer takes
# more than 0.1 s (Orca on a busy machine), passes it on itself; an Alt passed
# on so reaches the menu bar twice, which opens and closes it at once. The
# pupil then presses Alt again, and so does the walk.
ALT_TRIES, ALT_WAIT = 3, 15.0


def step(session, keys, words, numbers):
    """Presses `keys` and returns what Orca said up to the last of `words`."""
    since = len(session.heard())
    if keys and keys.startswith("type:"):
        session.type(keys[len("type:"):])
    elif keys:
        session.press(keys)
    said = []
    for pattern in words:
        pattern = pattern.replace("{number}", str(numbers[-1] if numbers else ""))
        said += session.wait_for(pattern, since + len(said), ALT_WAIT if keys == "alt" else TIMEOUT)
        if pattern == NUMBER:
            numbers.append(int(re.search(NUMBER, said[-1]).group(1)))
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
    # The practice draws from 30 to 219, the test from 50 to 248.
    if not (30 <= numbers[0] <= 219 and 50 <= numbers[1] <= 248):
        raise Failure(f"the tasks were {numbers}")


def main():
    if len(sys.argv) != 2:
        print("usage: pupil_with_orca.py PATH/TO/radixon", file=sys.stderr)
        return 2
    try:
        with OrcaSession(sys.argv[1]) as session:
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
