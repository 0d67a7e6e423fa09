#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What Orca says while the tutor is driven by keyboard alone.

Starts a window manager, Debian's Orca and the tutor on the display and
buses it inherits (tests/atspi/run_under_xvfb.sh gives private ones), sends
keys with xdotool and reads what Orca would speak from its debug log, the
lines "SPEECH OUTPUT". No synthesizer is needed: Orca finds no speech server
and still logs every utterance. Orca gets a home and settings of its own, so
nothing of the user's is read or written.

As a tool, each argument is a step: keys as xdotool names them ("Tab",
"shift+Tab", "alt Right Return") or "type:TEXT"; it prints what Orca said
after each step:
  tests/atspi/run_under_xvfb.sh build/radixon tests/atspi/orca_says.py "alt Right Right Return" Down
ORCA_SAYS_LANG=ru_RU.UTF-8 runs Orca in Russian. pupil_with_orca.py, beside
it, uses it as a library. ORCA_SAYS_KEEP=1 keeps Orca's whole debug log
(events, what it read of each object) and prints where.
"""

import locale
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# Orca speaks a second or more after a key on a busy machine.
TIMEOUT = 60.0

# "12:00:00.000 - SPEECH OUTPUT: 'Задайте число text.'{'established': False}"
UTTERANCE = re.compile(r" - SPEECH OUTPUT: '(.*)'(?: voice=\w+)?\s?[\[{]")

# Commands, each from the Debian package of its name.
NEEDED = ["orca", "openbox", "xdotool"]

# Orca will not start beside another Orca of the same user anywhere on the
# machine (the user's own screen reader, another test's), and names its
# process "orca" so that others will not start beside it. On private buses
# no two of them hear each other, so its script is run with both turned off.
ORCA = """import sys
script = {"__name__": "orca_says", "__file__": "/usr/bin/orca"}
exec(compile(open(script["__file__"]).read(), script["__file__"], "exec"), script)
script["otherOrcas"] = lambda: []
script["setProcessName"] = lambda name: None
sys.argv[0] = "orca"
sys.exit(script["main"]())
"""


class Failure(Exception):
    pass


def locale_folder(language, build):
    """Where glibc finds `language` ("ru_RU.UTF-8"): None where the system has
    it, else a folder in the build that localedef fills once from the
    locales package's sources, as a Russian school's machine has it."""
    saved = locale.setlocale(locale.LC_ALL)
    try:
        locale.setlocale(locale.LC_ALL, language)
        return None
    except locale.Error:
        pass
    finally:
        locale.setlocale(locale.LC_ALL, saved)
    folder = os.path.join(build, "locale")
    if os.path.exists(os.path.join(folder, language, "LC_CTYPE")):
        return folder
    name, charset = language.split(".")
    if not os.path.exists(f"/usr/share/i18n/locales/{name}"):
        raise Failure(f"no locale {language} and no locales package to make it (./scripts/test.sh installs it)")
    os.makedirs(folder, exist_ok=True)
    # Made aside and renamed: another test may be making it at the same time.
    making = tempfile.mkdtemp(dir=folder)
    subprocess.run(["localedef", "-i", name, "-f", charset, os.path.join(making, language)], check=True)
    try:
        os.rename(os.path.join(making, language), os.path.join(folder, language))
    except OSError:
        pass  # the other test's is there
    shutil.rmtree(making, ignore_errors=True)
    return folder


class OrcaSession:
    """The window manager, Orca and the tutor, each in a process group of its own."""

    def __init__(self, program, language="C.UTF-8", budget=420):
        missing = [command for command in NEEDED if not shutil.which(command)]
        if missing:
            raise Failure(f"missing Debian packages: {' '.join(missing)} (./scripts/test.sh installs them)")
        locale_path = locale_folder(language, os.path.dirname(os.path.abspath(program)))
        self.program = program
        self.work = tempfile.mkdtemp(prefix="orca-says-")
        self.log = os.path.join(self.work, "orca-debug.log")
        self.budget = budget
        self.processes = []
        self.tutor = None
        self.said, self.read = [], 0
        home = os.path.join(self.work, "home")
        # Orca's own words (roles, "blank") are those of the locale: C.UTF-8
        # gives the same English ones everywhere, ru_RU.UTF-8 a Russian
        # school's. SPEECHD_CMD: no speech-dispatcher is spawned, to speak
        # aloud or to outlive the session.
        self.environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config",
                                XDG_DATA_HOME=f"{home}/.local/share", XDG_CACHE_HOME=f"{home}/.cache",
                                LANG=language, LC_ALL=language, GSETTINGS_BACKEND="memory",
                                SPEECHD_CMD="/bin/false")
        self.environment.pop("SESSION_MANAGER", None)
        self.environment.pop("LANGUAGE", None)
        if locale_path:
            self.environment["LOCPATH"] = locale_path

    def __enter__(self):
        # However a step hangs, the session ends within its budget, and a
        # SIGTERM ends it too, stopping every process it started.
        def out_of_time(*_):
            raise Failure(f"the session took more than {self.budget} s")

        signal.signal(signal.SIGALRM, out_of_time)
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
        signal.alarm(self.budget)
        try:
            self._start("openbox", ["openbox", "--sm-disable"])
            self._wait("the window manager", lambda: subprocess.run(
                ["xdotool", "get_desktop"], capture_output=True).returncode == 0)
            # Orca writes its debug log through a buffer; its customizations
            # file, read at start, makes every line reach the log at once.
            preferences = os.path.join(self.work, "orca")
            os.makedirs(preferences)
            with open(os.path.join(preferences, "orca-customizations.py"), "w") as customizations:
                customizations.write("import orca.debug\norca.debug.debugFile.reconfigure(line_buffering=True)\n")
            self._start("orca", ["/usr/bin/python3", "-c", ORCA, "--user-prefs", preferences, "--debug-file", self.log])
            self._wait("Orca's first words", self.heard)
            # Orca turns accessibility on over the bus, and Qt follows. Qt
            # holds each key until the screen reader has seen it, and leaks
            # the keys (and libdbus the calls) still on their way when the
            # program ends: a sanitizer build checks memory errors here, not
            # leaks, which the AT-SPI test checks with no key in flight.
            sanitizer = ":".join(filter(None, [os.environ.get("ASAN_OPTIONS"), "detect_leaks=0"]))
            self.tutor = self._start("the tutor", [self.program], QT_QPA_PLATFORM="xcb", ASAN_OPTIONS=sanitizer)
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exception):
        signal.alarm(0)
        for process in reversed(self.processes):
            self._stop(process)
        if os.environ.get("ORCA_SAYS_KEEP"):
            print(f"Orca's debug log: {self.log}", file=sys.stderr)
        else:
            shutil.rmtree(self.work, ignore_errors=True)

    def _start(self, name, command, **environment):
        """Starts `command` in a process group of its own; its output goes to a
        file in the work folder, the tutor's errors to the test's output."""
        output = open(os.path.join(self.work, name.replace(" ", "-") + ".out"), "w")
        process = subprocess.Popen(command, env=dict(self.environment, **environment), start_new_session=True,
                                   stdout=output, stderr=None if command[0] == self.program else subprocess.STDOUT)
        output.close()
        process.name = name
        self.processes.append(process)
        return process

    @staticmethod
    def _stop(process):
        for sig, grace in ((signal.SIGTERM, 5), (signal.SIGKILL, 5)):
            try:
                os.killpg(process.pid, sig)
            except ProcessLookupError:
                pass
            try:
                process.wait(timeout=grace)
                return
            except subprocess.TimeoutExpired:
                continue

    def _wait(self, what, probe, timeout=TIMEOUT):
        end = time.monotonic() + timeout
        while not probe():
            for process in self.processes:
                if process.poll() is not None and process is not self.tutor:
                    raise Failure(f"{process.name} ended with {process.returncode} while waiting for {what}")
            if time.monotonic() > end:
                raise Failure(f"gave up after {timeout:.0f} s waiting for {what}")
            time.sleep(0.1)

    def heard(self):
        """Every utterance Orca has logged so far, in order."""
        try:
            with open(self.log, "rb") as log:
                log.seek(self.read)
                added = log.read()
        except FileNotFoundError:
            return self.said
        # Only whole lines: the last one may still be being written.
        complete = added[:added.rfind(b"\n") + 1]
        self.read += len(complete)
        lines = complete.decode("utf-8", errors="replace").splitlines()
        self.said += [match.group(1) for match in map(UTTERANCE.search, lines) if match]
        return self.said

    def press(self, keys):
        subprocess.run(["xdotool", "key", "--delay", "100"] + keys.split(), check=True)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "100", text], check=True)

    def wait_for(self, pattern, since, timeout=TIMEOUT):
        """The utterances from index `since` up to the first that matches `pattern`."""
        found = []

        def probe():
            said = self.heard()[since:]
            for index, utterance in enumerate(said):
                if re.search(pattern, utterance):
                    found[:] = said[:index + 1]
                    return True
            return False

        try:
            self._wait(f"Orca to say {pattern!r}", probe, timeout)
        except Failure as failure:
            raise Failure(f"{failure}; it said {self.heard()[since:]!r}") from None
        return found

    def wait_quiet(self, since, seconds=1.5, at_most=10.0):
        """Waits for Orca to say something after index `since` and then nothing
        more for `seconds`, or at most `at_most` seconds for its first words
        (the tool's steps have no words to wait for)."""
        start = last = time.monotonic()
        count = since
        while True:
            time.sleep(0.1)
            now = time.monotonic()
            if len(self.heard()) != count:
                count, last = len(self.heard()), now
            if now - (last if count > since else start) >= (seconds if count > since else at_most):
                return


def main():
    if len(sys.argv) < 2:
        print("usage: orca_says.py PATH/TO/radixon [KEYS | type:TEXT]...", file=sys.stderr)
        return 2
    try:
        with OrcaSession(sys.argv[1], os.environ.get("ORCA_SAYS_LANG", "C.UTF-8")) as session:
            for step in ["(start)"] + sys.argv[2:]:
                since = len(session.heard())
                if step.startswith("type:"):
                    session.type(step[len("type:"):])
                elif step != "(start)":
                    session.press(step)
                session.wait_quiet(since)
                print(f"{step}: " + " | ".join(session.heard()[since:]), flush=True)
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
