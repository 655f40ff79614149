// The program's entry: the application object, the main window, the event
// loop.  A failure that escapes them is shown, and the exit status says so.

#include "Unit1.h"
#include "vcl.h"

#include <QApplication>
#include <QIcon>

#include <cstdlib>

int main(int argc, char *argv[])
{
    TApplication Application(argc, argv);
    const bool ok = Guarded([&] {
        Application.Initialize();
        QIcon icon;
        icon.addFile(QStringLiteral(":/icons/ganji-32.png"));
        icon.addFile(QStringLiteral(":/icons/ganji-48.png"));
        QApplication::setWindowIcon(icon);
        Application.CreateForm(Form1);
        Application.Run();
    });
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
