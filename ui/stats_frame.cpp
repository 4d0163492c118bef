#include "stats_frame.h"

#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "accessibility.h"
#include "assist_view.h"
#include "clock.h"
#include "language.h"
#include "options.h"
#include "ui_look.h"

namespace qlx {

void StatsFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm(font());
    // The caption's capitals start at the frame's top; the edge runs through their middle.
    const int baseline = 1 + fm.capHeight();
    const int top = baseline - fm.capHeight() / 2;
    // An etched edge: a dark line with a light one beside it.
    const QRect edge(0, top, width() - 2, height() - top - 2);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(edge);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(edge.translated(1, 1));
    // The caption interrupts the top edge, at its left end (its right end from right to left).
    const int width = fm.horizontalAdvance(title());
    const int left = isRightToLeft() ? this->width() - 9 - width : 5;
    p.fillRect(QRect(left, 0, width + 4, baseline + fm.descent()), palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QPoint(left + 2, baseline), title());
}

namespace {
// The least width in which text fits on two lines broken between words.
int twoLineWidth(const QString& text, const QFont& font) {
    const QFontMetrics fm(font);
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int least = fm.horizontalAdvance(text);
    for (qsizetype i = 1; i < words.size(); ++i) {
        least = std::min(least, std::max(fm.horizontalAdvance(words.mid(0, i).join(QLatin1Char(' '))),
                                         fm.horizontalAdvance(words.mid(i).join(QLatin1Char(' ')))));
    }
    return least + 2;
}

// A caption whose English text starts with blanks, which keep it off the
// panel's edge, moves right by as much where its translation has fewer.
void keepIndent(QLabel* label, int englishBlanks) {
    const QString text = label->text();
    int blanks = 0;
    while (blanks < text.size() && text[blanks] == QLatin1Char(' ')) ++blanks;
    if (blanks >= englishBlanks) return;
    const int blank = QFontMetrics(label->font()).horizontalAdvance(QLatin1Char(' '));
    label->move(label->x() + (englishBlanks - blanks) * blank, label->y());
}
}  // namespace

