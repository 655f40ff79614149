// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window driven as a user drives it: typing, clicking, reading the
// transcript.

#include "Unit1.h"
#include "reference.h"
#include "vcl.h"
#include "window_driver.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>
#include <QtTest/QtTest>

#include <stdexcept>

namespace {

using namespace driver;

const QString Note = QStringLiteral("AD1년~ 신유(57)년부터 시작하고, BC1년 경신년(56)부터 시작함 ");

// Closes the next message box that opens and keeps its text.
class MessageBoxWatcher : public QObject
{
public:
    MessageBoxWatcher() { Arm(); }

    int shown = 0;
    QString title;
    QString text;

private:
    void Arm()
    {
        QTimer::singleShot(0, this, [this] { Check(); });
    }

    void Check()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            Arm();
            return;
        }
        ++shown;
        title = box->windowTitle();
        text = box->text();
        box->accept();
    }
};

} // namespace

class FormTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTheNoteTheYearAndItsName();
    void opensWithFieldsSetAndFocusOnTheTranscript();
    void controlsStandWhereTheLayoutPutsThem_data();
    void controlsStandWhereTheLayoutPutsThem();
    void labelsShowTheirWholeText();
    void windowHoldsEveryControl();
    void controlsShowTheirWholeText();
    void looksAsTheSystemDoes();
    void b1AnswersTheYearInTheChosenEra_data();
    void b1AnswersTheYearInTheChosenEra();
    void button1AnswersSoManyYearsBack_data();
    void button1AnswersSoManyYearsBack();
    void b1FollowsTheRadioButtonsAfterButton1WentIntoBc();
    void everyClickAddsTwoLines();
    void enterPressesNoButton_data();
    void enterPressesNoButton();
    void tabVisitsTheControlsInOrder();
    void composingSyllableIsCommittedBeforeReading_data();
    void composingSyllableIsCommittedBeforeReading();
    void transcriptScrollsOnceItOutgrowsItsBox();
    void undoTakesBackTypingButNotTheProgramsLines_data();
    void undoTakesBackTypingButNotTheProgramsLines();
    void screenReaderCanTellControlsApart();
    void failureIsShownOnceAndProgramCarriesOn_data();
    void failureIsShownOnceAndProgramCarriesOn();
    void startUpWithoutAWindowFails();
};

void FormTest::opensWithTheNoteTheYearAndItsName()
{
    TForm1 form;
    const int year = ThisYear();
    QCOMPARE(Lines(form), QStringList({Note, QString::number(year), ReferenceName(false, year)}));
}

void FormTest::opensWithFieldsSetAndFocusOnTheTranscript()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    QCOMPARE(form.windowTitle(), QStringLiteral("도"));
    QCOMPARE(Control<QLabel>(form, "L1")->text(), DateToStr(QDate::currentDate()));
    QCOMPARE(Control<QLineEdit>(form, "Edit1")->text(), QString::number(ThisYear()));
    QCOMPARE(Control<QLineEdit>(form, "Edit2")->text(), QString());
    QVERIFY(Control<QRadioButton>(form, "RBAD")->isChecked());
    QVERIFY(!Control<QRadioButton>(form, "RBBC")->isChecked());
    QCOMPARE(QApplication::focusWidget(), Control<QWidget>(form, "Memo1"));
}

void FormTest::controlsStandWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    QTest::newRow("Memo1") << "Memo1"
                           << "QPlainTextEdit" << QRect(24, 80, 433, 465) << "";
    QTest::newRow("Edit1") << "Edit1"
                           << "TEdit" << QRect(152, 40, 57, 20) << "";
    QTest::newRow("B1") << "B1"
                        << "QPushButton" << QRect(216, 40, 81, 33) << "계산";
    QTest::newRow("RBAD") << "RBAD"
                          << "QRadioButton" << QRect(24, 40, 49, 17) << "AD";
    QTest::newRow("RBBC") << "RBBC"
                          << "QRadioButton" << QRect(80, 40, 49, 17) << "BC";
    QTest::newRow("Button1") << "Button1"
                             << "QPushButton" << QRect(376, 40, 81, 33) << "계산";
    QTest::newRow("Edit2") << "Edit2"
                           << "TEdit" << QRect(312, 40, 57, 20) << "";
    // Labels fit their texts: only their places are fixed.
    QTest::newRow("L1") << "L1"
                        << "QLabel" << QRect(24, 16, -1, -1) << "";
    QTest::newRow("Label1") << "Label1"
                            << "QLabel" << QRect(312, 24, -1, -1) << "올해부터 몇년 전 계산";
    QTest::newRow("Label2") << "Label2"
                            << "QLabel" << QRect(152, 24, -1, -1) << "년";
}

