// A running program for window tests: the real main window over the test
// doubles, and a helper that answers the modal dialogs as they open.
#pragma once

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <deque>
#include <functional>

#include "startup.h"
#include "board_picture.h"
#include "name_dialog.h"
#include "game_over_dialog.h"
#include "doubles.h"
#include "scores_dialog.h"
#include "program.h"
#include "text_board.h"

namespace qlx::test {

// Answers modal dialogs in the order they open. Each answer sees the dialog
// and closes it; what each dialog showed is recorded by its title.
class DialogAnswers : public QObject {
public:
    using Answer = std::function<void(QDialog*)>;

    DialogAnswers() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    void then(Answer a) { answers_.push_back(std::move(a)); }

    std::vector<QString> titles;  // every dialog seen, in order
    int unexpected = 0;           // dialogs that found no answer (closed with reject)

private:
    void poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        // A dialog is answered once; a later one may live at the same address.
        if (!dialog || dialog->property("answered").toBool()) return;
        dialog->setProperty("answered", true);
        titles.push_back(dialog->windowTitle());
        if (answers_.empty()) {
            ++unexpected;
            dialog->reject();
            return;
        }
        Answer a = std::move(answers_.front());
        answers_.pop_front();
        a(dialog);
    }

    QTimer timer_;
    std::deque<Answer> answers_;
};

// An answer for a dialog of type T. Another dialog in its place fails the
// test and is closed with reject.
template <typename T>
DialogAnswers::Answer answer(std::function<void(T*)> act) {
    return [act](QDialog* d) {
        if (auto* t = qobject_cast<T*>(d)) return act(t);
        d->reject();
        QFAIL(qPrintable(QStringLiteral("an unexpected dialog: ") + d->windowTitle()));
    };
}

// Common answers.
inline DialogAnswers::Answer playAgain() {
    return answer<GameOverDialog>([](GameOverDialog* d) { d->playAgainButton()->click(); });
}
inline DialogAnswers::Answer cancelWow(QString* info = nullptr) {
    return answer<GameOverDialog>([info](GameOverDialog* d) {
        if (info) *info = d->infoLabel()->text();
        d->cancelButton()->click();
    });
}
inline DialogAnswers::Answer enterName(QString name) {
    return answer<NameDialog>([name](NameDialog* d) {
        d->nameEdit()->setText(name);
        d->okButton()->click();
    });
}
// The scores dialog's rows, as "name=score".
inline std::vector<QString> statsRows(const ScoresDialog* st) {
    std::vector<QString> rows;
    for (int i = 0; i < 3; ++i) rows.push_back(st->nameLabels()[i]->text() + "=" + st->scoreLabels()[i]->text());
    return rows;
}
inline DialogAnswers::Answer closeStats(std::vector<QString>* rows = nullptr) {
    return answer<ScoresDialog>([rows](ScoresDialog* d) {
        if (rows) *rows = statsRows(d);
        d->okButton()->click();
    });
}

// The ticked item of each option group: grid size, tile size, kinds, tile set
// (-1 where none is ticked, -2 where several are).
inline std::array<int, 4> ticks(const MainWindow& w) {
    const auto ticked = [](const auto& group) {
        int found = -1;
        for (std::size_t i = 0; i < group.size(); ++i)
            if (group[i]->isChecked()) found = found == -1 ? static_cast<int>(i) : -2;
        return found;
    };
    return {ticked(w.gridSizeActions()), ticked(w.tileSizeActions()), ticked(w.kindCountActions()), ticked(w.tileSetActions())};
}

// Activates the window, as a window manager does, so that focus is real.
inline void activate(QWidget& w) {
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

struct RunningProgram {
    RecordingMessages messages;
    RecordingSound sound;
    RecordingPause pause;
    RecordingWeb web;
    RecordingHelp help;
    FixedScreen screen;
    GameRandom random;
    Services services{messages, sound, pause, web, help, screen, nullptr, "/opt/quellix"};
    Program program{random};
    std::unique_ptr<MainWindow> window;

    // No background search unless a test asks for one with its budget.
    explicit RunningProgram(Registry* registry = nullptr, SearchBudgets budgets = {kHintBudget, std::nullopt}) {
        services.registry = registry;
        services.searchBudgets = budgets;
        window = startProgram(program, services);
    }

    GameState& game() { return program.flow.stateForTests(); }
    const GameFlow& flow() const { return program.flow; }

    // A mouse press on the centre of a playing cell (column and row counted from 1).
    void click(int x, int y) {
        const int ts = tileSize(program.flow.state());
        QTest::mouseClick(window->board(), Qt::LeftButton, {}, QPoint((x - 1) * ts + ts / 2, (y - 1) * ts + ts / 2));
    }
    // Puts a picture of tiles into the bottom-right corner of the board (see text_board.h).
    void setBoard(const Rows& rows) { placePicture(program.flow.stateForTests(), rows); }
    // Puts the game's cursor on a cell (or hides it), as the window shows it.
    void cursorTo(std::optional<Cell> cell) { window->showOutcome(program.flow.cursorTo(cell)); }
};

}  // namespace qlx::test
