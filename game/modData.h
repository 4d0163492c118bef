// The board and the move: the state of a game and every procedure on it.
// Plain C++20, no Qt and no platform: each procedure works on the state it is
// given, shows nothing, plays nothing and never sleeps.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "random.h"

namespace qlx {

// Cell codes of the board.
inline constexpr int16_t kBorder = -2;  // outside the playing area
inline constexpr int16_t kToDeal = 0;   // playing cell waiting for a tile
inline constexpr int16_t kEmpty = 10;   // empty playing cell
inline constexpr int16_t kMarkValue = 100;  // the mark of a group search; no cell code equals it

inline constexpr int kBoardCapacity = 1001;  // indexes 0..1000
inline constexpr int kStackCapacity = 1000;  // fillStack(1..1000)

// Game modes.
inline constexpr int16_t kStandardGame = 1;
inline constexpr int16_t kFallingTiles = 2;

// Directions, numbered as the direction tables are.
inline constexpr int16_t kRight = 1;
inline constexpr int16_t kDown = 2;
inline constexpr int16_t kLeft = 3;
inline constexpr int16_t kUp = 4;

// The four grid sizes, columns by rows: 12 x 10, 16 x 12, 20 x 15, 25 x 20. Entries 1..4
// (entry 0 unused), so that grid-size index g means gridCols[g + 1] by gridRows[g + 1].
inline constexpr std::array<int16_t, 5> gridCols{0, 12, 16, 20, 25};
inline constexpr std::array<int16_t, 5> gridRows{0, 10, 12, 15, 20};

// The state of one game: options in force, the bordered board, the group-search
// scratch, the direction tables, score and clock. The program owns one for its
// whole run; a test builds its own.
struct GameState {
    // Options in force.
    int16_t gameMode = 0;       // 1 Standard Game, 2 Falling Tiles
    int16_t numColors = 0;      // 5..8
    int16_t tileSizeIndex = 0;  // 0 small, 1 Standard, 2 Big
    int16_t tileSize = 0;       // 16, 32 or 48 pixels
    int16_t tileSet = 0;        // 0..4

    // The board with its one-cell frame, row by row from the top.
    int16_t numCols = 0;
    int16_t numRows = 0;
    int16_t numCells = 0;
    std::array<int16_t, kBoardCapacity> board{};

    // Group-search scratch.
    std::array<int16_t, kBoardCapacity> markBoard{};
    int16_t markValue = 0;
    std::array<int16_t, kStackCapacity + 1> fillStack{};  // entries 1..1000
    int16_t stackTop = 0;

    // Direction tables, indexes 1..4.
    std::array<int16_t, 5> dirX{};
    std::array<int16_t, 5> dirY{};
    std::array<int16_t, 5> dirOffset{};

    int32_t score = 0;
    int32_t clockSeconds = 0;
};

// Sets the grid size and lays out border, empty and to-be-dealt cells for s.gameMode.
void resetBoard(GameState& s, int16_t cols, int16_t rows);
void initDirections(GameState& s);

int16_t cellIndex(const GameState& s, int16_t x, int16_t y);
int16_t cellCol(const GameState& s, int16_t index);
int16_t cellRow(const GameState& s, int16_t index);
bool isInside(const GameState& s, int16_t index);

// Deals a random kind 1..numColors into every cell holding 0..numColors.
void fillBoard(GameState& s, UniformSource& rnd);

void copyBoard(GameState& s);
int16_t markGroup(GameState& s, int16_t start);
bool isGroup(GameState& s, int16_t index);
int16_t removeGroup(GameState& s);

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

// The tile under a pixel of the board picture: pixels 0..tileSize lie in the
// first column, then k*tileSize+1..(k+1)*tileSize in column k+1 (rows alike).
// Nothing for a pixel outside the playing area or over an empty cell.
std::optional<Cell> tileAtPixel(const GameState& s, double x, double y);

// Clears the group of the tile at index when it has two or more tiles: the
// group's cells become empty and its points are added to the score, wrapping
// at 32 bits. Returns the points; 0, with nothing changed, for a lone tile.
int32_t clearGroupAt(GameState& s, int16_t index);

// One batch of falling tiles into row 1, columns 1..numColors. Returns false,
// and changes nothing, when any of the cells 1..numColors+1 of row 1 is not empty.
bool addFallingTiles(GameState& s, UniformSource& rnd);

// Lets the tiles fall and then slide right, as after a batch has entered.
void settleBoard(GameState& s);

}  // namespace qlx
