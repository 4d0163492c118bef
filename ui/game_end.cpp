#include "game_end.h"

#include "best_scores.h"
#include "captions.h"
#include "game_over_dialog.h"
#include "name_dialog.h"
#include "scores_dialog.h"

namespace qlx {

bool runEndDialogs(Program& program, Services& services, QWidget* parent, const GameEnd& end) {
    if (end.reason == EndReason::TimeOut) services.messages.show(timeOutMessage());
    if (end.reason == EndReason::BlockedBatch) services.messages.show(gameOverMessage());
    services.sound.play(services.appFolder + "/snd/APPLAUSE.wav");
    const Configuration config = currentConfiguration(program);
    if (end.mayEnterBestScores && isRanked(program.bestScores, config, end.score)) {
        NameDialog nameDialog(program.flow.mode(), services.screen, parent);
        nameDialog.exec();
        program.settings.enterScore(program.bestScores, config, end.score, nameDialog.userName());
        saveChanges(program);  // on the disk before anything else can happen; a failure is tried again later
        ScoresDialog scores(program, services.screen, parent);
        scores.exec();
        // Asks for a sound file named "0", which does not exist, so it is silent; kept as the game always did.
        services.sound.play("0");
    }
    GameOverDialog gameOver(end.score, services.screen, parent);
    gameOver.exec();
    return gameOver.playAgain();
}

}  // namespace qlx
