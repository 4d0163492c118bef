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

}  // namespace qlx
