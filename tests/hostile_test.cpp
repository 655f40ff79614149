// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window under hostile use: megabytes pasted into its fields, Hangul
// arriving through an input method in every way one sends it, thousands of
// clicks in a row, and the window closed while a failure is being shown.

#include "Unit1.h"
#include "vcl.h"
#include "window_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>
#include <QtTest/QtTest>

#include <algorithm>
#include <stdexcept>
#include <utility>

using namespace driver;

namespace {

// What the answering button must add when its field counts as `number`.
// Whether the answer path says the right thing is the fuzz target's question;
// these tests ask whether hostile input reaches it as that number.
QStringList ExpectedLines(const QString &button, qint64 number)
{
    TGanji ganji;
    const QString text = QString::number(number);
    return ToStringList(button == u"B1" ? YearLines(ganji, false, Utf16(text))
                                        : YearsAgoLines(ganji, ThisYear(), Utf16(text)));
}

QString ButtonFor(const QString &field)
{
    return field == u"Edit1" ? QStringLiteral("B1") : QStringLiteral("Button1");
}

constexpr qsizetype Megabyte = 1 << 20;

// A megabyte of `round` over and over.
QString Megabytes(const QString &round)
{
    return round.repeated(Megabyte / round.size());
}

// One message of an input method: what it is composing, what it commits, and
// the text around the cursor the commit replaces.
struct Composition
{
    QString preedit;
    QString commit;
    int replaceFrom = 0;
    int replaceLength = 0;
};

} // namespace

Q_DECLARE_METATYPE(Composition)

class HostileTest : public QObject
{
    Q_OBJECT

private slots:
    void pastedMegabyteAnswersAsForZero_data();
    void pastedMegabyteAnswersAsForZero();
    void hangulFromAnInputMethod_data();
    void hangulFromAnInputMethod();
    void thousandsOfAlternateClicksKeepTwoLinesEach();
    void closedWhileAFailureIsShown_data();
    void closedWhileAFailureIsShown();
};

void HostileTest::pastedMegabyteAnswersAsForZero_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");

    const QList<std::pair<QString, QString>> texts = {
        {QStringLiteral("digits"), Megabytes(QStringLiteral("7"))},
        {QStringLiteral("Hangul"), Megabytes(QStringLiteral("갑을병정"))},
        {QStringLiteral("blanks"), Megabytes(QStringLiteral(" \t\u3000"))},
        {QStringLiteral("control characters and NULs"),
         Megabytes(QString::fromUtf16(u"1\0\x01\x1b\r\n 2", 8))},
        // The field keeps the first 32,767 characters of a paste, all blanks.
        {QStringLiteral("blanks then a number"),
         Megabytes(QStringLiteral(" ")) + QStringLiteral("1924")},
    };
    for (const QString &field : {QStringLiteral("Edit1"), QStringLiteral("Edit2")}) {
        for (const auto &[what, text] : texts)
            QTest::newRow(qPrintable(field + QStringLiteral(", a megabyte of ") + what))
                << field << text;
    }
}

void HostileTest::pastedMegabyteAnswersAsForZero()
{
    QFETCH(QString, field);
    QFETCH(QString, pasted);

    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *edit = Control<QLineEdit>(form, field.toLatin1().constData());
    auto *button = Control<QPushButton>(form, ButtonFor(field).toLatin1().constData());
    const QStringList before = Lines(form);

    QElapsedTimer timer;
    timer.start();
    QGuiApplication::clipboard()->setText(pasted);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QVERIFY2(!edit->text().isEmpty() && pasted.startsWith(edit->text()),
             "the field holds the start of the paste");
    Click(button);
    QCOMPARE(Lines(form), before + ExpectedLines(ButtonFor(field), 0));

    // Still answering, and quickly: the field is usable again at once.
    Type(edit, QStringLiteral("1924"));
    Click(button);
    QCOMPARE(Lines(form),
             before + ExpectedLines(ButtonFor(field), 0) + ExpectedLines(ButtonFor(field), 1924));
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed < 10000, qPrintable(QStringLiteral("took %1 ms").arg(elapsed)));
}

void HostileTest::hangulFromAnInputMethod_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed"); // on the keys first
    QTest::addColumn<QList<Composition>>("messages");
    QTest::addColumn<QString>("text");  // what the field then holds
    QTest::addColumn<qint64>("number"); // what it counts as

    // A Korean input method composes a syllable jamo by jamo, and commits it
    // when the next one starts.
    const QList<Composition> ilcheon = {
        {QStringLiteral("ㅇ"), {}}, {QStringLiteral("이"), {}},
        {QStringLiteral("일"), {}}, {QStringLiteral("ㅊ"), QStringLiteral("일")},
        {QStringLiteral("처"), {}}, {QStringLiteral("천"), {}},
        {{}, QStringLiteral("천")},
    };
    for (const char *field : {"Edit1", "Edit2"}) {
        QTest::addRow("%s, syllables composed jamo by jamo", field)
            << field << "" << ilcheon << "일천" << qint64{0};
        QTest::addRow("%s, a syllable still composing when the button is clicked", field)
            << field << "" << QList<Composition>{{QStringLiteral("이"), {}}} << "이" << qint64{0};
        QTest::addRow("%s, full-width digits committed", field)
            << field << "" << QList<Composition>{{{}, QStringLiteral("１９２４")}} << "１９２４"
            << qint64{0};
        QTest::addRow("%s, ASCII digits committed count", field)
            << field << "" << QList<Composition>{{{}, QStringLiteral("1924")}} << "1924"
            << qint64{1924};
        QTest::addRow("%s, a cancelled composition leaves the number", field)
            << field << "1924"
            << QList<Composition>{{QStringLiteral("ㄱ"), {}}, {QStringLiteral("가"), {}}, {}}
            << "1924" << qint64{1924};
        QTest::addRow("%s, a jamo committed between digits", field)
            << field << "19" << QList<Composition>{{{}, QStringLiteral("ㄱ")}} << "19ㄱ"
            << qint64{0};
        QTest::addRow("%s, a commit that replaces the digits before it", field)
            << field << "1924" << QList<Composition>{{{}, QStringLiteral("1984"), -4, 4}} << "1984"
            << qint64{1984};
        // A replacement reaching past both ends of the text replaces nothing.
        QTest::addRow("%s, a commit that replaces beyond the text", field)
            << field << "12" << QList<Composition>{{{}, QStringLiteral("천"), -100, 1000}} << "천12"
            << qint64{0};
    }
}

