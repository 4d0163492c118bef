// The game in other languages: every text a player sees or hears can be
// translated (a pseudo-language leaves no English behind), texts fit their
// places in German and in the pseudo-language, numbers follow the locale,
// the language follows the desktop's, a right-to-left language mirrors the
// windows but not the board, and nothing stored is translated.
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "about_dialog.h"
#include "deal_number_dialog.h"
#include "accessibility.h"
#include "announcer.h"
#include "assist_view.h"
#include "captions.h"
#include "falling_options_dialog.h"
#include "game_flow.h"
#include "help_window.h"
#include "language.h"
#include "pseudo_language.h"
#include "registry_file.h"
#include "window_fixture.h"

using namespace qlx;
using namespace qlx::test;

namespace {

const QString kWebAddress = QStringLiteral("https://www.orlenda.example/");

// Names and data that are no text of the game's: the program's name, the web
// address, players' names.
QStringList notTexts() {
    return {kWebAddress, QStringLiteral("www.orlenda.example"), QStringLiteral("/nonexistent/QLX.hlp"),
            QStringLiteral("Quellix"), QCoreApplication::applicationName(), QStringLiteral("Zoe"),
            QStringLiteral("Anononymous")};
}

// What of text is English: what is left once the pseudo-language's parts,
// the names and data, digits, blanks and punctuation are taken out.
QString englishLeft(QString text) {
    QString outside;  // what stands outside every pair of marks (translations hold translations)
    int depth = 0;
    for (const QChar c : text) {
        if (c == kPseudoOpen.front()) {
            ++depth;
        } else if (c == kPseudoClose.front()) {
            depth = std::max(0, depth - 1);
        } else if (depth == 0) {
            outside += c;
        }
    }
    text = outside;
    for (const QString& name : notTexts()) text.remove(name);
    text.remove(QRegularExpression(QStringLiteral("[^\\p{L}]")));
    return text;
}

// Every text of a window and its children a player can meet: window titles,
// label and button texts, group box titles, tool tips, accessible names and
// descriptions, the items of menus and combo boxes.
void collectMenu(const QMenu* menu, QStringList& texts) {
    texts << menu->title();
    for (const QAction* a : menu->actions()) {
        if (a->menu()) {
            collectMenu(a->menu(), texts);
        } else if (!a->isSeparator()) {
            texts << a->text();
        }
    }
}

QStringList textsOf(QWidget* window) {
    QStringList texts{window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        texts << w->toolTip();
        if (auto* l = qobject_cast<QLabel*>(w)) texts << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) texts << b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) texts << g->title();
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
        if (auto* m = qobject_cast<QMenuBar*>(w))
            for (const QAction* a : m->actions()) collectMenu(a->menu(), texts);
        if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w)) {
            texts << a->text(QAccessible::Name) << a->text(QAccessible::Description);
        }
    }
    return texts;
}

// The texts that stayed English, with what is English in each.
QStringList stayedEnglish(const QStringList& texts) {
    QStringList english;
    for (const QString& t : texts) {
        if (!englishLeft(t).isEmpty()) english << t;
    }
    return english;
}

