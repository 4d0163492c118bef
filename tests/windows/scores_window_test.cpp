// Best scores in the windows: the name dialog, the scores dialog with "Clear
// Data", and options and scores kept in a real key file between two runs.
#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

#include "settings_store.h"
#include "registry_file.h"
#include "window_fixture.h"

using namespace qlx;
using namespace qlx::test;

class ScoresWindowTest : public QObject {
    Q_OBJECT

private slots:
    void clearDataClearsOnlyThisConfigurationAndTheLabelFollows();
    void optionsAndScoresSurviveARestart();
    void withoutAConfigurationFolderTheGameStillStarts();
};

void ScoresWindowTest::clearDataClearsOnlyThisConfigurationAndTheLabelFollows() {
    RunningProgram p;
    p.program.bestScores.recordFor({2, 1, 6}) = {{900, 800, 700}, {"Ann", "Ben", "Cy"}};
    p.program.bestScores.recordFor({1, 1, 6}).scores = {90, 80, 70};
    p.window->fallingTilesChosen();
    p.window->gridSizeChosen(1);
    p.window->kindCountChosen(1);  // Falling Tiles, 16 x 12, 6 kinds: the panel shows its best score
    QCOMPARE(p.window->bestScoreLabel()->text(), QStringLiteral("900"));
    DialogAnswers answers;
    std::vector<QString> before, after;
    QString title;
    answers.then([&](QDialog* d) {
        title = static_cast<ScoresDialog*>(d)->titleLabel()->text();
        before = statsRows(static_cast<ScoresDialog*>(d));
        static_cast<ScoresDialog*>(d)->clearButton()->click();  // "Clear Data": the dialog stays open
        QVERIFY(d->isVisible());
        closeStats(&after)(d);
    });
    p.window->scoresChosen();
    QCOMPARE(title, QStringLiteral("Blokkar - Falling Tiles Game\r\nSize (16 x 12)   Tiles (6)"));
    QCOMPARE(before, (std::vector<QString>{"Ann=900", "Ben=800", "Cy=700"}));
    QCOMPARE(after, (std::vector<QString>{"Anonoymous=0", "Anonoymous=0", "Anonoymous=0"}));
    QCOMPARE(p.window->bestScoreLabel()->text(), QStringLiteral("0"));
    QCOMPARE(p.program.bestScores.recordFor({1, 1, 6}).scores, (std::array<int32_t, 3>{90, 80, 70}));
}

void ScoresWindowTest::optionsAndScoresSurviveARestart() {
    QTemporaryDir dir;
    const std::filesystem::path software = dir.path().toStdString();
    {
        FileRegistry registry(software);
        RunningProgram p(&registry);
        QCOMPARE(ticks(*p.window), (std::array<int, 4>{0, 1, 0, 0}));  // a first run: Standard tiles
        p.window->gridSizeChosen(2);
        p.window->tileSetChosen(1);
        p.window->tileSizeChosen(0);
        p.window->kindCountChosen(3);
        p.program.settings.enterScore(p.program.bestScores, {1, 2, 8}, 12, "ann");
        p.program.settings.enterScore(p.program.bestScores, {1, 2, 8}, 40000, "Long Score");
        QVERIFY(p.messages.shown.empty());
        p.window->exitChosen();
    }
    FileRegistry registry(software);
    RunningProgram q(&registry);
    QCOMPARE(q.window->windowTitle(), QStringLiteral("Quellix -  Standard Game(15x20) 8 Tiles"));
    QCOMPARE(ticks(*q.window), (std::array<int, 4>{2, 0, 3, 1}));
    QCOMPARE(tileSize(q.game()), 16);
    QCOMPARE(q.window->bestScoreLabel()->text(), QStringLiteral("40000"));
    QCOMPARE(q.program.bestScores.recordFor({1, 2, 8}).names[0], std::string("Long Score"));
}

// With no configuration folder at all, "Software" cannot be opened.
void ScoresWindowTest::withoutAConfigurationFolderTheGameStillStarts() {
    FileRegistry registry("");
    RunningProgram p(&registry);
    QCOMPARE(p.messages.shown, std::vector<std::string>{" Error Failerd"});
    QCOMPARE(p.window->windowTitle(), QStringLiteral("Quellix -  Standard Game(10x12) 5 Tiles"));
    QVERIFY(p.window->flow().inProgress() && tileSize(p.game()) == 32);
    p.window->exitChosen();
    p.window->saveOnClose();  // the window's close handled twice: saved once
    QCOMPARE(p.messages.shown.size(), size_t(2));  // the save reports it too, and the game still ends
}

QTEST_MAIN(ScoresWindowTest)
#include "scores_window_test.moc"
