// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The framework layer's date text.

#include "vcl.h"

#include <QDate>
#include <QLocale>
#include <QtTest/QtTest>

class VclTest : public QObject
{
    Q_OBJECT

private slots:
    void dateToStrWritesTheYearInFull_data();
    void dateToStrWritesTheYearInFull();
};

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