// Where a control lies in its window.
QRect inWindow(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

// Every visible label and button of a window shows its whole text inside the
// window (each line measured in its font), and no label or button runs under
// another control of its parent.
void textsFit(QWidget* window) {
    const QString title = window->windowTitle();
    const QRect inner = window->rect();
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    for (QWidget* w : controls) {
        auto* label = qobject_cast<QLabel*>(w);
        auto* button = qobject_cast<QPushButton*>(w);
        if ((!label && !button) || !w->isVisibleTo(window) || w->objectName() == QLatin1String("announcement")) continue;
        const QString text = label ? label->text() : button->text();
        const QFontMetrics fm(w->font());
        if (label && label->wordWrap()) {
            // Broken into lines where need be: all of them in its height.
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(title + ": \"" + text + "\" is cut off"));
        } else {
            int widest = 0;  // blanks at the end of a line need no room
            for (QString line : text.split(QRegularExpression(QStringLiteral("\r?\n")))) {
                line.remove(QRegularExpression(QStringLiteral("\\s+$")));
                widest = std::max(widest, fm.horizontalAdvance(line));
            }
            const int room = label ? label->contentsRect().width() : button->width() - 6;  // a button's frame
            QVERIFY2(widest <= room, qPrintable(title + ": \"" + text + "\" is cut off: " + QString::number(widest) +
                                                " > " + QString::number(room)));
        }
        QVERIFY2(inner.contains(inWindow(w)), qPrintable(title + ": \"" + text + "\" lies outside its window"));
        if (label && !label->wordWrap() && (label->alignment() & Qt::AlignLeft) && w->parentWidget() != window) {
            // Its first letter clear of its box's left edge, as the English blanks keep it.
            const qsizetype blanks = text.size() - QString(text).remove(QRegularExpression(QStringLiteral("^ +"))).size();
            const int start = label->x() + label->contentsRect().left() + fm.horizontalAdvance(text.left(blanks));
            QVERIFY2(w->parentWidget()->isRightToLeft() || start >= 2,
                     qPrintable(title + ": \"" + text + "\" starts on its box's edge"));
        }
        for (const QWidget* c : controls) {
            if (c == w || c->parentWidget() != w->parentWidget() || !c->isVisibleTo(window) ||
                (label && qobject_cast<const QLabel*>(c)) || c->objectName() == QLatin1String("announcer"))
                continue;
            QVERIFY2(!inWindow(w).intersects(inWindow(c)),
                     qPrintable(title + ": \"" + text + "\" runs under " + c->objectName()));
        }
    }
}

// A translator for the test's lifetime, installed and removed again.
class Installed {
public:
    explicit Installed(std::unique_ptr<QTranslator> t) : t_(std::move(t)) {
        QCoreApplication::installTranslator(t_.get());
    }
    ~Installed() { QCoreApplication::removeTranslator(t_.get()); }

private:
    std::unique_ptr<QTranslator> t_;
};

// The pseudo-language, optionally written from right to left.
class PseudoRightToLeft final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* d, int n) const override {
        if (QByteArray(context) == "QGuiApplication" && QByteArray(source) == "QT_LAYOUT_DIRECTION")
            return QStringLiteral("RTL");
        return pseudo_.translate(context, source, d, n);
    }

private:
    PseudoTranslator pseudo_;
};

