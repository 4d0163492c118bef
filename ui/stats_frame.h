// A frame with its caption set into its top edge, the way the statistics
// panel is drawn; its children keep their places relative to its top-left.
#pragma once

#include <QGroupBox>
#include <cstdint>

class QLabel;

namespace qlx {

class AssistView;
class TwipScale;

class StatsFrame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The statistics panel: the score, the best score of the configuration and
// the clock, each under its caption, with the assistance's labels (see
// AssistView). Its labels keep their design places; it shows what it is given.
class StatsPanel : public StatsFrame {
    Q_OBJECT
public:
    StatsPanel(const TwipScale& tw, AssistView& assist, QWidget* parent);

    void showScore(int32_t score);
    void showBestScore(int32_t score);
    void showClock(int32_t seconds);
    // A new game of the mode: the clock's caption for it, and no time shown yet.
    void showNewGame(int16_t gameMode, const TwipScale& tw);

    QLabel* scoreLabel() const { return scoreLabel_; }
    QLabel* bestScoreLabel() const { return bestScoreLabel_; }
    QLabel* timeCaption() const { return timeCaption_; }
    QLabel* timeLabel() const { return timeLabel_; }

private:
    // The lines of the clock's captions of both games.
    static QStringList captionLines();

    QLabel* scoreLabel_ = nullptr;
    QLabel* bestScoreLabel_ = nullptr;
    QLabel* timeCaption_ = nullptr;
    QLabel* timeLabel_ = nullptr;
};

}  // namespace qlx
