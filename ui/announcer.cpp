#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
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

QString spokenTime(int32_t seconds) {
    const int32_t minutes = seconds / 60, rest = seconds % 60;
    const auto unit = [](int32_t n, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    if (minutes == 0) return unit(rest, "second", "seconds");
    if (rest == 0) return unit(minutes, "minute", "minutes");
    return unit(minutes, "minute", "minutes") + QLatin1Char(' ') + unit(rest, "second", "seconds");
}

QString moveSpeech(int32_t points, int32_t score) { return QStringLiteral("%1 points, score %2").arg(points).arg(score); }

QString nowSpeech(const QString& cellName) { return QStringLiteral("Now: ") + cellName; }

QString timeWarning(int32_t secondsLeft) {
    if (secondsLeft != 60 && secondsLeft != 30 && secondsLeft != 10) return {};
    return spokenTime(secondsLeft) + QStringLiteral(" left");
}

QString endSpeech(int32_t score) { return QStringLiteral("Game over, final score %1.").arg(score); }

QString statusSpeech(const GameState& s, int32_t bestScore) {
    const bool falling = s.options.gameMode == kFallingTiles;
    return QStringLiteral("Score %1, %2 %3, best score %4")
        .arg(s.score)
        .arg(QLatin1String(falling ? "time remaining" : "time"), spokenTime(s.clockSeconds))
        .arg(bestScore);
}

QString spokenText(const GameState& s, const Utterance& said) {
    const auto now = [&s](const std::optional<CellView>& cell) {
        return cell ? QLatin1Char(' ') + nowSpeech(cellName(s, cell->cell)) : QString();
    };
    switch (said.kind) {
        case Utterance::Kind::Move: return moveSpeech(said.points, said.score) + QLatin1Char('.') + now(said.now);
        case Utterance::Kind::Batch: return QStringLiteral("Tiles fell.") + now(said.now);
        case Utterance::Kind::TimeLeft: return timeWarning(said.secondsLeft);
        case Utterance::Kind::End:
            if (!said.lastMovePoints) return endSpeech(said.score);
            return QStringLiteral("%1 points. ").arg(*said.lastMovePoints) + endSpeech(said.score);
        case Utterance::Kind::Deal:
            return said.again ? QCoreApplication::translate("qlx::Announcer", "Deal number %1 again, from its start.")
                                    .arg(said.deal)
                              : QCoreApplication::translate("qlx::Announcer", "Deal number %1.").arg(said.deal);
        case Utterance::Kind::BestLine:
            if (said.finished) {
                return QCoreApplication::translate("qlx::Announcer",
                                                   "End of the best line: %1 points. A key or a click returns to "
                                                   "your game.")
                    .arg(said.score);
            }
            return QCoreApplication::translate("qlx::Announcer",
                                               "The best line found: %1 points in %2 moves. A key or a click stops "
                                               "it.")
                .arg(said.score)
                .arg(said.moves);
    }
    return {};
}

}  // namespace qlx
