#include "deal_number_dialog.h"

#include <algorithm>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "deal_number.h"
#include "options.h"
#include "ui_look.h"

namespace qlx {

namespace {
QString maxText() { return QString::fromStdString(dealNumberText(kMaxDealNumber)); }
}  // namespace

DealNumberDialog::DealNumberDialog(std::optional<uint64_t> current, const Options& options, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dealNumberDialog"));
    setWindowTitle(tr("Play Deal Number"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(uiFont(8.25));

    const GridSize grid = gridSize(options.gridSizeIndex);
    const QString mode = options.gameMode == kFallingTiles ? tr("Falling Tiles") : tr("Standard Game");
    const QString dealt = tr("%1, grid %2 x %3, %4 tiles").arg(mode).arg(grid.cols).arg(grid.rows).arg(options.numColors);
    auto* about = new QLabel(this);
    about->setObjectName(QStringLiteral("aboutLabel"));
    about->setWordWrap(true);
    about->setText(
        (current ? tr("This deal is number %1 (%2).").arg(QString::fromStdString(dealNumberText(*current))).arg(dealt)
                 : QString()) +
        QStringLiteral("\n\n") +
        tr("Type the number of a deal to play: a whole number from 0 to %1. A number deals the same board on "
           "every computer for the same game, grid size and number of tiles, and in Falling Tiles the same "
           "falling tiles. A deal chosen by its number does not enter the best scores.")
            .arg(maxText()));

    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("numberEdit"));
    edit_->setAccessibleName(tr("Deal number"));
    if (current) edit_->setText(QString::fromStdString(dealNumberText(*current)));
    edit_->selectAll();

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("messageLabel"));
    message_->setWordWrap(true);
    setTextColor(message_, QColor(160, 0, 0));
    message_->hide();

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QDialogButtonBox::Ok);
    cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
    copy_ = buttons->addButton(tr("Copy"), QDialogButtonBox::ActionRole);
    ok_->setText(tr("OK"));
    cancel_->setText(tr("Cancel"));
    copy_->setEnabled(current.has_value());
    connect(ok_, &QPushButton::clicked, this, &DealNumberDialog::tryAccept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(copy_, &QPushButton::clicked, this, [current] {
        if (current) QGuiApplication::clipboard()->setText(QString::fromStdString(dealNumberText(*current)));
    });
    ok_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addWidget(edit_);
    layout->addWidget(message_);
    layout->addWidget(buttons);
    setMinimumWidth(360);
    fitHeight();
    edit_->setFocus();
}

void DealNumberDialog::fitHeight() {
    // A layout with word-wrapped texts: tall enough for every line at the width it has.
    adjustSize();
    const int width = std::max(this->width(), minimumWidth());
    resize(width, std::max(height(), heightForWidth(width)));
}

void DealNumberDialog::tryAccept() {
    const QString text = edit_->text();
    if (const std::optional<uint64_t> number = parseDealNumber(text.toStdString())) {
        chosen_ = number;
        accept();
        return;
    }
    message_->setText(text.trimmed().isEmpty()
                          ? tr("Type a deal number: a whole number from 0 to %1.").arg(maxText())
                          : tr("\"%1\" is not a deal number. Type a whole number from 0 to %2, digits only.")
                                .arg(text.trimmed().left(40), maxText()));
    message_->setAccessibleName(message_->text());
    message_->show();
    fitHeight();
    edit_->setFocus();
    edit_->selectAll();
}

}  // namespace qlx
