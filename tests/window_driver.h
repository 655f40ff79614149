// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Driving the main window in tests as a user drives it: finding its controls,
// typing, clicking and reading the transcript; and what the reference oracle
// says a year is called.

#pragma once

#include "reference.h"

#include <QApplication>
#include <QDate>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <QtTest/QtTest>

#include <algorithm>

namespace driver {

template <class T> T *Control(const QWidget &form, const char *name)
{
    auto *control = form.findChild<T *>(QLatin1String(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

inline QStringList Lines(const QWidget &form)
{
    return Control<QPlainTextEdit>(form, "Memo1")->toPlainText().split(u'\n');
}

inline void Click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// A Hangul input method's work, which QTest cannot type.
inline void Compose(QWidget *field, const QString &preedit, const QString &commit = {})
{
    QInputMethodEvent event(preedit, {});
    event.setCommitString(commit);
    QApplication::sendEvent(field, &event);
}

// Replaces what the field holds with `text`, as typed: Latin-1 on the keys,
// anything else through the input method.
inline void Type(QLineEdit *field, const QString &text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    const bool latin1 =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 256; });
    if (latin1)
        QTest::keyClicks(field, text);
    else
        Compose(field, {}, text);
}

// The name a year of either era must get, from the reference oracle rather
// than from the calculator.
inline QString ReferenceName(bool bc, qint64 year)
{
    return QString::fromUtf8(reference::Name(bc, year).data(),
                             static_cast<qsizetype>(reference::Name(bc, year).size()));
}

inline int ThisYear()
{
    return QDate::currentDate().year();
}

} // namespace driver