//: The caption of the panel beside the board.
StatsPanel::StatsPanel(const TwipScale& tw, AssistView& assist, QWidget* parent) : StatsFrame(tr("Statistics"), parent) {
    setObjectName(QStringLiteral("statsFrame"));
    setFont(uiFont(9.75, true));
    setBackground(this, kWindowBackground);
    setFixedSize(tw.x(1065), tw.y(3675));
    // The panel's labels keep their design places, moved down as far as this
    // system's caption font is taller than the design's, so that the first
    // label starts below the caption.
    const QFontMetrics captionMetrics(font());
    const int captionBottom = 1 + captionMetrics.capHeight() + captionMetrics.descent();
    const int labelTop = tw.y(120) + QFontMetrics(uiFont(8.25)).ascent() - QFontMetrics(uiFont(8.25)).capHeight();
    const int shift = std::max(0, captionBottom - labelTop + 1);

    //: A caption in the panel, over the score. The two leading blanks are deliberate in English; translate the
    //: word by its meaning.
    QLabel* scoreCaption = designLabel(this, "scoreCaption", tr("  Score"), tw, 270, 120, uiFont(8.25));
    setTextColor(scoreCaption, kCaptionBlue);
    scoreLabel_ = designLabel(this, "scoreLabel", QStringLiteral("Label2"), tw, 195, 375, uiFont(9.75, true), true);
    setBackground(scoreLabel_, kWindowBackground);
    //: A caption in the panel, over the best score of this grid, mode and number of kinds. The leading blank is
    //: deliberate in English; translate the words by their meaning.
    QLabel* bestScoreCaption = designLabel(this, "bestScoreCaption", tr(" Best Score"), tw, -15, 975, uiFont(9.75));
    setTextColor(bestScoreCaption, kCaptionBlue);
    bestScoreLabel_ = designLabel(this, "bestScoreLabel", QStringLiteral("dsgerte "), tw, 75, 1215, uiFont(9.75, true), true);
    setBackground(bestScoreLabel_, kBestScoreBackground);
    //: A caption in the panel, over the clock of a standard game (the time played).
    timeCaption_ = designLabel(this, "timeCaption", tr("Time", "time played"), tw, 255, 1950, uiFont(9.75), true);
    setTextColor(timeCaption_, kCaptionBlue);
    timeLabel_ = designLabel(this, "timeLabel", QStringLiteral("Label2"), tw, 150, 2520, uiFont(9.75, true), true);
    setBackground(timeLabel_, kWindowBackground);
    keepIndent(scoreCaption, 2);
    keepIndent(bestScoreCaption, 1);
    assist.addLabels(this, tw);
    for (QLabel* l : findChildren<QLabel*>()) l->move(l->x(), l->y() + shift);
    // Wider than its design where this system's fonts need it, so that neither
    // the caption nor a caption label is cut at its right edge.
    int panelWidth = std::max(width(), captionMetrics.horizontalAdvance(title()) + 14);
    for (QLabel* l : {scoreCaption, bestScoreCaption}) panelWidth = std::max(panelWidth, l->geometry().right() + 4);
    // And wide enough for the clock's captions of both games and the
    // "Assisted" mark, which stand in its middle where they are too long for
    // their design places (a longer language).
    for (const QString& line : captionLines()) {
        panelWidth = std::max(panelWidth, QFontMetrics(uiFont(10)).horizontalAdvance(line) + 4);
    }
    panelWidth = std::max(panelWidth, findChild<QLabel*>(QStringLiteral("assistedLabel"))->width() + 4);
    // And for "Best found" with a total of five digits on two lines.
    auto* bestFound = findChild<QLabel*>(QStringLiteral("bestFoundLabel"));
    const int bestFoundWidth = twoLineWidth(AssistView::bestFoundText(99999), bestFound->font());
    if (bestFoundWidth > bestFound->width()) {
        panelWidth = std::max(panelWidth, bestFoundWidth + 6);
        bestFound->resize(panelWidth - 6, bestFound->height());
    }
    setFixedWidth(panelWidth);
    for (QLabel* l : findChildren<QLabel*>()) {
        if (l->alignment() & Qt::AlignHCenter) centreIfOutside(this, l, 4);
    }
    // Read by screen readers with what they count, e.g. "Score 45".
    //: What a screen reader says before the score, e.g. "Score 45".
    nameCount(scoreLabel_, tr("Score"));
    //: What a screen reader says before the best score, e.g. "Best score 120".
    nameCount(bestScoreLabel_, tr("Best score"));
    //: What a screen reader says before the clock of a standard game, e.g. "Time 1:05".
    nameCount(timeLabel_, tr("Time", "time played"));
    mirrorIfRightToLeft(this);
}

QStringList StatsPanel::captionLines() {
    // Split without a regular expression, which would load its library at start.
    QString lines = tr("Time", "time played") + QLatin1Char('\n') + tr("Time \r\nRemaining");
    return lines
        .remove(QLatin1Char('\r'))
        .split(QLatin1Char('\n'));
}

void StatsPanel::showScore(int32_t score) { setLabel(scoreLabel_, localDigits(score)); }

void StatsPanel::showBestScore(int32_t score) { setLabel(bestScoreLabel_, localDigits(score)); }

void StatsPanel::showClock(int32_t seconds) { setLabel(timeLabel_, localDigits(QString::fromStdString(clockText(seconds)))); }

void StatsPanel::showNewGame(int16_t gameMode, const TwipScale& tw) {
    if (gameMode == kFallingTiles) {
        //: A caption in the panel, over the clock of a falling game (the time left), on two lines. The blank
        //: before the line break is deliberate in English; translate the words by their meaning.
        setLabel(timeCaption_, tr("Time \r\nRemaining"));
        //: What a screen reader says before the clock of a falling game, e.g. "Time remaining 1:59".
        nameCount(timeLabel_, tr("Time remaining"));
    } else {
        timeCaption_->setFont(uiFont(10));
        setLabel(timeCaption_, tr("Time", "time played"));
        nameCount(timeLabel_, tr("Time", "time played"));
    }
    centreIfOutside(this, timeCaption_, 4);
    timeLabel_->move(timeLabel_->x(), timeCaption_->y() + timeCaption_->height() + tw.y(50));
    setLabel(timeLabel_, QString());
}

}  // namespace qlx
