// The texts the windows compose from the game's state: captions, titles and
// the messages of the end of a game and of a failed settings store.
#pragma once

#include <QString>
#include <string>

#include "board.h"
#include "settings.h"

namespace qlx {

// The application title: window captions, message boxes, the settings key.
// A name, never translated.
inline constexpr const char* kAppTitle = "Quellix";

// The messages, in the language in use. English: " Error Failerd" (shown
// when the settings cannot be opened at start-up or at exit; the misspelling
// is the program's own text, kept as players know it), " Game Over " and
// " Time Out - Game Over ".
std::string storeFailedMessage();
std::string gameOverMessage();
std::string timeOutMessage();

// "Blokkar - Standard Game" for mode 1, "Blokkar - Falling Tiles Game" otherwise.
QString modeTitle(int16_t gameMode);

// The scores dialog's title, e.g. "Blokkar - Standard Game\r\nSize (12 x 10)   Tiles (5)".
QString scoresTitle(const Configuration& config);

// The main window's caption during a game, e.g. "Quellix -  Standard Game(10x12) 5 Tiles".
// The grid is written rows before columns, as the caption has always shown it.
QString gameCaption(const GameState& s);

}  // namespace qlx
