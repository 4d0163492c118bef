"""Plays Quellix by keys while Orca runs, and reads what Orca said in its log.

  spoken.py play WORK GAME_PID    the test itself (Orca's log is WORK/orca.log)
  spoken.py contain COMMAND...    runs COMMAND and then ends every process it
                                  left behind, daemons included; exits with
                                  COMMAND's status

Each utterance is a line "HH:MM:SS.ffffff - SPEECH OUTPUT: '...'". Every step
waits for what Orca says about it, never for a fixed time. First Orca must
have read the focused board. Two moves: L puts the cursor on the largest group
(Orca reads the cell: "crab, group of 4, 10 points", within its row), Space
plays it; within 2 s of each Space Orca must have said the move's points and
the new score, once. S asks for the score. Then a Falling Tiles game from the
menu bar (F10), where a batch must be said when it falls; the falling options,
whose period box must be read with its line's words and unit; and Ctrl+Q to
leave. Orca must have spoken through the test's speech server and no other.
Fails with a message and exit status 1.
"""
import ctypes
import datetime
import os
import re
import signal
import subprocess
import sys
import time

LINE = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'(?:\s*\{.*\})?\s*$")
# What the game says, in the language it is started in (LANGUAGE: en or de).
# In German only the moves and the score are checked: Orca's own words (the
# board's role, the menus) are then German too.
SAID = {
    "en": {"cell": r"^[a-z -]+, group of (\d+), (\d+) points\.$",
           "move": r"^(\d+) points, score (\d+)\. Now: ",  # said after "notification."
           "board": "table with 10 rows 12 columns", "score": "Score {score}, time "},
    "de": {"cell": r"^[^,]+, Gruppe aus (\d+), (\d+) Punkte\.$",
           "move": r"^(\d+) Punkte, Punktestand (\d+)\. Jetzt: ",
           "board": "Spielfeld", "score": "Punktestand {score}, Zeit "},
}
LANGUAGE = os.environ.get("LANGUAGE", "en").split(":")[0]
CELL = re.compile(SAID[LANGUAGE]["cell"])
MOVE = re.compile(SAID[LANGUAGE]["move"])
ROW = re.compile(r"^row \d+, column \d+\.$")
LIMIT = 2.0  # seconds from Space to the move's points and score
WAIT = 20.0  # seconds to wait for anything else Orca must say (a loaded machine is slow)
DAY = 24 * 3600


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def now():
    t = datetime.datetime.now()
    return t.hour * 3600 + t.minute * 60 + t.second + t.microsecond / 1e6


def after(at, since):
    """Seconds from `since` to `at`, both times of day (a run may cross midnight)."""
    return (at - since + DAY / 2) % DAY - DAY / 2


class Log:
    """Orca's utterances, read as the log grows: (time of day, text) in order."""

    def __init__(self, path):
        self.path, self.offset, self.rest, self.said = path, 0, "", []

    def read(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as log:
                log.seek(self.offset)
                chunk = log.read()
                self.offset = log.tell()
        except FileNotFoundError:
            return self.said
        lines = (self.rest + chunk).split("\n")
        self.rest = lines.pop()  # a line not yet ended
        for line in lines:
            m = LINE.match(line)
            if m:
                self.said.append((int(m[1]) * 3600 + int(m[2]) * 60 + float(m[3]), m[4]))
        return self.said

    def mark(self):
        """Where the utterances not yet made start."""
        return len(self.read())

    def wait(self, start, test, what, seconds=WAIT):
        """The index, time and text of the first utterance from index `start` on that passes test."""
        deadline = time.monotonic() + seconds
        while True:
            said = self.read()
            for i in range(start, len(said)):
                if test(said[i][1]):
                    return i, said[i][0], said[i][1]
            if time.monotonic() > deadline:
                fail(f"{what} (nothing within {seconds:.0f} s)")
            time.sleep(0.05)


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)
    return now()