void HostileTest::hangulFromAnInputMethod()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QList<Composition>, messages);
    QFETCH(QString, text);
    QFETCH(qint64, number);

    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *edit = Control<QLineEdit>(form, field.toLatin1().constData());
    Type(edit, typed);
    const QStringList before = Lines(form);
    for (const Composition &message : messages) {
        QInputMethodEvent event(message.preedit, {});
        event.setCommitString(message.commit, message.replaceFrom, message.replaceLength);
        QApplication::sendEvent(edit, &event);
    }
    Click(Control<QPushButton>(form, ButtonFor(field).toLatin1().constData()));

    QCOMPARE(edit->text(), text);
    QCOMPARE(Lines(form), before + ExpectedLines(ButtonFor(field), number));
}

void HostileTest::thousandsOfAlternateClicksKeepTwoLinesEach()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *edit1 = Control<QLineEdit>(form, "Edit1");
    auto *edit2 = Control<QLineEdit>(form, "Edit2");
    auto *b1 = Control<QPushButton>(form, "B1");
    auto *button1 = Control<QPushButton>(form, "Button1");
    auto *ad = Control<QRadioButton>(form, "RBAD");
    auto *bc = Control<QRadioButton>(form, "RBBC");

    // Years and counts around every edge of the scheme and of 32 bits, and
    // ordinary ones; each round moves them on by a little.
    const QList<qint64> years = {1,     1924, 1983, 1984,       2026,           30057,
                                 30058, 0,    -5,   2147483647, -2147483647 - 1};
    const QList<qint64> counts = {0, 1, -10, ThisYear(), ThisYear() + 1, 2147483647};
    QStringList expected = Lines(form);
    TGanji ganji;
    constexpr int Rounds = 1500;
    for (int round = 0; round < Rounds; ++round) {
        // The era changes every third round; Button1 in between may have left
        // the calculator in the other one.
        const bool inBc = round / 3 % 2 == 1;
        QTest::mouseClick(inBc ? bc : ad, Qt::LeftButton);
        const qint64 year = years[round % years.size()] + round / years.size();
        Type(edit1, QString::number(year));
        Click(b1);
        expected += ToStringList(YearLines(ganji, inBc, Utf16(QString::number(year))));

        const qint64 count = counts[round % counts.size()] - round / counts.size();
        Type(edit2, QString::number(count));
        Click(button1);
        expected += ToStringList(YearsAgoLines(ganji, ThisYear(), Utf16(QString::number(count))));
    }
    const QStringList lines = Lines(form);
    QCOMPARE(lines.size(), 3 + 4 * Rounds);
    QCOMPARE(lines, expected);
}

void HostileTest::closedWhileAFailureIsShown_data()
{
    QTest::addColumn<bool>("native");

    // As the program or a session ending closes it: the failure's message
    // goes with the window and the program ends normally.
    QTest::newRow("the window closed") << false;
    QTest::newRow("its native window closed") << true;
}

void HostileTest::closedWhileAFailureIsShown()
{
    QFETCH(bool, native);

    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    bool carriedOn = true;
    bool returned = false;
    bool boxSeen = false;
    // A failure in an operation, shown while the application's loop runs.
    QTimer::singleShot(0, &form, [&] {
        carriedOn = Guarded([] { throw std::runtime_error("계산할 수 없습니다"); });
        returned = true;
    });
    // Once the message is up, the window is closed under it.
    QTimer poll;
    connect(&poll, &QTimer::timeout, &form, [&] {
        if (boxSeen || !qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            return;
        boxSeen = true;
        if (native)
            form.windowHandle()->close();
        else
            form.close();
    });
    poll.start(10);
    // Nothing may keep the loop from ending.
    QTimer::singleShot(30000, &form, [] { QApplication::exit(2); });

    const int status = QApplication::exec();

    QCOMPARE(status, 0);
    QVERIFY(boxSeen);
    QVERIFY(returned);
    QVERIFY2(!carriedOn, "the failure was reported as one");
    QVERIFY(!form.isVisible());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY2(std::none_of(windows.begin(), windows.end(),
                          [](QWidget *w) { return qobject_cast<QMessageBox *>(w) != nullptr; }),
             "the message is gone");
}

QTEST_MAIN(HostileTest)
#include "hostile_test.moc"
