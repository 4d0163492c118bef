// The About box: the program's icon, its name and version, and a link to the
// maker's web site.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;

namespace qlx {

class ScreenMetrics;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // webAddress: the full address with its scheme; the box shows it without.
    // A click on it calls openWebSite and leaves the box open.
    AboutDialog(const QString& webAddress, std::function<void()> openWebSite, const ScreenMetrics& screen,
           QWidget* parent = nullptr);

    QLabel* iconLabel() const { return iconLabel_; }
    QLabel* titleLabel() const { return titleLabel_; }
    QLabel* webLabel() const { return webLabel_; }
    QPushButton* okButton() const { return okButton_; }

    // The link as a click, Enter or Space on it (it takes the focus by Tab), or
    // a screen reader's press opens it: the web site, with the box left open.
    void openLink();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> openWebSite_;
    QLabel* iconLabel_;
    QLabel* titleLabel_;
    QLabel* webLabel_;
    QPushButton* okButton_;
};

}  // namespace qlx
