// Boards drawn as text for tests: '#' border, '.' empty, '1'..'8' a tile of
// that kind, 'o' a cell waiting to be dealt. The picture includes the border.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "modData.h"

namespace qlx::test {

inline GameState boardFromPicture(const std::vector<std::string>& rows, int16_t numColors = 5) {
    GameState s;
    s.gameMode = kStandardGame;
    s.numColors = numColors;
    s.tileSize = 32;
    s.tileSizeIndex = 1;
    fillGridTables(s);
    s.numRows = static_cast<int16_t>(rows.size() - 2);
    s.numCols = static_cast<int16_t>(rows.at(0).size() - 2);
    s.numCells = static_cast<int16_t>((s.numCols + 2) * (s.numRows + 2));
    initDirections(s);
    int16_t i = 0;
    for (const std::string& row : rows) {
        if (row.size() != rows[0].size()) throw std::invalid_argument("ragged board picture");
        for (char c : row) {
            int16_t code;
            if (c == '#') code = kBorder;
            else if (c == '.') code = kEmpty;
            else if (c == 'o') code = kToDeal;
            else if (c >= '1' && c <= '9') code = static_cast<int16_t>(c - '0');
            else throw std::invalid_argument(std::string("unknown cell '") + c + "'");
            s.board[i++] = code;
        }
    }
    return s;
}

inline std::vector<std::string> pictureOf(const GameState& s) {
    std::vector<std::string> rows;
    for (int y = 0; y < s.numRows + 2; ++y) {
        std::string row;
        for (int x = 0; x < s.numCols + 2; ++x) {
            const int16_t code = s.board[(s.numCols + 2) * y + x];
            if (code == kBorder) row += '#';
            else if (code == kEmpty) row += '.';
            else if (code == kToDeal) row += 'o';
            else if (code >= 1 && code <= 9) row += static_cast<char>('0' + code);
            else row += '?';
        }
        rows.push_back(row);
    }
    return rows;
}

// Playing-area rows only (no border), for short expectations.
inline std::vector<std::string> innerPictureOf(const GameState& s) {
    std::vector<std::string> rows = pictureOf(s);
    std::vector<std::string> inner;
    for (size_t y = 1; y + 1 < rows.size(); ++y) inner.push_back(rows[y].substr(1, rows[y].size() - 2));
    return inner;
}

}  // namespace qlx::test