void FormTest::controlsStandWhereTheLayoutPutsThem()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    TForm1 form;
    auto *control = Control<QWidget>(form, name.toLatin1().constData());
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), className);
    QCOMPARE(control->parentWidget(), &form);
    QCOMPARE(control->pos(), geometry.topLeft());
    if (geometry.isValid())
        QCOMPARE(control->size(), geometry.size());
    if (!text.isEmpty())
        QCOMPARE(control->property("text").toString(), text);
}

void FormTest::labelsShowTheirWholeText()
{
    TForm1 form;
    QCOMPARE(form.font().families().value(0), QStringLiteral("굴림"));
    QCOMPARE(form.font().pixelSize(), 12);
    for (const char *name : {"L1", "Label1", "Label2"}) {
        auto *label = Control<QLabel>(form, name);
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()), name);
        QVERIFY2(label->height() >= label->fontMetrics().height(), name);
    }
}

void FormTest::windowHoldsEveryControl()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.frameGeometry().size(), QSize(493, 600));
    QVERIFY(form.width() >= 457 && form.height() >= 545);
    for (QWidget *control : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(form.rect().contains(control->geometry()), qPrintable(control->objectName()));
}

// Whatever style draws them, the buttons' and fields' texts show whole in
// the places and sizes the layout fixes.
void FormTest::controlsShowTheirWholeText()
{
    TForm1 form;
    for (QAbstractButton *button : form.findChildren<QAbstractButton *>()) {
        const QByteArray name = button->objectName().toLatin1();
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<QRadioButton *>(button) != nullptr;
        const QRect text = button->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                                                 : QStyle::SE_PushButtonContents,
                                                           &option, button);
        QVERIFY2(text.width() >= button->fontMetrics().horizontalAdvance(button->text()),
                 name.constData());
        QVERIFY2(text.height() >= button->fontMetrics().height(), name.constData());
        if (radio) {
            const QRect indicator =
                button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
            QVERIFY2(button->rect().contains(indicator), name.constData());
        }
    }
    for (QLineEdit *edit : form.findChildren<QLineEdit *>()) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        const QRect text =
            edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        QVERIFY2(text.height() >= edit->fontMetrics().height(), qPrintable(edit->objectName()));
    }
}

// The style and colours the system asks for, where the test is told which:
// on Windows 11 its own style, dark in its dark mode; on Windows 10 the
// Vista style.
void FormTest::looksAsTheSystemDoes()
{
    const QString style = qEnvironmentVariable("GANJI_EXPECTED_STYLE");
    if (style.isEmpty())
        QSKIP("GANJI_EXPECTED_STYLE names no style to expect");
    QCOMPARE(QApplication::style()->name(), style);
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const bool dark = qEnvironmentVariableIntValue("GANJI_EXPECTED_DARK") != 0;
    QCOMPARE(form.palette().color(QPalette::Window).lightnessF() < 0.5, dark);
    auto *memo = Control<QPlainTextEdit>(form, "Memo1");
    QCOMPARE(memo->palette().color(QPalette::Base).lightnessF() < 0.5, dark);
    QCOMPARE(memo->palette().color(QPalette::Text).lightnessF() < 0.5, !dark);
}

void FormTest::b1AnswersTheYearInTheChosenEra_data()
{
    QTest::addColumn<bool>("bc");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("AD 1924, a cycle start before 1984, is 60")
        << false << "1924" << QStringList{"60", "갑자"};
    QTest::newRow("AD 1984, the anchor, is 0") << false << "1984" << QStringList{"0", "갑자"};
    QTest::newRow("AD 1") << false << "1" << QStringList{"57", "신유"};
    QTest::newRow("BC 1") << true << "1" << QStringList{"56", "경신"};
    QTest::newRow("BC 30058 has a negative index") << true << "30058" << QStringList{"-1", "계해"};
    QTest::newRow("AD, empty field is year 0") << false << "" << QStringList{"56", "경신"};
    QTest::newRow("BC, empty field is year 0") << true << "" << QStringList{"57", "신유"};
    QTest::newRow("AD, words are year 0") << false << "올해" << QStringList{"56", "경신"};
    QTest::newRow("AD, hexadecimal is year 0") << false << "0x7B2" << QStringList{"56", "경신"};
    QTest::newRow("AD, blanks around a number") << false << "  1924 " << QStringList{"60", "갑자"};
    QTest::newRow("AD, plus sign") << false << "+1984" << QStringList{"0", "갑자"};
    QTest::newRow("AD, smallest 32-bit year")
        << false << "-2147483648" << QStringList{"48", "임자"};
    QTest::newRow("AD, one past 32 bits is year 0")
        << false << "2147483648" << QStringList{"56", "경신"};
}

