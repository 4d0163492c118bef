// What the program owns for its whole run: the game (its flow, which holds the
// options it is played by) and the best scores, and the services it asks of
// the system.
#pragma once

#include <string>

#include "game_flow.h"
#include "random.h"
#include "registry.h"
#include "search_budgets.h"
#include "services.h"
#include "settings.h"
#include "settings_keeper.h"

namespace qlx {

struct Program {
    explicit Program(UniformSource& random) : flow(random) {}

    GameFlow flow;
    BestScoreTable bestScores;
    SettingsKeeper settings;  // loads them, and saves each change as it is made
};

// Saves what changed since the last save (a best score, a cleared record, an
// option), merged with what other copies of the game stored meanwhile.
inline StoreOutcome saveChanges(Program& p) { return p.settings.save(p.flow.options(), p.bestScores); }

// The configuration in play: its best scores are shown and entered.
inline Configuration currentConfiguration(const Program& p) { return configurationOf(p.flow.options()); }

struct Services {
    MessageBox& messages;
    Sound& sound;
    MovePause& pause;
    WebLink& web;
    HelpViewer& help;
    const ScreenMetrics& screen;
    Registry* registry;     // the settings key; none: nothing is loaded or saved
    std::string appFolder;  // the folder of the executable, without a trailing separator
    SearchBudgets searchBudgets{};  // Hint and "Best found"
};

}  // namespace qlx
