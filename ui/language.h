// The language the game speaks and the way it writes numbers.
//
// The language follows the desktop as Qt reads it (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG): the first of the desktop's languages that the game has
// a translation for, else English, the language of the texts in the code.
// Numbers are written as the locale of that language writes them; in English
// exactly as they have always been shown.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace qlx {

// The locale numbers are written in: en_US unless a translation is in use.
const QLocale& uiLocale();
void setUiLocale(const QLocale& locale);

// The text with its digits 0-9 written in the digits of uiLocale() (in most
// languages the same), e.g. a clock's "1:05"; and a number so, with no group
// separators: 1234, as the score has always been shown.
QString localDigits(const QString& text);
QString localDigits(int32_t number);

// A number as the locale writes it, with its group separators: "1,530" in English.
QString groupedNumber(int32_t number);

// The translation's file for the first of languages (e.g. the desktop's,
// QLocale::system().uiLanguages()) that folder has one for, before any
// English one: folder/quellix_<lang>.qm, where lang is the language as given
// ("pt_BR"), as language and territory, or the language alone ("de" for
// "de-AT"). Empty for English, or where none of the languages has one.
QString translationFile(const QStringList& languages, const QString& folder);

// Installs the translation for the desktop's languages (translationFile, of
// QLocale::system().uiLanguages() as the program calls it) with
// Qt's own for its standard buttons (qtbase_<lang>.qm from Qt's translations,
// else from folder), and sets uiLocale() to the desktop's locale where it has
// the translation's language, else to that language's. Nothing for English.
// The windows' direction follows the translation, as Qt sets it.
void loadTranslations(const QString& folder, const QStringList& languages);

// The language of the translation in use ("de", "pt_BR"), or empty for English.
const QString& uiLanguage();

}  // namespace qlx
