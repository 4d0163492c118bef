// The board and the move: the state of a game and every procedure on it.
// Plain C++20, no Qt and no platform: each procedure works on the state it is
// given, shows nothing, plays nothing and never sleeps.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "options.h"
#include "random.h"

namespace qlx {

// Cell codes of the board: 1..kMaxKinds a tile of that kind, and these.
inline constexpr int16_t kBorder = -2;  // outside the playing area
inline constexpr int16_t kToDeal = 0;   // playing cell waiting for a tile
inline constexpr int16_t kEmpty = 10;   // empty playing cell
static_assert(kMaxKinds < kEmpty, "tile codes stay below the empty cell's code");

// The one test of whether a cell code is a tile.
constexpr bool isTile(int16_t code) { return code >= 1 && code <= kMaxKinds; }

inline constexpr int kBoardCapacity = 1001;  // indexes 0..1000: 27 x 22 cells with the frame fit
using Cells = std::array<int16_t, kBoardCapacity>;

// Directions, numbered as the direction tables are.
inline constexpr int16_t kRight = 1;
inline constexpr int16_t kDown = 2;
inline constexpr int16_t kLeft = 3;
inline constexpr int16_t kUp = 4;

// The state of one game: the options it is played with, the bordered board,
// the direction tables, score and clock. The program owns one for its whole
// run; a test builds its own.
struct GameState {
    Options options;

    // The board with its one-cell frame, row by row from the top.
    int16_t numCols = 0;
    int16_t numRows = 0;
    int16_t numCells = 0;
    Cells board{};

    // Direction tables, indexes 1..4.
    std::array<int16_t, 5> dirX{};
    std::array<int16_t, 5> dirY{};
    std::array<int16_t, 5> dirOffset{};

    int32_t score = 0;
    int32_t clockSeconds = 0;

    // The tile edge in pixels on screen when the window has shrunk the board
    // to fit a screen too small for the chosen tile size; 0 while the chosen
    // size (options.tileSizeIndex) is shown. The options never change with it.
    int16_t screenTileSize = 0;
};

// Sets the grid size and lays out border, empty and to-be-dealt cells for the game mode.
void resetBoard(GameState& s, int16_t cols, int16_t rows);
// The same for the grid size of the options.
void resetBoard(GameState& s);
void initDirections(GameState& s);

int16_t cellIndex(const GameState& s, int16_t x, int16_t y);
int16_t cellCol(const GameState& s, int16_t index);
int16_t cellRow(const GameState& s, int16_t index);
bool isInside(const GameState& s, int16_t index);

// The tile size on screen, in pixels (the chosen size, or the smaller one the
// screen fits), and the playing area's size in pixels at that size.
int16_t tileSize(const GameState& s);
int16_t boardWidth(const GameState& s);
int16_t boardHeight(const GameState& s);

// Deals a random kind 1..numColors into every cell waiting for a tile or holding one.
void fillBoard(GameState& s, UniformSource& rnd);

// The group of the tile at index: the tiles of its kind that it reaches
// through shared edges, itself included, in the order the search met them.
// Size 0 for a cell that holds no tile, 1 for a lone tile.
struct Group {
    int16_t size = 0;
    std::array<int16_t, kBoardCapacity> cells{};
};
Group findGroup(const GameState& s, int16_t index);

// True when the tile at index has a neighbour of its kind (a group of two or more).
bool isGroup(const GameState& s, int16_t index);

// Moves every tile in the given direction (1..4) into empty cells until none can move.
void settleTiles(GameState& s, int16_t direction);

// True when no tile of the board has a neighbour of its own kind.
bool noMovesLeft(const GameState& s);

int32_t groupScore(int16_t n);

// A playing cell: column c and row r counted from 0 at the top-left, and its
// index in the board.
struct Cell {
    int16_t c = 0;
    int16_t r = 0;
    int16_t index = 0;
    bool operator==(const Cell&) const = default;
};

// The cell at column c, row r (from 0); nothing outside the playing area.
std::optional<Cell> cellAt(const GameState& s, int c, int r);
// The playing cell of a board index.
Cell cellOf(const GameState& s, int16_t index);

// The cells of a group in reading order (row by row from the top, each row from the left).
std::vector<Cell> readingOrder(const GameState& s, const Group& group);

// A cell's square in the board picture, in pixels at the game's tile size.
struct CellRect {
    int x = 0;
    int y = 0;
    int size = 0;
};
CellRect cellRect(const GameState& s, Cell cell);

// The playing cell, empty or not, whose square holds the pixel (x, y); nothing outside the playing area.
std::optional<Cell> cellAtPoint(const GameState& s, int x, int y);

// The tile under a pixel of the board picture: pixels 0..tileSize lie in the
// first column, then k*tileSize+1..(k+1)*tileSize in column k+1 (rows alike).
// Nothing for a pixel outside the playing area or over an empty cell.
std::optional<Cell> tileAtPixel(const GameState& s, double x, double y);

// Clears the group of the tile at index when it has two or more tiles: the
// group's cells become empty and its points are added to the score, wrapping
// at 32 bits. Returns the points; 0, with nothing changed, for a lone tile.
int32_t clearGroupAt(GameState& s, int16_t index);

// What a move on a cell did.
struct MoveOutcome {
    enum class Result {
        NoTile,    // the cell holds no tile: nothing happened, and the end is not asked
        LoneTile,  // a tile without a neighbour of its kind: nothing changed
        Cleared,   // the group vanished and the tiles settled
    };
    Result result = Result::NoTile;
    std::vector<Cell> cleared;  // the group's cells in reading order
    int32_t points = 0;
    Cells gap{};     // the board just after the group vanished
    Cells fallen{};  // the board after the tiles above fell, before the slide right
    bool gameOver = false;  // no group is left (asked after a click on any tile)
};

// The move: clears the group of the tile on the cell, adds its points, lets
// the tiles fall and slide right, and asks whether any group is left. The
// state ends as the settled board; the outcome keeps the two boards between.
MoveOutcome playMove(GameState& s, Cell cell);

// One batch of falling tiles into row 1, columns 1..numColors. Returns false,
// and changes nothing, when any of the cells 1..numColors+1 of row 1 is not empty.
bool addFallingTiles(GameState& s, UniformSource& rnd);

// Lets the tiles fall and then slide right, as after a batch has entered.
void settleBoard(GameState& s);

}  // namespace qlx
