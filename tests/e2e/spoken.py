"""Plays Quellix by keys while Orca runs, and reads what Orca said in its log.

Each utterance is a line "HH:MM:SS.ffffff - SPEECH OUTPUT: '...'". Two moves:
L puts the cursor on the largest group (Orca reads the cell: "crab, group of
4, 10 points"), Space plays it; within 2 s of each Space Orca must have said
the move's points and the new score. S asks for the score. Then a Falling
Tiles game from the menu bar (F10), where a batch must be said when it falls;
the falling options, whose period box must be read with its line's words and
unit; and Ctrl+Q to leave. Fails with a message and exit status 1.
"""
import datetime
import os
import re
import subprocess
import sys
import time

LINE = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'(?:\s*\{.*\})?\s*$")
CELL = re.compile(r"^[a-z -]+, group of (\d+), (\d+) points\.$")
MOVE = re.compile(r"^(\d+) points, score (\d+)\. Now: ")  # said after "notification."
LIMIT = 2.0  # seconds from a key to what it must make Orca say

log_path, game_pid = sys.argv[1], int(sys.argv[2])


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def now():
    t = datetime.datetime.now()
    return t.hour * 3600 + t.minute * 60 + t.second + t.microsecond / 1e6


def utterances():
    out = []
    with open(log_path, encoding="utf-8", errors="replace") as log:
        for line in log:
            m = LINE.match(line)
            if m:
                out.append((int(m[1]) * 3600 + int(m[2]) * 60 + float(m[3]), m[4]))
    return out


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)
    return now()


def said_after(since, test, seconds):
    """The first utterance from `since` on that passes test, waiting up to `seconds`."""
    deadline = time.monotonic() + seconds
    while True:
        for at, text in utterances():
            if at >= since and test(text):
                return at, text
        if time.monotonic() > deadline:
            return None
        time.sleep(0.05)


score = 0
for move in (1, 2):
    pressed = key("l")
    found = said_after(pressed, CELL.match, LIMIT)
    if not found:
        fail(f"move {move}: after L, no cell of a group was read")
    points = int(CELL.match(found[1])[2])
    pressed = key("space")
    heard = said_after(pressed, MOVE.match, LIMIT + 1)
    if not heard:
        fail(f"move {move}: nothing said about the move after Space")
    delay = heard[0] - pressed
    said_points, said_score = map(int, MOVE.match(heard[1]).groups())
    print(f"move {move}: '{heard[1]}' {delay:.3f} s after Space")
    if delay > LIMIT:
        fail(f"move {move}: the move was said {delay:.3f} s after Space, more than {LIMIT} s")
    if said_points != points or said_score != score + points:
        fail(f"move {move}: expected {points} points, score {score + points}")
    score += points
    # Said once: no second utterance of the move.
    time.sleep(0.5)
    if sum(1 for at, text in utterances() if at >= pressed and MOVE.match(text)) != 1:
        fail(f"move {move}: the move was said more than once")

pressed = key("s")
heard = said_after(pressed, lambda t: t.startswith(f"Score {score}, time "), LIMIT)
if not heard:
    fail("S did not say the score and the time")
print(f"S: '{heard[1]}' {heard[0] - pressed:.3f} s after the key")

# Falling Tiles from the menu bar: F10 opens the Game menu; "Falling Blocks" is its second item.
pressed = key("F10")
if not said_after(pressed, lambda t: t.startswith("Game"), LIMIT):
    fail("F10 did not open the Game menu")
time.sleep(0.5)  # the menu is open, no item yet chosen: Down twice is its second item
key("Down")
time.sleep(0.3)
pressed = key("Down")
if not said_after(pressed, lambda t: t.startswith("Falling Blocks"), LIMIT):
    fail("Down in the Game menu did not reach Falling Blocks")
started = key("Return")
heard = said_after(started, lambda t: t.startswith("Tiles fell."), 10)
if not heard:
    fail("no falling batch was said within 10 s of a Falling Tiles game")
print(f"batch: '{heard[1]}' {heard[0] - started:.3f} s after the game started")

# The falling options from the menu bar: the period's box is read with its line's words and unit.
key("F10")
time.sleep(0.5)
key("Right")  # the Options menu
time.sleep(0.5)
pressed = key("Up")  # round to its last item
if not said_after(pressed, lambda t: t.startswith("Falling Tile Options.."), LIMIT):
    fail("the Options menu's last item is not Falling Tile Options..")
pressed = key("Return")
if not said_after(pressed, lambda t: t.startswith("Set Falling Tile Game Options dialog"), LIMIT):
    fail("the falling options did not open")
key("Tab")
time.sleep(0.3)
pressed = key("Tab")
heard = said_after(pressed, lambda t: "combo box" in t, LIMIT)
if not heard or not heard[1].startswith("Tiles falls for every, seconds"):
    fail(f"the period's box was read as {heard[1] if heard else 'nothing'}")
print(f"falling options: '{heard[1]}'")
key("Escape")
time.sleep(0.5)

key("ctrl+q")
for _ in range(50):
    if not os.path.exists(f"/proc/{game_pid}"):
        break
    time.sleep(0.1)
else:
    fail("Ctrl+Q did not end the game")
print("spoken: passed")
