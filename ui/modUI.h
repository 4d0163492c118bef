// Painting the board: every tile as a picture of the chosen set and size, and
// the points of a move written over one cell.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <cstdint>

#include "modData.h"
#include "tile_pictures.h"

namespace qlx {

// Draws every tile (codes 0..9) of the board at its place; border and empty
// cells are left as they are. The pictures are those of s.tileSet in `list`.
void drawBoard(QPainter& painter, const GameState& s, const ImageList& list);

// Writes the points in decimal, centred on the cell (c, r) counted from 0 at
// the top-left, clipped to that cell's square, in the painter's font and pen.
void drawPoints(QPainter& painter, int16_t tileSize, int16_t c, int16_t r, int32_t points);

}  // namespace qlx