void FormTest::b1AnswersTheYearInTheChosenEra()
{
    QFETCH(bool, bc);
    QFETCH(QString, typed);
    QFETCH(QStringList, lines);

    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(Control<QRadioButton>(form, bc ? "RBBC" : "RBAD"), Qt::LeftButton);
    Type(Control<QLineEdit>(form, "Edit1"), typed);
    Click(Control<QPushButton>(form, "B1"));

    QCOMPARE(Lines(form).mid(3), lines);
}

void FormTest::button1AnswersSoManyYearsBack_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("bc");
    QTest::addColumn<qint64>("year");

    const int now = ThisYear();
    QTest::newRow("empty is this year") << "" << false << qint64{now};
    QTest::newRow("0 is this year") << "0" << false << qint64{now};
    QTest::newRow("this year's number is BC 1") << QString::number(now) << true << qint64{1};
    QTest::newRow("one more is BC 2") << QString::number(now + 1) << true << qint64{2};
    QTest::newRow("negative is a future year") << "-10" << false << qint64{now + 10};
    QTest::newRow("words count as 0") << "abc" << false << qint64{now};
}

void FormTest::button1AnswersSoManyYearsBack()
{
    QFETCH(QString, typed);
    QFETCH(bool, bc);
    QFETCH(qint64, year);

    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Type(Control<QLineEdit>(form, "Edit2"), typed);
    Click(Control<QPushButton>(form, "Button1"));

    // These years all lie where the index is the place in the cycle itself.
    const int place = reference::Position(reference::AstronomicalYear(bc, year));
    QCOMPARE(Lines(form).mid(3), QStringList({QString::number(place), ReferenceName(bc, year)}));
    QVERIFY2(Control<QRadioButton>(form, "RBAD")->isChecked(), "the era shown does not change");
}

void FormTest::b1FollowsTheRadioButtonsAfterButton1WentIntoBc()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Type(Control<QLineEdit>(form, "Edit2"), QString::number(ThisYear())); // BC 1
    Click(Control<QPushButton>(form, "Button1"));
    Type(Control<QLineEdit>(form, "Edit1"), QStringLiteral("1"));
    Click(Control<QPushButton>(form, "B1"));

    QCOMPARE(Lines(form).mid(3), QStringList({"56", "경신", "57", "신유"}));
}

void FormTest::everyClickAddsTwoLines()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Type(Control<QLineEdit>(form, "Edit1"), QStringLiteral("1924"));
    Type(Control<QLineEdit>(form, "Edit2"), QStringLiteral("2"));
    auto *b1 = Control<QPushButton>(form, "B1");
    auto *button1 = Control<QPushButton>(form, "Button1");
    QStringList expected = Lines(form);
    const QString twoBack = ReferenceName(false, ThisYear() - 2);
    for (int i = 0; i < 20; ++i) {
        Click(i % 2 ? button1 : b1);
        expected += i % 2
                        ? QStringList{QString::number(reference::Position(ThisYear() - 2)), twoBack}
                        : QStringList{"60", "갑자"};
    }
    QCOMPARE(Lines(form), expected);
}

void FormTest::enterPressesNoButton_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("year field") << "Edit1";
    QTest::newRow("years-back field") << "Edit2";
}

void FormTest::enterPressesNoButton()
{
    QFETCH(QString, field);

    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *edit = Control<QLineEdit>(form, field.toLatin1().constData());
    Type(edit, QStringLiteral("12"));
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter);

    QCOMPARE(Lines(form).size(), 3);
}

void FormTest::tabVisitsTheControlsInOrder()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    QStringList visited;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited += QApplication::focusWidget()->objectName();
    }
    // The checked radio button stands for its pair; the arrow keys move in it.
    QCOMPARE(visited, QStringList({"Edit1", "B1", "RBAD", "Button1", "Edit2", "Memo1", "Edit1"}));
    QCOMPARE(Lines(form).size(), 3);
}

