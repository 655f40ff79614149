// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's entry: the command line, the application object, the main
// window, the event loop.  A failure that escapes them is shown, and the exit
// status says so.

#include "Unit1.h"
#include "vcl.h"

#include <QApplication>
#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// The options that Qt's application objects and platform plug-ins take from
// the command line themselves (the same from Qt 6.4 to 6.8), with one dash or
// two: the program accepts them and leaves them to Qt.
constexpr const char *QtOptionsWithValue[] = {"platform",
                                              "platformpluginpath",
                                              "platformtheme",
                                              "plugin",
                                              "qwindowgeometry",
                                              "geometry",
                                              "qwindowicon",
                                              "icon",
                                              "qwindowtitle",
                                              "title",
                                              "session",
                                              "style",
                                              "stylesheet",
                                              "display",
                                              "name",
                                              "visual",
                                              "qmljsdebugger"};
constexpr const char *QtFlags[] = {"reverse", "testability", "widgetcount", "nograb", "dograb"};

// Reads the command line before any application object exists, so that no
// display is needed to answer it.  Returns nothing when the window is to
// open, with the platform plug-in named by -platform, if any, in `platform`;
// otherwise it has answered --help, --version or a command line the program
// does not take, and returns the exit status.
std::optional<int> AnswerCommandLine(int &argc, char **argv, QString &platform)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Opens a window that tells where a year stands in the sixty-year\n"
                       "stem-branch cycle (ganji) and gives the year's name.\n"
                       "\n"
                       "Qt's own options work too, such as -style NAME, -platform NAME,\n"
                       "-display DISPLAY and -reverse: the manual page ganji(1) lists them."));
    // Not addHelpOption(): its --help-all lists Qt's options as an
    // application object knows them, and there is none yet.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    for (const char *name : QtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : QtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (parser.parse(arguments) && !parser.isSet(help) && !parser.isSet(version) &&
        parser.positionalArguments().isEmpty()) {
        platform = parser.value(QStringLiteral("platform"));
        return std::nullopt;
    }

    // Qt's own answers: the program's name and path in them come from an
    // application object, and on Windows, where the program has no console,
    // they are shown in a message box.  A core application needs no display.
    QCoreApplication::setApplicationVersion(QStringLiteral(GANJI_VERSION));
    const QCoreApplication core(argc, argv);
    parser.process(core); // answers --version and errors, and exits
    if (parser.isSet(help))
        parser.showHelp(); // exits with status 0
    // What is left is an operand, and the program takes none.
    std::fprintf(stderr, "%s: unexpected argument '%s'\n",
                 qUtf8Printable(QCoreApplication::applicationName()),
                 qUtf8Printable(parser.positionalArguments().constFirst()));
    return EXIT_FAILURE;
}

// What the program says when it finds no display: what is missing, and how
// to run it on a virtual display.
QByteArray NoDisplayLine(const char *program, QString platform)
{
    const auto describe = [](const char *name) {
        const QString value = qEnvironmentVariable(name);
        return value.isEmpty() ? QStringLiteral("%1 is not set").arg(QLatin1StringView(name))
                               : QStringLiteral("%1=%2").arg(QLatin1StringView(name), value);
    };
    if (platform.isEmpty())
        platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    QString what;
    if (!platform.isEmpty())
        what = QStringLiteral("Qt's platform plug-in \"%1\" could not start (%2, %3)")
                   .arg(platform, describe("DISPLAY"), describe("WAYLAND_DISPLAY"));
    else if (qEnvironmentVariableIsEmpty("DISPLAY") &&
             qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        what = QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set");
    else
        what = QStringLiteral("no display server answers (%1, %2)")
                   .arg(describe("DISPLAY"), describe("WAYLAND_DISPLAY"));
    return QStringLiteral("ganji: cannot open the window: %1; to run it on a virtual display: "
                          "xvfb-run %2\n")
        .arg(what, QString::fromLocal8Bit(program))
        .toLocal8Bit();
}

// Holds back Qt's messages while the application object is made.  Without a
// usable display, Qt's platform plug-ins say so in several lines of their
// own and Qt then ends the program with a fatal message, an abort; instead,
// the program then prints one line and exits with status 1.  Otherwise the
// messages held back are passed on when this ends.
class StartupMessages
{
public:
    StartupMessages(const char *program, QString platform)
    {
        const std::lock_guard lock(mutex_);
        program_ = program;
        platform_ = std::move(platform);
        previous_ = qInstallMessageHandler(Hold);
    }

    ~StartupMessages()
    {
        qInstallMessageHandler(previous_);
        const std::lock_guard lock(mutex_);
        for (const Held &message : held_) {
            const QMessageLogContext context(
                message.file.isNull() ? nullptr : message.file.constData(), message.line,
                message.function.isNull() ? nullptr : message.function.constData(),
                message.category.isNull() ? nullptr : message.category.constData());
            if (previous_)
                previous_(message.type, context, message.text);
        }
        held_.clear();
    }

    StartupMessages(const StartupMessages &) = delete;
    StartupMessages &operator=(const StartupMessages &) = delete;

private:
    struct Held
    {
        QtMsgType type;
        QByteArray file;
        int line;
        QByteArray function;
        QByteArray category;
        QString text;
    };

    static void Hold(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        const std::lock_guard lock(mutex_);
        if (type == QtFatalMsg) {
            // Worded only now: a start with a display never needs it.
            std::fputs(NoDisplayLine(program_, platform_).constData(), stderr);
            std::fflush(stderr);
            std::_Exit(EXIT_FAILURE);
        }
        held_.push_back({type, QByteArray(context.file), context.line, QByteArray(context.function),
                         QByteArray(context.category), text});
    }

    static inline std::mutex mutex_;
    static inline const char *program_ = nullptr;
    static inline QString platform_;
    static inline QtMessageHandler previous_ = nullptr;
    static inline std::vector<Held> held_;
};

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    // Held while the program runs (Windows releases it when the process
    // ends): the installer and the uninstaller look for it, since Windows
    // will not let them replace or remove ganji.exe while it runs.  In the
    // global namespace, so that a copy in another session counts too.
    CreateMutexW(nullptr, FALSE, L"Global\\" GANJI_APP_ID);
#endif
    QString platform;
    if (const std::optional<int> status = AnswerCommandLine(argc, argv, platform))
        return *status;

    // Desktops match the window to the installed desktop entry and icon by
    // the application id: Wayland by the desktop file name, X11 by the
    // window's class, whose instance name Qt takes from RESOURCE_NAME.  The
    // application name stays Qt's default, and with it every title Qt shows.
    QGuiApplication::setDesktopFileName(QStringLiteral(GANJI_APP_ID));
    if (!qEnvironmentVariableIsSet("RESOURCE_NAME"))
        qputenv("RESOURCE_NAME", QByteArrayLiteral(GANJI_APP_ID));
    TApplication Application(argc, argv);
    const bool ok = Guarded([&] {
        {
            const StartupMessages startup(argc > 0 ? argv[0] : "ganji", platform);
            Application.Initialize();
        }
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
