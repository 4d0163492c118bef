#include "Module8.h"

#include "Module5.h"

namespace qlx {

std::unique_ptr<frmQLX> startProgram(Program& program, Services& services) {
    GameState& game = program.game;
    program.bestScores = BestScoreTable{};
    if (services.registry) {
        loadSettings(*services.registry, services.messages, program.savedSettings, program.bestScores);
    } else {
        program.savedSettings = firstRunSettings();  // nothing stored: a first run
    }
    // Whatever was stored, the game starts with options it can play.
    clampToPlayable(program.savedSettings);

    const SavedSettings& saved = program.savedSettings;
    game.tileSizeIndex = saved.tileSizeIndex;
    game.tileSet = saved.tileSet;
    game.numColors = saved.numColors;
    game.gameMode = saved.gameMode;
    game.numCols = gridCols[saved.gridSizeIndex + 1];
    game.numRows = gridRows[saved.gridSizeIndex + 1];
    resetBoard(game, game.numCols, game.numRows);

    auto window = std::make_unique<frmQLX>(program, services);
    window->Form_Load();
    window->show();
    window->resizeWindow();
    window->startGame();
    return window;
}

void openWebSite(Services& services) { services.web.open(kWebSite); }

}  // namespace qlx