void FormTest::composingSyllableIsCommittedBeforeReading_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("lines");

    // A half-typed ㄱ after the number makes the field's text no number: 0.
    QTest::newRow("year field") << "Edit1"
                                << "B1" << QStringList{"56", "경신"};
    QTest::newRow("years-back field")
        << "Edit2"
        << "Button1"
        << QStringList{QString::number(reference::Position(ThisYear())),
                       ReferenceName(false, ThisYear())};
}

void FormTest::composingSyllableIsCommittedBeforeReading()
{
    QFETCH(QString, field);
    QFETCH(QString, button);
    QFETCH(QStringList, lines);

    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *edit = Control<QLineEdit>(form, field.toLatin1().constData());
    Type(edit, QStringLiteral("1924"));
    Compose(edit, QStringLiteral("ㄱ"));
    QCOMPARE(edit->text(), QStringLiteral("1924")); // still composing
    Click(Control<QPushButton>(form, button.toLatin1().constData()));

    QCOMPARE(edit->text(), QStringLiteral("1924ㄱ"));
    QCOMPARE(Lines(form).mid(3), lines);
}

void FormTest::transcriptScrollsOnceItOutgrowsItsBox()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *memo = Control<QPlainTextEdit>(form, "Memo1");
    QVERIFY(!memo->isReadOnly());
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(!memo->verticalScrollBar()->isVisible());

    auto *b1 = Control<QPushButton>(form, "B1");
    for (int i = 0; i < 30; ++i)
        Click(b1);
    QTRY_VERIFY(memo->verticalScrollBar()->isVisible());
}

void FormTest::undoTakesBackTypingButNotTheProgramsLines_data()
{
    QTest::addColumn<bool>("clicked");
    QTest::newRow("the start-up listing") << false;
    QTest::newRow("a click's answer") << true;
}

void FormTest::undoTakesBackTypingButNotTheProgramsLines()
{
    QFETCH(bool, clicked);

    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    if (clicked) {
        Type(Control<QLineEdit>(form, "Edit1"), QStringLiteral("1984"));
        Click(Control<QPushButton>(form, "B1"));
    }
    const QStringList written = Lines(form);
    auto *memo = Control<QPlainTextEdit>(form, "Memo1");
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(memo, QStringLiteral("memo"));
    QCOMPARE(Lines(form).last(), written.last() + QStringLiteral("memo"));

    // More presses than there are edits of any kind.
    for (int i = 0; i < 2 * written.size(); ++i)
        QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Lines(form), written);
}

void FormTest::screenReaderCanTellControlsApart()
{
    TForm1 form;
    QCOMPARE(Control<QLabel>(form, "Label2")->buddy(), Control<QWidget>(form, "Edit1"));
    QCOMPARE(Control<QLabel>(form, "Label1")->buddy(), Control<QWidget>(form, "Edit2"));
    const QString b1 = Control<QPushButton>(form, "B1")->accessibleDescription();
    const QString button1 = Control<QPushButton>(form, "Button1")->accessibleDescription();
    QVERIFY(!b1.isEmpty());
    QVERIFY(!button1.isEmpty());
    QVERIFY(b1 != button1);
}

void FormTest::failureIsShownOnceAndProgramCarriesOn_data()
{
    QTest::addColumn<bool>("standard");
    QTest::addColumn<QString>("message");
    QTest::newRow("std::exception shows its message") << true << "계산할 수 없습니다";
    QTest::newRow("anything else shows an empty message") << false << "";
}

void FormTest::failureIsShownOnceAndProgramCarriesOn()
{
    QFETCH(bool, standard);
    QFETCH(QString, message);

    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    {
        MessageBoxWatcher watcher;
        const bool ok = Guarded([&] {
            if (standard)
                throw std::runtime_error(message.toStdString());
            throw 42;
        });
        QVERIFY(!ok);
        QCOMPARE(watcher.shown, 1);
        QCOMPARE(watcher.text, message);
        QCOMPARE(watcher.title, QGuiApplication::applicationDisplayName());
    }
    Type(Control<QLineEdit>(form, "Edit1"), QStringLiteral("1984"));
    Click(Control<QPushButton>(form, "B1"));
    QCOMPARE(Lines(form).mid(3), QStringList({"0", "갑자"}));
}

void FormTest::startUpWithoutAWindowFails()
{
    MessageBoxWatcher watcher;
    int argc = 1;
    char name[] = "ganji";
    char *argv[] = {name, nullptr};
    TApplication application(argc, argv);
    QVERIFY(!Guarded([&] { application.Run(); }));
    QCOMPARE(watcher.shown, 1);
    QVERIFY(!watcher.text.isEmpty());
}

QTEST_MAIN(FormTest)
#include "form_test.moc"
