// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TestLanguage.h"

#include "platform/Translations.h"

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

namespace {

const QString Open = QStringLiteral("⟦"), Close = QStringLiteral("⟧");

// Every text of every context (the game's and Qt's) in the pseudo-language.
class PseudoTranslator : public QTranslator {
  public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        if (!source || !*source || QByteArrayView(source) == "QT_LAYOUT_DIRECTION")
            return {}; // no translation: left to right
        return Pseudo(QString::fromUtf8(source));
    }
};

} // namespace

bool PseudoLanguage() {
    return qEnvironmentVariableIsSet("TOLVANE_PSEUDO_LANGUAGE");
}

void InstallTestLanguage() {
    if (PseudoLanguage())
        QCoreApplication::installTranslator(new PseudoTranslator(QCoreApplication::instance()));
    else
        InstallTranslations(*QCoreApplication::instance());
}

QString Pseudo(const QString& english) {
    static const QHash<QChar, QChar> accented{{'a', u'á'}, {'e', u'ë'}, {'i', u'î'}, {'o', u'ø'},
                                              {'u', u'ü'}, {'n', u'ñ'}, {'E', u'É'}};
    QString shown;
    int letters = 0;
    for (int i = 0; i < english.size(); ++i) {
        const QChar c = english[i], next = i + 1 < english.size() ? english[i + 1] : QChar();
        if (c == '%' && (next.isDigit() || next == 'n')) { // placeholders stay
            shown += english.mid(i++, 2);
            continue;
        }
        // One letter in five doubled, one in ten followed by a wide glyph: about 40 % wider.
        const QChar letter = accented.value(c, c);
        shown += letter;
        if (c.isLetter() && ++letters % 5 == 0)
            shown += letters % 10 ? QString(letter) : QString(letter) + u'Ｗ';
    }
    return Open + shown + Close;
}

bool IsPseudo(const QString& shown) {
    return shown.contains(Open) && shown.contains(Close);
}

bool IsWhollyPseudo(const QString& shown) {
    return shown.startsWith(Open) && shown.endsWith(Close);
}