// The translations a test language needs: none for English, the pseudo-language, or one as built.
std::vector<std::unique_ptr<Installed>> installLanguage(const QString& language) {
    std::vector<std::unique_ptr<Installed>> out;
    if (language == QLatin1String("en")) return out;
    if (language == QLatin1String("pseudo")) {
        out.push_back(std::make_unique<Installed>(std::make_unique<PseudoTranslator>()));
        return out;
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        out.push_back(std::make_unique<Installed>(std::move(qt)));
    auto own = std::make_unique<QTranslator>();
    const QString file = QStringLiteral(QLX_TRANSLATIONS_DIR "/quellix_") + language + QStringLiteral(".qm");
    if (!own->load(file)) qFatal("cannot load %s", qPrintable(file));
    out.push_back(std::make_unique<Installed>(std::move(own)));
    return out;
}

Utterance said(Utterance::Kind kind) {
    Utterance u;
    u.kind = kind;
    return u;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setUiLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void englishSaysOneAndManyAsBeforeWithoutATranslation();
    void noTextAPlayerMeetsStaysEnglishInThePseudoLanguage();
    void textsFitTheirPlaces_data();
    void textsFitTheirPlaces();
    void aRightToLeftLanguageMirrorsTheWindowsButNotTheBoard();
    void numbersAreWrittenAsTheLocaleWritesThem();
    void theFirstDesktopLanguageWithATranslationIsChosenAndEnglishStopsTheSearch();
    void theHelpPageOfTheLanguageIsOpenedWhereItExists();
    void theStoredFileIsTheSameInEveryLanguage();
    void germanIsLoadedWithQtsOwnGermanAndSetsTheLocale();
};

// English has no translation: its words for one and for many come from the
// program's own texts.
void LanguageTest::englishSaysOneAndManyAsBeforeWithoutATranslation() {
    QCOMPARE(spokenTime(1), QStringLiteral("1 second"));
    QCOMPARE(spokenTime(30), QStringLiteral("30 seconds"));
    QCOMPARE(spokenTime(60), QStringLiteral("1 minute"));
    QCOMPARE(spokenTime(121), QStringLiteral("2 minutes 1 second"));
    QCOMPARE(spokenTime(61), QStringLiteral("1 minute 1 second"));
    QCOMPARE(timeWarning(10), QStringLiteral("10 seconds left"));
    Utterance end = said(Utterance::Kind::End);
    end.score = 233;
    end.lastMovePoints = 3;
    GameState s;
    QCOMPARE(spokenText(s, end), QStringLiteral("3 points. Game over, final score 233."));
    s.options.gameMode = kFallingTiles;
    s.clockSeconds = 65;
    s.score = 1234;
    QCOMPARE(statusSpeech(s, 2000), QStringLiteral("Score 1234, time remaining 1 minute 5 seconds, best score 2000"));
}

void LanguageTest::noTextAPlayerMeetsStaysEnglishInThePseudoLanguage() {
    Installed pseudo(std::make_unique<PseudoTranslator>());
    RunningProgram p;
    MainWindow& w = *p.window;
    QStringList texts;
    // The window in both games, paused (the resume button), assisted, with a best total found.
    for (int16_t mode : {kStandardGame, kFallingTiles}) {
        p.game().options.gameMode = mode;
        w.startGame();
        w.pauseChosen();
        w.assist().showBestFound(1530);
        texts << textsOf(&w);
        w.resumeClicked();
        w.restartChosen();  // a known deal, marked
        texts << textsOf(&w) << QAccessible::queryAccessibleInterface(w.board())->text(QAccessible::Description);
    }
    // The board, its cells (empty, alone and in a group) and what is said.
    p.setBoard({"12", "21", "11"});
    w.tileSetChosen(3);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(w.board());
    const GameState& g = p.game();
    for (int r : {0, g.numRows - 3, g.numRows - 2, g.numRows - 1}) {
        for (int c : {0, g.numCols - 2, g.numCols - 1}) {
            QAccessibleInterface* cell = table->tableInterface()->cellAt(r, c);
            texts << cell->text(QAccessible::Name) << cell->text(QAccessible::Description);
        }
    }
    texts << table->text(QAccessible::Name) << table->tableInterface()->rowDescription(0)
          << table->tableInterface()->columnDescription(0);
    Utterance move = said(Utterance::Kind::Move);
    move.points = 6;
    move.now = CellView{Cell{1, 1}, 1, 2, 3};
    Utterance end = said(Utterance::Kind::End);
    end.lastMovePoints = 3;
    Utterance timeLeft = said(Utterance::Kind::TimeLeft);
    timeLeft.secondsLeft = 30;
    Utterance again = said(Utterance::Kind::Deal);
    again.again = true;
    Utterance lineEnd = said(Utterance::Kind::BestLine);
    lineEnd.finished = true;
    for (const Utterance& u : {move, said(Utterance::Kind::Batch), timeLeft, said(Utterance::Kind::End), end,
                               said(Utterance::Kind::Deal), again, said(Utterance::Kind::BestLine), lineEnd})
        texts << spokenText(g, u);
    texts << statusSpeech(g, 10) << spokenTime(61) << spokenTime(120);
    // The messages and every dialog.
    texts << QString::fromStdString(storeFailedMessage()) << QString::fromStdString(gameOverMessage())
          << QString::fromStdString(timeOutMessage());
    FixedScreen screen;
    FallingOptionsDialog options(screen);
    options.show();
    AboutDialog about(kWebAddress, [] {}, screen);
    p.program.bestScores.recordFor(currentConfiguration(p.program)) = {{300, 20, 0}, {"Zoe", "Zoe", "Anononymous"}};
    ScoresDialog scores(p.program, screen);
    NameDialog name(kFallingTiles, screen);
    GameOverDialog gameOver(1234, screen);
    DealNumberDialog deal(42, p.game().options, nullptr);
    deal.numberEdit()->setText(QStringLiteral("x"));
    deal.okButton()->click();  // refused: the dialog stays, with its message
    for (QWidget* d : std::initializer_list<QWidget*>{&options, &about, &scores, &name, &gameOver, &deal})
        texts << textsOf(d);
    // The help window, here with the page that tells its file is missing.
    HelpWindow help;
    help.showContents("/nonexistent/QLX.hlp");
    texts << textsOf(help.window()) << help.browser()->toPlainText().split(QLatin1Char('\n'));

    QVERIFY(texts.size() > 150);
    const QStringList english = stayedEnglish(texts);
    QVERIFY2(english.isEmpty(), qPrintable(QStringLiteral("stayed English: ") + english.join(QStringLiteral(" | "))));
}

void LanguageTest::textsFitTheirPlaces_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QStringLiteral("en");
    QTest::newRow("pseudo") << QStringLiteral("pseudo");
    for (const QString& language : QStringLiteral(QLX_LANGUAGES).split(QLatin1Char(' ')))
        QTest::newRow(qPrintable(language)) << language;
}

