// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vcl.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QDate>
#include <QFontDatabase>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include <cstdio>
#include <stdexcept>
#include <utility>

QStringList ToStringList(const AnswerLines &lines)
{
    QStringList list;
    for (const std::string &line : lines)
        list += QString::fromStdString(line);
    return list;
}

QString WithFullYear(QStringView format)
{
    QString result;
    result.reserve(format.size() + 2);
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u'y') {
            result += c;
            continue;
        }
        while (i + 1 < format.size() && format[i + 1] == u'y')
            ++i;
        result += u"yyyy";
    }
    return result;
}

QString DateToStr(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, WithFullYear(locale.dateFormat(QLocale::ShortFormat)));
}

QString DateToStr(const QDate &date)
{
    return DateToStr(date, QLocale::system());
}

QString TEdit::Text()
{
    // An input method normally commits on its own when the focus moves; this
    // covers a composition it left behind, and one still under way.
    if (!composing_.isEmpty() && hasFocus())
        QGuiApplication::inputMethod()->commit();
    if (!composing_.isEmpty()) {
        QInputMethodEvent commit;
        commit.setCommitString(composing_);
        inputMethodEvent(&commit);
        if (hasFocus())
            QGuiApplication::inputMethod()->reset();
    }
    return text();
}

void TEdit::inputMethodEvent(QInputMethodEvent *event)
{
    composing_ = event->preeditString();
    QLineEdit::inputMethodEvent(event);
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void Announce(QWidget *source, const QString &text)
{
    QAccessibleAnnouncementEvent announcement(source, text);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
}

#else

namespace {

// Qt before 6.8 has no announcement.  A notification that shows itself is
// what screen readers speak instead: this one belongs to the window but is
// none of its children, so it is neither drawn nor met among the controls.
class Notice final : public QAccessibleInterface
{
public:
    Notice(QWidget *window, QString text) : window_(window), text_(std::move(text)) {}

    bool isValid() const override { return !window_.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(window_.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? text_ : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    QPointer<QWidget> window_;
    QString text_;
};

} // namespace

void Announce(QWidget *source, const QString &text)
{
    if (!QAccessible::isActive())
        return;
    auto *notice = new Notice(source->window(), text);
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(notice);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    // The screen reader asks for its name and role once it hears of it, so
    // it is kept ten seconds (Qt drops what is left at exit).
    QTimer::singleShot(10'000, source->window(),
                       [id] { QAccessible::deleteAccessibleInterface(id); });
}

#endif

void ShowException(const std::exception *e)
{
    const QString message = e ? QString::fromUtf8(e->what()) : QString();
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QGuiApplication::applicationDisplayName(),
                          message);
}

namespace {

// Whether some installed font can draw Hangul, the script of every text in the
// window.  Qt reads its font database once, for the window's face anyway.
bool HasHangulFont()
{
    return !QFontDatabase::families(QFontDatabase::Korean).isEmpty();
}

} // namespace

TApplication::TApplication(int &argc, char **argv) noexcept : argc_(argc), argv_(argv) {}

// Out of line, where QApplication is complete; the windows go first.
TApplication::~TApplication()
{
    forms_.clear();
    // Qt 6.4's Wayland plugin reads the display in a thread of its own, and
    // stopping that thread when the application object goes can wait forever
    // if the window's last requests have only just woken it: the program then
    // hangs after its window has closed (about one close in fifteen under
    // Weston).  Letting the thread run first avoids that.
    if (application_ && QGuiApplication::platformName() == u"wayland")
        QThread::msleep(20);
}

void TApplication::Initialize()
{
    application_ = std::make_unique<QApplication>(argc_, argv_);

    // The window is Korean whatever the system's language, so Qt's own texts
    // in it are too.  Without the translation they stay in English.
    qtTranslation_ = std::make_unique<QTranslator>();
    if (qtTranslation_->load(QStringLiteral("qtbase_ko"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslation_.get());

    // Without a Hangul font every syllable is an empty box; the window still
    // works, and the terminal says what to install.
    if (!HasHangulFont())
        std::fprintf(stderr,
                     "%s: no installed font can draw Hangul, so the window's Korean text shows as "
                     "empty boxes; install one, e.g. on Debian: sudo apt install fonts-nanum (or "
                     "fonts-baekmuk, fonts-noto-cjk)\n",
                     qUtf8Printable(QCoreApplication::applicationName()));
}

void TApplication::Run()
{
    if (forms_.empty())
        throw std::logic_error("no window to run");
    forms_.front()->show();
    QApplication::exec();
}
