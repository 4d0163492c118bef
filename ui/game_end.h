// The end of a game as the player meets it, after its words: the message of
// a time out or a blocked batch, the applause, the name and the scores
// dialogs when the score enters the best scores, and the dialog that offers
// another game.
#pragma once

#include "game_flow.h"
#include "program.h"

class QWidget;

namespace qlx {

// Runs the end's messages and dialogs over parent; a best score is saved as
// its name dialog closes. True when the player asked for another game.
bool runEndDialogs(Program& program, Services& services, QWidget* parent, const GameEnd& end);

}  // namespace qlx
