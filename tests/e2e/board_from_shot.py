#!/usr/bin/env python3
"""Reads a Quellix board from a screenshot, plays a move on it, and compares.

  board_from_shot.py read SHOT.rgb WIDTH LEFT TOP TILE COLS ROWS
      prints the board, one line per row: a letter per kind of picture, '.' for
      an empty cell (the board's own light blue throughout)
  board_from_shot.py move BOARD_FILE
      prints "COL ROW" (from 0) of a cell in a group of two or more, and then the
      board expected after clearing it: the group goes, the tiles above fall
      down and every row slides right
  board_from_shot.py same BOARD_FILE BOARD_FILE
      succeeds when the two boards show the same kinds in the same cells,
      whatever letters each gave them

SHOT.rgb is a raw 8-bit RGB picture (ImageMagick: convert shot.png rgb:SHOT.rgb)
WIDTH pixels wide. LEFT, TOP and TILE are in the picture's pixels. Cells of
one kind show the same picture, pixel for pixel; only the middle of each cell
is read, so that the cursor's ring and rounding at the cell's edge do not count.
"""
import sys

EMPTY = (128, 128, 255)


def read(path, width, left, top, tile, cols, rows):
    data = open(path, "rb").read()
    kinds = {}
    board = []
    inset = max(2, tile // 6)
    for r in range(rows):
        line = ""
        for c in range(cols):
            x0, y0 = left + c * tile, top + r * tile
            pixels = []
            for y in range(y0 + inset, y0 + tile - inset):
                start = (y * width + x0 + inset) * 3
                pixels.append(data[start:start + (tile - 2 * inset) * 3])
            cell = b"".join(pixels)
            if cell == bytes(EMPTY) * (len(cell) // 3):
                line += "."
                continue
            kinds.setdefault(cell, chr(ord("a") + len(kinds)))
            line += kinds[cell]
        board.append(line)
    return board


def group(board, c, r):
    kind = board[r][c]
    seen, todo = {(c, r)}, [(c, r)]
    while todo:
        x, y = todo.pop()
        for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if 0 <= ny < len(board) and 0 <= nx < len(board[0]) and (nx, ny) not in seen and board[ny][nx] == kind:
                seen.add((nx, ny))
                todo.append((nx, ny))
    return seen


def move(board):
    rows, cols = len(board), len(board[0])
    for r in range(rows - 1, -1, -1):
        for c in range(cols):
            if board[r][c] != "." and len(group(board, c, r)) >= 2:
                gone = group(board, c, r)
                cells = [[("." if (x, y) in gone else board[y][x]) for x in range(cols)] for y in range(rows)]
                for x in range(cols):  # fall
                    column = [cells[y][x] for y in range(rows) if cells[y][x] != "."]
                    column = ["."] * (rows - len(column)) + column
                    for y in range(rows):
                        cells[y][x] = column[y]
                after = []
                for y in range(rows):  # slide right
                    row = [k for k in cells[y] if k != "."]
                    after.append("." * (cols - len(row)) + "".join(row))
                return (c, r), after
    return None, board


def normal(board):
    letters = {".": "."}
    return ["".join(letters.setdefault(k, chr(ord("a") + len(letters) - 1)) for k in row) for row in board]


if __name__ == "__main__":
    if sys.argv[1] == "same":
        a, b = (normal(open(f).read().split()) for f in sys.argv[2:4])
        sys.exit(0 if a == b else 1)
    if sys.argv[1] == "read":
        path, width, left, top, tile, cols, rows = sys.argv[2], *map(int, sys.argv[3:9])
        print("\n".join(read(path, width, left, top, tile, cols, rows)))
    else:
        board = open(sys.argv[2]).read().split()
        cell, after = move(board)
        if cell is None:
            sys.exit("no group on the board")
        print(*cell)
        print("\n".join(after))
