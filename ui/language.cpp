#include "language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace qlx {

namespace {

// Qt sets the windows' direction from this text of the translation in use
// (as it does from its own translations): a language written from right to
// left translates it as "RTL".
//: Translate as "LTR" if your language is written from left to right, "RTL" if from right to left: the windows
//: are laid out in that direction. Not shown.
[[maybe_unused]] constexpr const char* kDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

QString& language() {
    static QString l;
    return l;
}

QLocale& locale() {
    static QLocale l(QLocale::English, QLocale::UnitedStates);
    return l;
}
}  // namespace

const QLocale& uiLocale() { return locale(); }

void setUiLocale(const QLocale& l) { locale() = l; }

QString localDigits(const QString& text) {
    const QString zero = uiLocale().zeroDigit();
    if (zero == QLatin1String("0")) return text;
    // A digit other than 0-9 is one UTF-16 unit or a surrogate pair; the ten follow one another.
    QString out;
    out.reserve(text.size() * zero.size());
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            out += c;
            continue;
        }
        const char32_t digit = QStringView(zero).toUcs4().value(0) + static_cast<char32_t>(c.unicode() - '0');
        out += QString::fromUcs4(&digit, 1);
    }
    return out;
}

QString localDigits(int32_t number) { return localDigits(QString::number(number)); }

QString groupedNumber(int32_t number) { return uiLocale().toString(number); }

QString translationFile(const QStringList& languages, const QString& folder) {
    for (const QString& name : languages) {
        const QLocale l(name);
        if (l.language() == QLocale::English) return {};
        if (l.language() == QLocale::C || l.language() == QLocale::AnyLanguage) continue;
        const QString code = QLocale::languageToCode(l.language());
        QString given = name;
        given.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (const QString& candidate : {given, code + QLatin1Char('_') + QLocale::territoryToCode(l.territory()), code}) {
            const QString file = folder + QStringLiteral("/quellix_") + candidate + QStringLiteral(".qm");
            if (QFileInfo::exists(file)) return file;
        }
    }
    return {};
}

void loadTranslations(const QString& folder, const QStringList& languages) {
    const QString file = translationFile(languages, folder);
    if (file.isEmpty()) return;
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(file)) {
        delete own;
        return;
    }
    // The language as the file names it ("pt_BR" of quellix_pt_BR.qm), as the help pages are named.
    const QString lang = QFileInfo(file).completeBaseName().section(QLatin1Char('_'), 1);
    // Qt's own first, so that the game's texts come before it.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + lang, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt->load(QStringLiteral("qtbase_") + lang, folder)) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    QCoreApplication::installTranslator(own);
    language() = lang;
    const QLocale desktop = QLocale::system();
    setUiLocale(desktop.language() == QLocale(lang).language() ? desktop : QLocale(lang));
}

const QString& uiLanguage() { return language(); }

}  // namespace qlx
