#include "startup.h"

#include "captions.h"
#include "settings_store.h"

namespace qlx {

std::unique_ptr<MainWindow> startProgram(Program& program, Services& services) {
    GameState& game = program.game;
    program.bestScores = BestScoreTable{};
    program.settings = SettingsKeeper(services.registry);
    if (program.settings.load(game.options, program.bestScores) == StoreOutcome::SoftwareUnavailable) {
        services.messages.show(kStoreFailedMessage);
    }
    resetBoard(game);

    auto window = std::make_unique<MainWindow>(program, services);
    window->applyOptionsToMenus();
    window->show();
    window->resizeWindow();
    window->startGame();
    return window;
}

void openWebSite(Services& services) { services.web.open(kWebSite); }

}  // namespace qlx
