"""Reads the running Quellix through AT-SPI as a screen reader does.

Finds the board (a table) in the accessibility tree, reads a cell's name,
moves the cursor with key presses (xdotool) and reads the newly focused cell,
then plays the group under it with Space and reads the score. Fails with a
message and exit status 1.
"""
import re
import subprocess
import sys
import time

import pyatspi

CELL_NAME = re.compile(r"^[a-z -]+, (group of (\d+), (\d+) points|no group)$")


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, find, seconds=20.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    fail(f"timed out after {seconds:g} s waiting for " + what)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "quellix":
            return app
    return None


def descendant(root, test):
    return pyatspi.findDescendant(root, lambda a: a is not None and test(a))


def focused_cell(board):
    for cell in board:
        if cell.getState().contains(pyatspi.STATE_FOCUSED):
            return cell
    return None


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "50", *names], check=True)


app = wait_for("the program in the accessibility tree", application)
board = wait_for("the board", lambda: descendant(app, lambda a: a.getRole() == pyatspi.ROLE_TABLE))
table = board.queryTable()
print(f"board '{board.name}': {table.nRows} rows x {table.nColumns} columns")
if (table.nRows, table.nColumns) != (10, 12) or board.childCount != 120:
    fail("the board should be a table of 10 x 12 cells")

bottom_right = table.getAccessibleAt(9, 11)
print("bottom-right cell:", bottom_right.name)
if not CELL_NAME.match(bottom_right.name) or bottom_right.getRole() != pyatspi.ROLE_TABLE_CELL:
    fail("unexpected bottom-right cell: " + bottom_right.name)
if focused_cell(board) is not None:
    fail("a cell has the focus before any key")
wait_for("the board to have the keyboard focus",
         lambda: board if board.getState().contains(pyatspi.STATE_FOCUSED) else None)

# The first arrow key shows the cursor on the bottom-right tile; then one step left and one up.
keys("Left")
wait_for("the bottom-right cell to take the focus", lambda: focused_cell(board) if
         focused_cell(board) and focused_cell(board).getIndexInParent() == table.getIndexAt(9, 11) else None)
keys("Left", "Up")
target = table.getIndexAt(8, 10)
cell = wait_for("the cell at row 9, column 11 to take the focus",
                lambda: focused_cell(board) if focused_cell(board) and
                focused_cell(board).getIndexInParent() == target else None)
print("after Left, Left, Up the focused cell is:", cell.name, "--", cell.description)
if cell.name != table.getAccessibleAt(8, 10).name or cell.description != "row 9, column 11":
    fail("the focused cell is not the one under the cursor")

# Walk left along that row to a tile in a group and play it with Space.
column = 10
while not CELL_NAME.match(table.getAccessibleAt(8, column).name).group(2):
    column -= 1
    if column < 0:
        fail("no group on row 9 of the first deal")
    keys("Left")
points = int(CELL_NAME.match(table.getAccessibleAt(8, column).name).group(3))
keys("space")
score = wait_for("the score label to read the points",
                 lambda: descendant(app, lambda a: a.name == f"Score {points}"))
print(f"after Space: '{score.name}'; focused cell:", focused_cell(board).name)
print("screen reader: passed")