def play(work, game_pid):
    log = Log(os.path.join(work, "orca.log"))

    # Orca has found the game's window and its focused board before any key.
    log.wait(0, lambda t: SAID[LANGUAGE]["board"] in t, "Orca did not read the focused board")

    score = 0
    moves = []  # where, in the utterances, each move's Space was pressed
    for move in (1, 2):
        mark = log.mark()
        pressed = key("l")
        _, at, _ = log.wait(mark, CELL.match, f"move {move}: after L, no cell of a group was read")
        print(f"move {move}: L read a cell {after(at, pressed):.3f} s after the key")
        before_space = log.mark()
        pressed = key("space")
        i, at, text = log.wait(before_space, MOVE.match, f"move {move}: nothing said about the move after Space")
        delay = after(at, pressed)
        print(f"move {move}: '{text}' {delay:.3f} s after Space")
        if delay > LIMIT:
            fail(f"move {move}: the move was said {delay:.3f} s after Space, more than {LIMIT} s")
        # Orca reads the cursor's cell within its row; the cursor is on the
        # largest group, so its points are the most of any cell read. All of
        # that reading comes before Orca handles Space.
        points = max(int(CELL.match(t)[2]) for _, t in log.said[mark:i] if CELL.match(t))
        said_points, said_score = map(int, MOVE.match(text).groups())
        if said_points != points or said_score != score + points:
            fail(f"move {move}: expected {points} points, score {score + points}")
        score += points
        moves.append(before_space)

    mark = log.mark()
    pressed = key("s")
    said_score = SAID[LANGUAGE]["score"].format(score=score)
    _, at, text = log.wait(mark, lambda t: t.startswith(said_score), "S did not say the score and the time")
    print(f"S: '{text}' {after(at, pressed):.3f} s after the key")
    # Said once: one utterance of each move up to the next step's.
    for move, (start, end) in enumerate(zip(moves, moves[1:] + [mark]), 1):
        if sum(1 for _, t in log.said[start:end] if MOVE.match(t)) != 1:
            fail(f"move {move}: the move was said more than once")

    if LANGUAGE != "en":
        leave(work, log, game_pid)
        return

    # Falling Tiles from the menu bar: F10 opens the Game menu; "Falling Blocks" is its second item.
    mark = log.mark()
    key("F10")
    log.wait(mark, lambda t: t.startswith("Game"), "F10 did not open the Game menu")
    for item in ("standard", "Falling Blocks"):
        mark = log.mark()
        key("Down")
        log.wait(mark, lambda t: t.startswith(item), f"Down in the Game menu did not reach {item}")
    mark = log.mark()
    started = key("Return")
    _, at, text = log.wait(mark, lambda t: t.startswith("Tiles fell."),
                           "no falling batch was said in a Falling Tiles game")
    print(f"batch: '{text}' {after(at, started):.3f} s after the game started")

    # The falling options from the menu bar: the period's box is read with its line's words and unit.
    mark = log.mark()
    key("F10")
    log.wait(mark, lambda t: t.startswith("Game"), "F10 did not open the Game menu")
    mark = log.mark()
    key("Right")  # the Options menu
    key("Up")  # round to its last item
    log.wait(mark, lambda t: t.startswith("Falling Tile Options.."),
             "the Options menu's last item is not Falling Tile Options..")
    mark = log.mark()
    key("Return")
    log.wait(mark, lambda t: t.startswith("Set Falling Tile Game Options dialog"), "the falling options did not open")
    # The dialog opens on Ok; Tab goes to Cancel, and Tab again to the period's box.
    mark = log.mark()
    key("Tab")
    log.wait(mark, lambda t: t.startswith("Cancel push button"), "Tab in the falling options did not reach Cancel")
    mark = log.mark()
    key("Tab")
    _, _, text = log.wait(mark, lambda t: "combo box" in t, "Tab from Cancel did not reach a box")
    if not text.startswith("Tiles falls for every, seconds"):
        fail(f"the period's box was read as {text}")
    print(f"falling options: '{text}'")
    mark = log.mark()
    key("Escape")
    log.wait(mark, lambda t: t.startswith("Quellix - "), "Escape did not close the falling options")

    leave(work, log, game_pid)


def leave(work, log, game_pid):
    """Ctrl+Q, and the checks of how Orca spoke."""
    key("ctrl+q")
    deadline = time.monotonic() + WAIT
    while os.path.exists(f"/proc/{game_pid}") and time.monotonic() < deadline:
        time.sleep(0.1)
    if os.path.exists(f"/proc/{game_pid}"):
        fail("Ctrl+Q did not end the game")

    # Orca spoke through the test's speech server, and never tried to start a
    # server of its own. (Not every utterance reaches the synthesiser: Orca
    # cancels what is still queued when a key is pressed.)
    if os.path.exists(os.path.join(work, "autospawn-tried")):
        fail("Orca tried to start a speech server of its own")
    try:
        with open(os.path.join(work, "synthesised.txt"), encoding="utf-8", errors="replace") as f:
            synthesised = {line.strip() for line in f}
    except FileNotFoundError:
        synthesised = set()
    if not any(text.strip() in synthesised for _, text in log.read()):
        fail("the test's speech server was given none of Orca's utterances to say")
    print("spoken: passed")


def descendants():
    """The processes below this one, from /proc."""
    parent = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as f:
                    stat = f.read()
            except OSError:
                continue
            parent[int(entry)] = int(stat[stat.rindex(")") + 2:].split()[1])
    below, found = {os.getpid()}, True
    while found:
        found = False
        for pid, ppid in parent.items():
            if ppid in below and pid not in below:
                below.add(pid)
                found = True
    below.discard(os.getpid())
    return below


def reap():
    while True:
        try:
            if os.waitpid(-1, os.WNOHANG)[0] == 0:
                return
        except ChildProcessError:
            return


def contain(command):
    # Orphans below this process (a forked daemon, a D-Bus service whose bus
    # ended) come back to it instead of to init, so that none escapes.
    PR_SET_CHILD_SUBREAPER = 36
    if ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0) != 0:
        fail("cannot keep the test's processes below it (prctl)")
    child = subprocess.Popen(command)
    for sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(sig, lambda signum, frame: child.send_signal(signum))
    status = child.wait()
    for sig, grace in ((signal.SIGTERM, 5.0), (signal.SIGKILL, 5.0)):
        left = descendants()
        if not left:
            break
        if sig == signal.SIGTERM:
            names = []
            for pid in sorted(left):
                try:
                    with open(f"/proc/{pid}/comm") as f:
                        names.append(f"{f.read().strip()} ({pid})")
                except OSError:
                    pass
            print("ending what the run left running: " + ", ".join(names), file=sys.stderr)
        for pid in left:
            try:
                os.kill(pid, sig)
            except ProcessLookupError:
                pass
        deadline = time.monotonic() + grace
        while time.monotonic() < deadline:
            reap()
            if not descendants():
                break
            time.sleep(0.05)
    reap()
    return status if status >= 0 else 128 - status


if __name__ == "__main__":
    if len(sys.argv) >= 3 and sys.argv[1] == "contain":
        sys.exit(contain(sys.argv[2:]))
    if len(sys.argv) == 4 and sys.argv[1] == "play":
        play(sys.argv[2], int(sys.argv[3]))
        sys.exit(0)
    fail("usage: spoken.py play WORK GAME_PID | spoken.py contain COMMAND...")
