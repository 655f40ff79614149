// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The framework layer's number parsing and date text.

#include "vcl.h"

#include <QDate>
#include <QLocale>
#include <QtTest/QtTest>

class VclTest : public QObject
{
    Q_OBJECT

private slots:
    void strToIntDef_data();
    void strToIntDef();
    void dateToStrWritesTheYearInFull_data();
    void dateToStrWritesTheYearInFull();
};

void VclTest::strToIntDef_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("digits") << "1924" << 1924;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("plus zero") << "+0" << 0;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("minus") << "-10" << -10;
    QTest::newRow("plus") << "+10" << 10;
    QTest::newRow("leading zeros") << "0000000000000000000000042" << 42;
    QTest::newRow("blanks around") << " \t42  " << 42;
    QTest::newRow("ideographic space around") << "\u300042\u3000" << 42;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483647 - 1);
    QTest::newRow("one past largest") << "2147483648" << -7;
    QTest::newRow("one past smallest") << "-2147483649" << -7;
    QTest::newRow("ten thousand digits") << QString(10000, u'9') << -7;
    QTest::newRow("empty") << "" << -7;
    QTest::newRow("blanks only") << "   " << -7;
    QTest::newRow("sign alone") << "-" << -7;
    QTest::newRow("two signs") << "+-1" << -7;
    QTest::newRow("blank after sign") << "- 1" << -7;
    QTest::newRow("blank inside") << "1 2" << -7;
    QTest::newRow("hexadecimal 0x") << "0x10" << -7;
    QTest::newRow("hexadecimal $") << "$10" << -7;
    QTest::newRow("exponent") << "1e3" << -7;
    QTest::newRow("decimal point") << "1.0" << -7;
    QTest::newRow("digits then words") << "12abc" << -7;
    QTest::newRow("full-width digits") << "\uFF11\uFF12" << -7;
    QTest::newRow("Arabic-Indic digits") << "\u0661\u0662" << -7;
    QTest::newRow("Hangul") << "천구백" << -7;
    QTest::newRow("NUL inside") << QString::fromUtf16(u"1\u00002", 3) << -7;
}

void VclTest::strToIntDef()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(StrToIntDef(text, -7), value);
}

void VclTest::dateToStrWritesTheYearInFull_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");

    QTest::newRow("Korean") << "ko_KR"
                            << "2026. 12. 7.";
    QTest::newRow("US English") << "en_US"
                                << "12/7/2026";
    QTest::newRow("German") << "de_DE"
                            << "07.12.2026";
    QTest::newRow("Japanese") << "ja_JP"
                              << "2026/12/07";
}

void VclTest::dateToStrWritesTheYearInFull()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QCOMPARE(DateToStr(QDate(2026, 12, 7), QLocale(locale)), text);
}

QTEST_GUILESS_MAIN(VclTest)
#include "vcl_test.moc"
