// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the program's start-up: a window with the same controls,
// places and texts as the main window, and nothing else (no font choice, no
// icon, no date, no calculator, no transcript lines).
//
//   bare_window [--face]
//
// With --face the window asks for the main window's face, so that a
// comparison can tell what the face costs from what the program's own work
// costs.

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    if (argc > 1 && QByteArrayView(argv[1]) == "--face") {
        // As the main window asks for it.
        QFont face;
        face.setFamilies({QStringLiteral("굴림"), QStringLiteral("Gulim"),
                          QStringLiteral("Malgun Gothic"), QStringLiteral("Baekmuk Gulim"),
                          QStringLiteral("NanumGothic"), QStringLiteral("Noto Sans CJK KR")});
        face.setPixelSize(12);
        window.setFont(face);
    }
    window.setWindowTitle(QStringLiteral("도"));
    window.resize(493, 600);

    const auto place = [&window](QWidget *control, int x, int y, int w, int h) {
        control->setParent(&window);
        control->setGeometry(x, y, w, h);
    };
    place(new QLabel(QStringLiteral("L1")), 24, 16, 13, 12);
    place(new QLabel(QStringLiteral("올해부터 몇년 전 계산")), 312, 24, 120, 12);
    place(new QLabel(QStringLiteral("년")), 152, 24, 12, 12);
    auto *memo = new QPlainTextEdit(QStringLiteral("Memo1"));
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setTabChangesFocus(true);
    place(memo, 24, 80, 433, 465);
    place(new QLineEdit(QStringLiteral("Edit1")), 152, 40, 57, 20);
    place(new QPushButton(QStringLiteral("계산")), 216, 40, 81, 33);
    auto *ad = new QRadioButton(QStringLiteral("AD"));
    ad->setChecked(true);
    place(ad, 24, 40, 49, 17);
    place(new QRadioButton(QStringLiteral("BC")), 80, 40, 49, 17);
    place(new QPushButton(QStringLiteral("계산")), 376, 40, 81, 33);
    place(new QLineEdit, 312, 40, 57, 20);

    window.show();
    return QApplication::exec();
}