void LanguageTest::textsFitTheirPlaces() {
    QFETCH(QString, language);
    FixedScreen screen;
    // The English widths, which a longer language may only widen.
    const int englishPanel = RunningProgram().window->statsFrame()->width();
    const int englishOptions = FallingOptionsDialog(screen).width();

    const auto installed = installLanguage(language);
    RunningProgram p;
    MainWindow& w = *p.window;
    for (int16_t mode : {kStandardGame, kFallingTiles}) {
        p.game().options.gameMode = mode;
        for (int16_t grid : {int16_t(0), int16_t(3)}) {
            w.gridSizeActions()[grid]->trigger();
            w.tileSizeActions()[0]->trigger();
            w.assist().showBestFound(12345);
            w.restartChosen();  // the known deal's mark
            textsFit(&w);
            QGroupBox* panel = w.statsFrame();
            QVERIFY(QFontMetrics(panel->font()).horizontalAdvance(panel->title()) + 14 <= panel->width());
            for (const QLabel* l : panel->findChildren<QLabel*>())
                QVERIFY2(l->geometry().right() < panel->width(), qPrintable(l->text()));
            QVERIFY(w.centralWidget()->rect().contains(panel->geometry()));
            w.pauseChosen();
            textsFit(&w);
            QVERIFY(!w.resumeButton()->geometry().intersects(panel->geometry()));
            w.resumeClicked();
        }
    }
    if (language == QLatin1String("pseudo")) QVERIFY(w.statsFrame()->width() >= englishPanel);

    FallingOptionsDialog options(screen);
    options.show();
    textsFit(&options);
    if (language == QLatin1String("pseudo")) QVERIFY(options.width() >= englishOptions);
    AboutDialog about(kWebAddress, [] {}, screen);
    about.show();
    textsFit(&about);
    GameOverDialog gameOver(123456, screen);
    gameOver.show();
    textsFit(&gameOver);
    DealNumberDialog deal(999'999'999, p.game().options, nullptr);
    deal.show();
    textsFit(&deal);
    for (int16_t mode : {kStandardGame, kFallingTiles}) {
        p.game().options.gameMode = mode;
        p.program.bestScores.recordFor(currentConfiguration(p.program)) = {{99999, 2, 1},
                                                                            {"Bartholomew Longname", "B", "C"}};
        ScoresDialog scores(p.program, screen);
        scores.show();
        textsFit(&scores);
        NameDialog name(mode, screen);
        name.show();
        textsFit(&name);
    }
    HelpWindow help;
    help.showContents("/nonexistent/QLX.hlp");
    textsFit(help.window());
}

