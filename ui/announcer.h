// What the game says to a screen reader beyond what it reads by itself: the
// outcome of a move, a falling batch, a warning that time runs low, the end,
// and the status a key asks for.
//
// Qt has no announcement event. Orca speaks an object whose role is
// Notification when it becomes visible ("notification 15 points, score 134"),
// whatever has the focus, and keeps it in its list of notifications; a name
// change alone it ignores unless the object has the focus. So the announcer is
// a notification that each text shows anew: hidden, its text changed, shown.
// The text is a label inside it, as a desktop notification's is: Orca speaks
// it after the role, shows it on a braille display and keeps it in its list of
// notifications (a text in the notification's own name it would only speak).
// It paints nothing and takes neither focus nor clicks.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

class QLabel;

namespace qlx {

class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent = nullptr);

    // Says text once, through the screen reader that runs; nothing at all
    // while no assistive technology is active (QAccessible::isActive()).
    void say(const QString& text);

    // The last text said, and how many texts were said: what a screen reader heard.
    const QString& text() const { return text_; }
    int count() const { return count_; }

protected:
    void paintEvent(QPaintEvent*) override {}

private:
    QLabel* label_;
    QString text_;
    int count_ = 0;
};

}  // namespace qlx

namespace qlx {

struct GameState;
struct Utterance;

// The texts said, in words a screen reader speaks well.
// A time: "1 minute 5 seconds", "2 minutes", "30 seconds".
QString spokenTime(int32_t seconds);
// After a move: its points and the new score, e.g. "15 points, score 134".
QString moveSpeech(int32_t points, int32_t score);
// What the cursor is now on, after a move or a batch: "Now: crab, group of 4, 10 points".
QString nowSpeech(const QString& cellName);
// The warning when a falling game's clock reaches 1:00, 0:30 or 0:10
// ("1 minute left", "30 seconds left", "10 seconds left"); nothing at other times.
QString timeWarning(int32_t secondsLeft);
// At the end of a game, before its dialogs: "Game over, final score 134."
QString endSpeech(int32_t score);
// The score, the clock and the best score, as the statistics panel shows them.
QString statusSpeech(const GameState& s, int32_t bestScore);
// What the game said, in words: a move's points and the new score, then the
// cell under the cursor ("6 points, score 6. Now: crab, group of 4, 10 points");
// a batch ("Tiles fell."), with the cell under the cursor when it changed; a
// time warning; the end, after the last move's points when a move ended it
// ("3 points. Game over, final score 233."). Cells are named on the board of s.
QString spokenText(const GameState& s, const Utterance& said);

}  // namespace qlx
