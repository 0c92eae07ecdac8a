// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The seconds of a record read as a number: what is an integer and what is not.

#include "records/StrToInt.h"
#include "tests/records/ScoreFileChecks.h"

#include <QTest>

class StrToIntTest : public QObject {
    Q_OBJECT

  private slots:
    void acceptsIntegers_data();
    void acceptsIntegers();
    void rejectsNonIntegers_data();
    void rejectsNonIntegers();
};

void StrToIntTest::acceptsIntegers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("zero") << QStringLiteral("0") << 0;
    QTest::newRow("a day") << QStringLiteral("86400") << 86400;
    QTest::newRow("plus") << QStringLiteral("+5") << 5;
    QTest::newRow("minus") << QStringLiteral("-7") << -7;
    QTest::newRow("minus zero") << QStringLiteral("-0") << 0;
    QTest::newRow("leading zeros") << QStringLiteral("007") << 7;
    QTest::newRow("largest") << QStringLiteral("2147483647") << 2147483647;
    QTest::newRow("smallest") << QStringLiteral("-2147483648") << (-2147483647 - 1);
    QTest::newRow("many leading zeros") << QStringLiteral("000000000000042") << 42;
}

void StrToIntTest::acceptsIntegers() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(StrToInt(text), value);
}

void StrToIntTest::rejectsNonIntegers_data() {
    QTest::addColumn<QString>("text");

    QTest::newRow("trailing letter") << QStringLiteral("12a");
    QTest::newRow("empty") << QString();
    QTest::newRow("leading blank") << QStringLiteral(" 5");
    QTest::newRow("trailing blank") << QStringLiteral("5 ");
    QTest::newRow("inner blank") << QStringLiteral("1 000");
    QTest::newRow("sign only") << QStringLiteral("-");
    QTest::newRow("plus only") << QStringLiteral("+");
    QTest::newRow("two signs") << QStringLiteral("+-1");
    QTest::newRow("hex 0x") << QStringLiteral("0x10");
    QTest::newRow("hex $") << QStringLiteral("$10");
    QTest::newRow("decimal point") << QStringLiteral("1.0");
    QTest::newRow("exponent") << QStringLiteral("1e3");
    QTest::newRow("other digits") << QStringLiteral("٣");
    QTest::newRow("one past the largest") << QStringLiteral("2147483648");
    QTest::newRow("one below the smallest") << QStringLiteral("-2147483649");
    QTest::newRow("2 to the 32") << QStringLiteral("4294967296");
    QTest::newRow("eleven digits") << QStringLiteral("99999999999");
    QTest::newRow("2 to the 64") << QStringLiteral("18446744073709551616");
}

void StrToIntTest::rejectsNonIntegers() {
    QFETCH(QString, text);
    QCOMPARE(ErrorOf([&] { StrToInt(text); }),
             QStringLiteral("'%1' is not a valid integer value").arg(text));
}

QTEST_GUILESS_MAIN(StrToIntTest)
#include "StrToIntTest.moc"