void LanguageTest::aRightToLeftLanguageMirrorsTheWindowsButNotTheBoard() {
    std::optional<Installed> rtl(std::in_place, std::make_unique<PseudoRightToLeft>());
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    RunningProgram p;
    MainWindow& w = *p.window;
    // The panel left of the board, both inside the window.
    QVERIFY(w.statsFrame()->geometry().right() < w.board()->x());
    QVERIFY(w.centralWidget()->rect().contains(w.board()->geometry()));
    QVERIFY(w.centralWidget()->rect().contains(w.statsFrame()->geometry()));
    textsFit(&w);
    // The board is not mirrored: a click finds its cell from the left, the
    // group vanishes, the tiles fall down and slide right, and the right
    // arrow key goes right.
    QCOMPARE(w.board()->layoutDirection(), Qt::LeftToRight);
    p.setBoard({"22", "21", "11"});
    w.tileSetChosen(0);
    p.click(p.game().numCols - 1, p.game().numRows);  // the 1 at the bottom left of the picture
    QCOMPARE(p.game().score, 6);
    const GameState& g = p.game();
    // The 2s have fallen and slid right, as the rules settle them in every language...
    const Rows rows = pictureOf(g);
    const auto corner = [&](std::size_t fromBottom) { return rows[rows.size() - fromBottom].substr(g.numCols - 2); };
    QCOMPARE(QString::fromStdString(corner(3) + "/" + corner(2) + "/" + corner(1)), QStringLiteral("../.2/22"));
    // ... and are painted where they are: the bottom-right cell shows a 2.
    const int ts = tileSize(g);
    const QImage& two = w.tilePictures().listOfSize(ts).picture(2, w.board()->image().devicePixelRatio());
    const QImage shown = w.board()->image().copy(squareOf(g, *cellAt(g, g.numCols - 1, g.numRows - 1)));
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), two.convertToFormat(QImage::Format_RGB32));
    p.cursorTo(cellAt(g, 1, 1));
    QTest::keyClick(w.board(), Qt::Key_Right);
    QCOMPARE(*w.board()->cursor(), *cellAt(g, 2, 1));
    // The dialogs mirror: OK right of Cancel, every text inside.
    FixedScreen screen;
    FallingOptionsDialog options(screen);
    options.show();
    QVERIFY(options.findChild<QPushButton*>("okButton")->x() > options.findChild<QPushButton*>("cancelButton")->x());
    textsFit(&options);
    GameOverDialog gameOver(5, screen);
    gameOver.show();
    QVERIFY(gameOver.playAgainButton()->x() > gameOver.cancelButton()->x());
    textsFit(&gameOver);
    rtl.reset();
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

void LanguageTest::numbersAreWrittenAsTheLocaleWritesThem() {
    // English as always: no group separator in the score (the best total's: assist_test.cpp).
    RunningProgram p;
    MainWindow& w = *p.window;
    QCOMPARE(localDigits(12345), QStringLiteral("12345"));
    setUiLocale(QLocale(QStringLiteral("de")));
    w.assist().showBestFound(1530);
    QCOMPARE(w.findChild<QLabel*>("bestFoundLabel")->text(), QStringLiteral("Best found 1.530"));
    QCOMPARE(localDigits(QStringLiteral("1:05")), QStringLiteral("1:05"));
    // A locale with digits of its own writes them in the panel and the clock.
    setUiLocale(QLocale(QLocale::Arabic, QLocale::Egypt));
    QCOMPARE(localDigits(QStringLiteral("10:07")), QStringLiteral("١٠:٠٧"));
    p.game().score = 45;
    w.showPosition();
    QCOMPARE(w.scoreLabel()->text(), QStringLiteral("٤٥"));
}

