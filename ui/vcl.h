// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The little of a component framework's vocabulary that the window and the
// entry are written in, realised on Qt Widgets: today's date as text, an edit
// field, the application object and the display of a failure; and the
// passage of texts between Qt and the calculator's answer path.

#pragma once

#include "answer.h"

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstddef>
#include <exception>
#include <memory>
#include <string_view>
#include <vector>

class QApplication;
class QDate;
class QLocale;
class QTranslator;
class QWidget;

// A Qt text as the answer path takes it, without a copy: both are UTF-16.
[[nodiscard]] inline std::u16string_view Utf16(QStringView text) noexcept
{
    return {text.utf16(), static_cast<std::size_t>(text.size())};
}

// The answer path's two lines as Qt texts.
[[nodiscard]] QStringList ToStringList(const AnswerLines &lines);

// `date` in the locale's short date format, with the year always in full.
[[nodiscard]] QString DateToStr(const QDate &date);
[[nodiscard]] QString DateToStr(const QDate &date, const QLocale &locale);

// A short date format with every year field widened to four digits: "yy. M. d."
// becomes "yyyy. M. d.".  Quoted text is left as it is.
[[nodiscard]] QString WithFullYear(QStringView format);

// A one-line edit field whose Text() is what the user sees in it.
class TEdit : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    // The field's text.  A syllable that an input method is still composing
    // is committed first, so a half-typed Hangul syllable counts as typed.
    [[nodiscard]] QString Text();

protected:
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    QString composing_;
};

// Has a screen reader say `text` once, after what it is saying: an answer
// that lands in a control without the focus is otherwise heard only when the
// person goes to look for it.  Nothing on screen changes.
void Announce(QWidget *source, const QString &text);

// Shows a failure to the user: a message box with the exception's message, or
// with an empty message when `e` is null (a failure that is not a
// std::exception).  Without an application object it goes to standard error.
void ShowException(const std::exception *e);

// Runs `steps`; a failure that escapes them is shown once with ShowException.
// Returns false after a failure.
template <class Steps> bool Guarded(Steps &&steps) noexcept
{
    try {
        steps();
        return true;
    } catch (const std::exception &e) {
        ShowException(&e);
    } catch (...) {
        ShowException(nullptr);
    }
    return false;
}

// The application object: Initialize makes Qt's application, gives Qt's own
// texts (context menus, message-box buttons) in Korean like the rest of the
// window and says on standard error when no font can draw Hangul; CreateForm
// makes a window (the first one made is the main window) and Run shows the
// main window and dispatches events until it closes.  It owns its windows and
// destroys them before Qt's application.
class TApplication
{
public:
    TApplication(int &argc, char **argv) noexcept;
    ~TApplication();
    TApplication(const TApplication &) = delete;
    TApplication &operator=(const TApplication &) = delete;

    void Initialize();

    template <class TFormClass> void CreateForm(TFormClass *&form)
    {
        auto created = std::make_unique<TFormClass>();
        form = created.get();
        forms_.push_back(std::move(created));
    }

    void Run();

private:
    int &argc_;
    char **argv_;
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<QTranslator> qtTranslation_;
    std::vector<std::unique_ptr<QWidget>> forms_;
};
