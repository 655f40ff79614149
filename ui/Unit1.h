// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: a year with its era, or so many years before this year,
// answered with its place in the cycle and its name in a transcript.

#pragma once

#include "ganji.h"

#include <QFont>
#include <QMargins>
#include <QStringList>
#include <QWidget>

#include <memory>

// The controls, as uic makes them of Unit1.ui; only Unit1.cpp needs their
// declarations, so no other target needs uic's output.
namespace Ui {
class TForm1;
}

class TForm1 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The window's three operations; the sender is not read.
    void FormCreate(QObject *Sender);
    void B1Click(QObject *Sender);
    void Button1Click(QObject *Sender);

protected:
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void AddLine(QString text);
    void Answer(const QStringList &lines);
    void FitOuterSize();

    const std::unique_ptr<Ui::TForm1> ui;
    QMargins fittedFrame_;
};

// The window's face: 굴림 at 12 pixels, or the nearest Hangul face the system
// has.
[[nodiscard]] QFont WindowFont();

// The one calculator, used only by the window.
extern TGanji Ganji;

// The one main window.
extern TForm1 *Form1;
