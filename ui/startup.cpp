#include "startup.h"

#include "captions.h"
#include "settings_store.h"

namespace qlx {

std::unique_ptr<MainWindow> startProgram(Program& program, Services& services) {
    program.bestScores = BestScoreTable{};
    program.settings = SettingsKeeper(services.registry);
    Options options;
    if (program.settings.load(options, program.bestScores) == StoreOutcome::SoftwareUnavailable) {
        services.messages.show(storeFailedMessage());
    }
    program.flow.setOptions(options);

    auto window = std::make_unique<MainWindow>(program, services);
    window->applyOptionsToMenus();
    window->show();
    window->resizeWindow();
    window->startGame();
    return window;
}

void openWebSite(Services& services) { services.web.open(kWebSite); }

}  // namespace qlx
