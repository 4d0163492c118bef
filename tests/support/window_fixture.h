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

#include "Module8.h"
#include "board_picture.h"
#include "diagUN.h"
#include "diagWow.h"
#include "doubles.h"
#include "frmStats.h"
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

// Common answers.
inline DialogAnswers::Answer playAgain() {
    return [](QDialog* d) { static_cast<diagWow*>(d)->OKButton()->click(); };
}
inline DialogAnswers::Answer cancelWow(QString* info = nullptr) {
    return [info](QDialog* d) {
        auto* wow = static_cast<diagWow*>(d);
        if (info) *info = wow->lblInfo()->text();
        wow->CancelButton()->click();
    };
}
inline DialogAnswers::Answer enterName(QString name) {
    return [name](QDialog* d) {
        auto* un = static_cast<diagUN*>(d);
        un->txtName()->setText(name);
        un->OKButton()->click();
    };
}
// The scores dialog's rows, as "name=score".
inline std::vector<QString> statsRows(const frmStats* st) {
    std::vector<QString> rows;
    for (int i = 0; i < 3; ++i) rows.push_back(st->lblUsrName()[i]->text() + "=" + st->lblSec()[i]->text());
    return rows;
}
inline DialogAnswers::Answer closeStats(std::vector<QString>* rows = nullptr) {
    return [rows](QDialog* d) {
        auto* st = static_cast<frmStats*>(d);
        if (rows) *rows = statsRows(st);
        st->OKButton()->click();
    };
}

// The ticked item of each option group: grid size, tile size, kinds, tile set
// (-1 where none is ticked, -2 where several are).
inline std::array<int, 4> ticks(const frmQLX& w) {
    const auto ticked = [](const auto& group) {
        int found = -1;
        for (std::size_t i = 0; i < group.size(); ++i)
            if (group[i]->isChecked()) found = found == -1 ? static_cast<int>(i) : -2;
        return found;
    };
    return {ticked(w.MNU_GS()), ticked(w.MNU_SIZ()), ticked(w.MNU_NC()), ticked(w.MNU_TN())};
}

struct RunningProgram {
    RecordingMessages messages;
    RecordingSound sound;
    RecordingPause pause;
    RecordingWeb web;
    RecordingHelp help;
    FixedScreen screen;
    GameRandom random;
    Services services{messages, sound, pause, web, help, screen, random, nullptr, "/opt/quellix"};
    Program program;
    std::unique_ptr<frmQLX> window;

    explicit RunningProgram(Registry* registry = nullptr) {
        services.registry = registry;
        window = startProgram(program, services);
    }

    GameState& game() { return program.game; }

    // A mouse press on the centre of a playing cell (column and row counted from 1).
    void click(int x, int y) {
        const int ts = program.game.tileSize;
        QTest::mouseClick(window->pbGrid(), Qt::LeftButton, {}, QPoint((x - 1) * ts + ts / 2, (y - 1) * ts + ts / 2));
    }
    // Puts a picture of tiles into the bottom-right corner of the board (see text_board.h).
    void setBoard(const Rows& rows) { placePicture(program.game, rows); }
};

}  // namespace qlx::test
