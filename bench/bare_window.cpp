// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the program's start-up: the main window's layout, made
// from the same Designer file, and nothing else (no font choice, no icon, no
// date, no calculator, no transcript lines).
//
//   bare_window [--face]
//
// With --face the window asks for the main window's face, so that a
// comparison can tell what the face costs from what the program's own work
// costs.

#include "Unit1.h"
#include "ui_Unit1.h"

#include <QApplication>
#include <QByteArrayView>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    // Before the controls are made, as the main window does.
    if (argc > 1 && QByteArrayView(argv[1]) == "--face")
        window.setFont(WindowFont());
    Ui::TForm1 layout;
    layout.setupUi(&window);

    window.show();
    return QApplication::exec();
}
