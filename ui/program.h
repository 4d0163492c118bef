// What the program owns for its whole run: the game state, the saved
// settings with the best scores, and the services it asks of the system.
#pragma once

#include <string>

#include "modData.h"
#include "random.h"
#include "registry.h"
#include "services.h"
#include "settings.h"

namespace qlx {

// The application title: window captions, message boxes, the settings key.
inline constexpr const char* kAppTitle = "Quellix";

struct Program {
    GameState game;
    SavedSettings savedSettings;
    BestScoreTable bestScores;
};

// The configuration in play: the live mode and number of kinds, and the grid
// size, whose index lives in the saved settings.
inline Configuration currentConfiguration(const Program& p) {
    return {p.game.gameMode, p.savedSettings.gridSizeIndex, p.game.numColors};
}

struct Services {
    MessageBox& messages;
    Sound& sound;
    MovePause& pause;
    WebLink& web;
    HelpViewer& help;
    const ScreenMetrics& screen;
    UniformSource& random;
    Registry* registry;     // the settings key; none: nothing is loaded or saved
    std::string appFolder;  // the folder of the executable, without a trailing separator
};

}  // namespace qlx
