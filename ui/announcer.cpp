#include "announcer.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QAccessibleWidget>
#include <QLabel>

#include "accessibility.h"
#include "game_flow.h"

namespace qlx {

namespace {

// The label that holds the text: read, never painted.
class SilentLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {}
};

// A notification without a name of its own: its label says the text.
class Notification : public QAccessibleWidget {
public:
    explicit Notification(Announcer* a) : QAccessibleWidget(a, QAccessible::Notification) {}
    QString text(QAccessible::Text) const override { return {}; }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("qlx::Announcer")) return new Notification(static_cast<Announcer*>(object));
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    static const bool installed = (QAccessible::installFactory(factory), true);
    (void)installed;
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(1, 1);
    label_ = new SilentLabel(this);
    label_->setObjectName(QStringLiteral("announcement"));
    label_->setGeometry(0, 0, 1, 1);
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Announcer::say(const QString& text) {
    if (!QAccessible::isActive() || text.isEmpty()) return;
    // Shown anew, the notification is spoken once with its new name.
    hide();
    text_ = text;
    ++count_;
    label_->setText(text);
    show();
}

}  // namespace qlx

#include "board.h"

namespace qlx {

// The words of a count of one, "1 minute", are a text of their own, so that
// English, which has no plural forms of its own here, says "1 minute" and "2
// minutes"; a translation gives "%n minutes" every plural form its language has.
QString spokenTime(int32_t seconds) {
    const int32_t minutes = seconds / 60, rest = seconds % 60;
    const auto inSeconds = [](int32_t n) {
        //: Spoken: a time of exactly one second.
        return n == 1 ? Announcer::tr("%n second", nullptr, n)
                      //: Spoken: a time in seconds (never one); give every plural form of your language.
                      : Announcer::tr("%n seconds", nullptr, n);
    };
    const auto inMinutes = [](int32_t n) {
        //: Spoken: a time of exactly one minute.
        return n == 1 ? Announcer::tr("%n minute", nullptr, n)
                      //: Spoken: a time in minutes (never one); give every plural form of your language.
                      : Announcer::tr("%n minutes", nullptr, n);
    };
    if (minutes == 0) return inSeconds(rest);
    if (rest == 0) return inMinutes(minutes);
    //: Spoken: a time of minutes and seconds, e.g. "1 minute 5 seconds".
    return Announcer::tr("%1 %2", "minutes and seconds").arg(inMinutes(minutes), inSeconds(rest));
}

//: Spoken after a move: the move's points (%n, never fewer than 3) and the new score (%1).
QString moveSpeech(int32_t points, int32_t score) {
    return Announcer::tr("%n points, score %1", nullptr, points).arg(score);
}

//: Spoken: what the keyboard's cursor is on now, after a move or a batch of falling tiles; %1 names the cell,
//: e.g. "crab, group of 4, 10 points".
QString nowSpeech(const QString& cellName) { return Announcer::tr("Now: %1").arg(cellName); }

QString timeWarning(int32_t secondsLeft) {
    if (secondsLeft != 60 && secondsLeft != 30 && secondsLeft != 10) return {};
    //: Spoken when the time of a falling game runs low: %1 is a spoken time, e.g. "30 seconds".
    return Announcer::tr("%1 left").arg(spokenTime(secondsLeft));
}

//: Spoken at the end of a game, before its dialogs; %1 is the final score.
QString endSpeech(int32_t score) { return Announcer::tr("Game over, final score %1.").arg(score); }

QString statusSpeech(const GameState& s, int32_t bestScore) {
    const QString time = spokenTime(s.clockSeconds);
    if (s.options.gameMode == kFallingTiles) {
        //: Spoken at the S key in a falling game: the score, the time left (a spoken time, e.g. "1 minute
        //: 5 seconds") and the best score of the configuration.
        return Announcer::tr("Score %1, time remaining %2, best score %3")
            .arg(QString::number(s.score), time, QString::number(bestScore));
    }
    //: Spoken at the S key in a standard game: the score, the time played (a spoken time, e.g. "1 minute
    //: 5 seconds") and the best score of the configuration.
    return Announcer::tr("Score %1, time %2, best score %3")
        .arg(QString::number(s.score), time, QString::number(bestScore));
}

QString spokenText(const GameState& s, const Utterance& said) {
    const auto now = [&s](const std::optional<CellView>& cell) {
        return cell ? QLatin1Char(' ') + nowSpeech(cellName(s, cell->cell)) : QString();
    };
    switch (said.kind) {
        case Utterance::Kind::Move:
            //: Spoken after a move: a sentence of its points and the score (%1); what the cursor is on follows.
            return Announcer::tr("%1.", "end of a sentence").arg(moveSpeech(said.points, said.score)) + now(said.now);
        //: Spoken when a batch of new tiles has fallen in a falling game.
        case Utterance::Kind::Batch: return Announcer::tr("Tiles fell.") + now(said.now);
        case Utterance::Kind::TimeLeft: return timeWarning(said.secondsLeft);
        case Utterance::Kind::End:
            if (!said.lastMovePoints) return endSpeech(said.score);
            //: Spoken at the end of a game that a move ended: the last move's points (%n, never fewer than 3),
            //: then the end's words (%1), e.g. "3 points. Game over, final score 233."
            return Announcer::tr("%n points. %1", nullptr, *said.lastMovePoints).arg(endSpeech(said.score));
        case Utterance::Kind::Deal:
            //: Spoken when a deal chosen by its number begins (%1: the number, digits 0-9).
            if (!said.again) return Announcer::tr("Deal number %1.").arg(said.deal);
            //: Spoken when Game > Restart Deal begins the deal in play again (%1: its number, digits 0-9).
            return Announcer::tr("Deal number %1 again, from its start.").arg(said.deal);
        case Utterance::Kind::BestLine:
            if (said.finished) {
                //: Spoken when the replay of the best line found has shown its last move (%1: its total points).
                return Announcer::tr("End of the best line: %1 points. A key or a click returns to your game.")
                    .arg(said.score);
            }
            //: Spoken when Game > Show Best Found begins (%1: the line's total points, %2: its number of moves).
            return Announcer::tr("The best line found: %1 points in %2 moves. A key or a click stops it.")
                .arg(said.score).arg(said.moves);
    }
    return {};
}

}  // namespace qlx
