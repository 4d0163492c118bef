// A pseudo-language for window tests: every text of the game, accented and
// about 40 % longer, between ⟦ and ⟧, so that a text left in English, or cut
// off, shows. Qt's own texts and the direction entry are left alone.
#pragma once

#include <QTranslator>

namespace qlx::test {

inline const QString kPseudoOpen = QStringLiteral("⟦");
inline const QString kPseudoClose = QStringLiteral("⟧");

// The accented form of an ASCII letter, else the character itself.
inline QChar accented(QChar c) {
    static const QString plain = QStringLiteral("aeiouycnzslAEIOUYCNZSL");
    static const QString marked = QStringLiteral("áéîõüýçñžšłÅÉÎÕÜÝÇÑŽŠŁ");
    const qsizetype at = plain.indexOf(c);
    return at >= 0 ? marked.at(at) : c;
}

// "Score %1" -> "⟦Šçõré %1 Šçõ⟧": the letters accented, the placeholders (%1,
// %n, %L1), blanks and line breaks kept, and the first letters again at the
// end so that the text is about 40 % longer.
inline QString pseudoText(const QString& source) {
    QString body, letters;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        if (c == QLatin1Char('%') && i + 1 < source.size()) {
            qsizetype end = i + 1;
            if (source.at(end) == QLatin1Char('L')) ++end;
            while (end < source.size() && (source.at(end).isDigit() || source.at(end) == QLatin1Char('n'))) ++end;
            body += source.mid(i, end - i);
            i = end - 1;
            continue;
        }
        body += accented(c);
        if (c.isLetter()) letters += accented(c);
    }
    const qsizetype extra = (source.size() * 4 + 9) / 10;
    return kPseudoOpen + body + QLatin1Char(' ') + letters.left(std::max<qsizetype>(1, extra - 3)) + kPseudoClose;
}

class PseudoTranslator final : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override {
        if (!source || !QByteArray(context).startsWith("qlx::")) return {};
        return pseudoText(QString::fromUtf8(source));
    }
};

}  // namespace qlx::test
