// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's entry: the application object, the main window, the event
// loop.  A failure that escapes them is shown, and the exit status says so.

#include "Unit1.h"
#include "vcl.h"

#include <QApplication>
#include <QByteArray>
#include <QGuiApplication>
#include <QIcon>
#include <QTimer>

#include <cstdlib>

int main(int argc, char *argv[])
{
    // Desktops match the window to the installed desktop entry and icon by
    // the application id: Wayland by the desktop file name, X11 by the
    // window's class, whose instance name Qt takes from RESOURCE_NAME.  The
    // application name stays Qt's default, and with it every title Qt shows.
    QGuiApplication::setDesktopFileName(QStringLiteral(GANJI_APP_ID));
    if (!qEnvironmentVariableIsSet("RESOURCE_NAME"))
        qputenv("RESOURCE_NAME", QByteArrayLiteral(GANJI_APP_ID));
    TApplication Application(argc, argv);
    const bool ok = Guarded([&] {
        Application.Initialize();
        Application.CreateForm(Form1);
        // Reading the icon makes Qt look through its image plug-ins; done
        // once the loop runs, that no longer holds the window back.
        QTimer::singleShot(0, [] {
            QIcon icon;
            icon.addFile(QStringLiteral(":/icons/ganji-32.png"));
            icon.addFile(QStringLiteral(":/icons/ganji-48.png"));
            QApplication::setWindowIcon(icon);
        });
        Application.Run();
    });
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
