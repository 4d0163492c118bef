// The help viewer, done with Qt: one window for the help file, beside the game.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <memory>

#include "services.h"

class QTextBrowser;
class QWidget;

namespace qlx {

// The help: one window of its own beside the game, which goes on meanwhile. A
// second request brings that window forward at the contents rather than
// opening another. A missing or damaged file is explained in the window.
// The window does not keep the program running once the game's window has
// closed, and is deleted with this object.
// The help page in the language in use: for ".../QLX.hlp" in German
// ".../QLX_de.hlp" where it exists, else the English page, path itself.
QString helpFileFor(const QString& path, const QString& language);

class HelpWindow final : public HelpViewer {
    Q_DECLARE_TR_FUNCTIONS(qlx::HelpWindow)

public:
    HelpWindow();
    ~HelpWindow() override;
    void showContents(const std::string& path) override;

    QWidget* window() const;              // the viewer's window once opened, else nullptr
    QTextBrowser* browser() const;        // the page it shows

private:
    std::unique_ptr<QWidget> window_;
    QTextBrowser* browser_ = nullptr;
    QString path_;
    void build();
    void load();
};

}  // namespace qlx
