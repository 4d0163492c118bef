// What the program owns for its whole run: the game state (with the options
// it is played by) and the best scores, and the services it asks of the system.
#pragma once

#include <string>

#include "board.h"
#include "random.h"
#include "registry.h"
#include "services.h"
#include "settings.h"

namespace qlx {

struct Program {
    GameState game;
    BestScoreTable bestScores;
};

// The configuration in play: its best scores are shown and entered.
inline Configuration currentConfiguration(const Program& p) { return configurationOf(p.game.options); }

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
