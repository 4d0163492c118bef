// Painting the board: every tile as a picture of the chosen set and size, and
// the points of a move written over one cell.
#pragma once

#include <QPainter>
#include <cstdint>

#include "board.h"
#include "tile_pictures.h"

namespace qlx {

// Draws every tile of cells, a board laid out as s.board is, at its place;
// other cells are left as they are. The pictures are those of the game's
// tile set in `list`, drawn at the game's tile size.
void drawBoard(QPainter& painter, const GameState& s, const Cells& cells, const ImageList& list);

// Writes the points in decimal, centred on a cell, clipped to that cell's
// square, in the painter's font and pen.
void drawPoints(QPainter& painter, const GameState& s, Cell cell, int32_t points);

}  // namespace qlx
