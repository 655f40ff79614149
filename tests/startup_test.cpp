// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the application object sets up before the window opens: Qt's own texts
// in the window (context menus, message-box buttons) are Korean, whatever the
// system's language.  Run with an English or C locale.

#include "Unit1.h"
#include "vcl.h"
#include "window_driver.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QtTest/QtTest>

#include <stdexcept>

namespace {

using namespace driver;

// Closes the next popup menu or message box to open, keeping the texts of its
// actions or buttons in `texts`.
void KeepTextsOfNextPopup(QStringList &texts)
{
    QTimer::singleShot(0, [&texts] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *action : menu->actions()) {
                if (!action->isSeparator())
                    texts << action->text().section(u'\t', 0, 0);
            }
            menu->close();
        } else if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            for (const QAbstractButton *button : box->buttons())
                texts << button->text();
            box->accept();
        }
    });
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void qtTextsInTheWindowAreKorean_data();
    void qtTextsInTheWindowAreKorean();
};

void StartupTest::qtTextsInTheWindowAreKorean_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("texts");

    const QStringList edit = {"실행 취소(&U)", "다시 실행(&R)", "잘라내기(&T)", "복사(&C)",
                              "붙여넣기(&P)",  "삭제",          "모두 선택"};
    QTest::newRow("the year field's context menu") << "Edit1" << edit;
    QTest::newRow("the years-back field's context menu") << "Edit2" << edit;
    QTest::newRow("the transcript's context menu") << "Memo1" << edit;
    QTest::newRow("a failure's message box") << "" << QStringList{"확인"};
}

void StartupTest::qtTextsInTheWindowAreKorean()
{
    QFETCH(QString, control);
    QFETCH(QStringList, texts);

    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QStringList shown;
    KeepTextsOfNextPopup(shown);
    if (control.isEmpty()) {
        const std::runtime_error failure("계산할 수 없습니다");
        ShowException(&failure);
    } else {
        // A right click, as a user asks for the menu, which then pops up; the
        // transcript takes it in its viewport.
        QWidget *target = Control<QWidget>(form, control.toLatin1().constData());
        if (auto *memo = qobject_cast<QPlainTextEdit *>(target))
            target = memo->viewport();
        const QPoint at = target->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &event);
    }
    QTRY_COMPARE(shown, texts);
}

int main(int argc, char *argv[])
{
    TApplication application(argc, argv);
    application.Initialize();
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"
