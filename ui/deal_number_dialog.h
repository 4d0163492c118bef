// "Play Deal Number": shows the number of the deal in play, ready to copy,
// and takes the number of a deal to play. A text that is not a deal number is
// answered in the dialog itself, which stays open; nothing is played.
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qlx {

struct Options;

class DealNumberDialog : public QDialog {
    Q_OBJECT
public:
    // current: the deal in play (none: the field starts empty); options: the options it is dealt with.
    DealNumberDialog(std::optional<uint64_t> current, const Options& options, QWidget* parent = nullptr);

    // The number chosen once OK closed the dialog; nothing after Cancel.
    std::optional<uint64_t> chosen() const { return chosen_; }

    QLineEdit* numberEdit() const { return edit_; }
    QLabel* messageLabel() const { return message_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* copyButton() const { return copy_; }

private:
    void tryAccept();
    void fitHeight();

    QLineEdit* edit_;
    QLabel* message_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* copy_;
    std::optional<uint64_t> chosen_;
};

}  // namespace qlx