void LanguageTest::theFirstDesktopLanguageWithATranslationIsChosenAndEnglishStopsTheSearch() {
    QTemporaryDir dir;
    for (const char* lang : {"de", "pt_BR", "zh_CN"}) {
        QFile f(dir.filePath(QStringLiteral("quellix_%1.qm").arg(QLatin1String(lang))));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const auto chosen = [&](const QStringList& desktop) {
        return QFileInfo(translationFile(desktop, dir.path())).fileName();
    };
    QCOMPARE(chosen({"de"}), QStringLiteral("quellix_de.qm"));
    QCOMPARE(chosen({"de-AT", "en"}), QStringLiteral("quellix_de.qm"));
    QCOMPARE(chosen({"nl-NL", "nl", "de"}), QStringLiteral("quellix_de.qm"));
    QCOMPARE(chosen({"pt-BR"}), QStringLiteral("quellix_pt_BR.qm"));
    QCOMPARE(chosen({"zh-Hans-CN", "zh-CN", "zh"}), QStringLiteral("quellix_zh_CN.qm"));
    // English first, a variant without a translation, no language: English.
    QCOMPARE(chosen({"en-US", "de"}), QString());
    QCOMPARE(chosen({"pt-PT"}), QString());
    QCOMPARE(chosen({"zh-TW"}), QString());
    QCOMPARE(chosen({"C"}), QString());
    QCOMPARE(chosen({}), QString());
}

void LanguageTest::theHelpPageOfTheLanguageIsOpenedWhereItExists() {
    QTemporaryDir dir;
    for (const char* name : {"QLX.hlp", "QLX_de.hlp", "QLX_pt_BR.hlp"}) {
        QFile f(dir.filePath(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const QString english = dir.filePath(QStringLiteral("QLX.hlp"));
    QCOMPARE(helpFileFor(english, QStringLiteral("de")), dir.filePath(QStringLiteral("QLX_de.hlp")));
    QCOMPARE(helpFileFor(english, QStringLiteral("pt_BR")), dir.filePath(QStringLiteral("QLX_pt_BR.hlp")));
    QCOMPARE(helpFileFor(english, QStringLiteral("fr")), english);
    QCOMPARE(helpFileFor(english, QString()), english);
}

// The first run's settings file, written at the exit, is the same byte for
// byte whatever the language.
void LanguageTest::theStoredFileIsTheSameInEveryLanguage() {
    const auto firstRunFile = [](const QString& language) {
        QTemporaryDir dir;
        const auto installed = language.isEmpty() ? decltype(installLanguage(language)){} : installLanguage(language);
        {
            FileRegistry registry(dir.path().toStdString());
            RunningProgram p(&registry);
            p.program.settings.enterScore(p.program.bestScores, currentConfiguration(p.program), 50, "Zoe");
            p.window->exitChosen();
        }
        QFile f(dir.filePath(QStringLiteral("Orlenda/Quellix/1.0.reg")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray english = firstRunFile(QString());
    QVERIFY(english.contains("Anononymous"));
    QCOMPARE(firstRunFile(QStringLiteral("de")), english);
    QCOMPARE(firstRunFile(QStringLiteral("pseudo")), english);
}

// As the program starts for a German desktop: the game's German and Qt's
// own (its standard buttons) installed, German numbers, the German help.
void LanguageTest::germanIsLoadedWithQtsOwnGermanAndSetsTheLocale() {
    loadTranslations(QStringLiteral(QLX_TRANSLATIONS_DIR), {QStringLiteral("de-DE"), QStringLiteral("en")});
    const QList<QTranslator*> installed = qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(uiLanguage(), QStringLiteral("de"));
    QCOMPARE(uiLocale().language(), QLocale::German);
    QCOMPARE(groupedNumber(1530), QStringLiteral("1.530"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    QCOMPARE(installed.size(), 2);
    for (QTranslator* t : installed) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
