// Start-up: the stored options and best scores, the main window and the first game.
#pragma once

#include <memory>

#include "main_window.h"
#include "program.h"

namespace qlx {

// The maker's web site, with its scheme; the About box shows it without.
inline constexpr const char* kWebSite = "https://www.orlenda.example/";

// Loads the settings, opens the main window laid out for them and starts the
// first game. The window lives until it is closed.
std::unique_ptr<MainWindow> startProgram(Program& program, Services& services);

void openWebSite(Services& services);

}  // namespace qlx
