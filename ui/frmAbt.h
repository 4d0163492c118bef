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

class frmAbt : public QDialog {
    Q_OBJECT
public:
    // webAddress: the full address with its scheme; the box shows it without.
    // A click on it calls openWebSite and leaves the box open.
    frmAbt(const QString& webAddress, std::function<void()> openWebSite, const ScreenMetrics& screen,
           QWidget* parent = nullptr);

    QLabel* Image1() const { return image1_; }
    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* lblWeb() const { return lblWeb_; }
    QPushButton* OKButton() const { return okButton_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> openWebSite_;
    QLabel* image1_;
    QLabel* lblTitle_;
    QLabel* lblWeb_;
    QPushButton* okButton_;
};

}  // namespace qlx
