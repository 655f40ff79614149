// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Unit1.h"

#include "ui_Unit1.h"
#include "vcl.h"

#include <QDate>
#include <QFont>
#include <QLabel>
#include <QTextDocument>
#include <QWindow>

#include <string>

TGanji Ganji;
TForm1 *Form1 = nullptr;

namespace {

// The outer size of the window, frame included.
constexpr QSize OuterSize(493, 600);

} // namespace

// 맑은 고딕 comes after 굴림 because every Windows has it (굴림 comes with
// Korean Windows only); then the faces of Linux systems.
QFont WindowFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("굴림"), QStringLiteral("Gulim"),
                      QStringLiteral("Malgun Gothic"), QStringLiteral("Baekmuk Gulim"),
                      QStringLiteral("NanumGothic"), QStringLiteral("Noto Sans CJK KR")});
    font.setPixelSize(12);
    return font;
}

TForm1::TForm1(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::TForm1>())
{
    // The face first: the controls are then made in it, rather than made in the
    // default face and each laid out again when the face changes.
    setFont(WindowFont());
    ui->setupUi(this);
    // The labels keep their places and fit their texts in whatever face was
    // found; L1 is fitted once it holds the date.
    for (QLabel *label : {ui->Label1, ui->Label2})
        label->adjustSize();

    // A failure in an operation is shown, and the window carries on.
    connect(ui->B1, &QPushButton::clicked, this, [this] { Guarded([this] { B1Click(ui->B1); }); });
    connect(ui->Button1, &QPushButton::clicked, this,
            [this] { Guarded([this] { Button1Click(ui->Button1); }); });

    ui->Memo1->setFocus();
    Guarded([this] { FormCreate(this); });
}

// Out of line, where the controls' class is complete.
TForm1::~TForm1() = default;

void TForm1::FormCreate(QObject * /*Sender*/)
{
    ui->Memo1->clear();
    const QDate now = QDate::currentDate();
    ui->L1->setText(DateToStr(now));
    ui->L1->adjustSize();
    ui->Edit1->setText(QString::number(now.year()));
    for (const std::string &line : OpeningLines(Ganji, now.year()))
        AddLine(QString::fromStdString(line));
}

void TForm1::B1Click(QObject * /*Sender*/)
{
    const QString year = ui->Edit1->Text();
    Answer(ToStringList(YearLines(Ganji, ui->RBBC->isChecked(), Utf16(year))));
}

// The current year is read afresh on every click.
void TForm1::Button1Click(QObject * /*Sender*/)
{
    const QString count = ui->Edit2->Text();
    Answer(ToStringList(YearsAgoLines(Ganji, QDate::currentDate().year(), Utf16(count))));
}

// An answer's lines go into the transcript, and a screen reader says them
// together ("28 임진"): the transcript does not have the focus, so it would
// not read them out itself.
void TForm1::Answer(const QStringList &lines)
{
    for (const QString &line : lines)
        AddLine(line);
    Announce(this, lines.join(u' '));
}

// The lines the program adds are not the person's edits, so Ctrl+Z must not
// take them back: they go in with the transcript's undo turned off, which
// keeps no undo record for them either.  Turning undo off empties Qt's undo
// history (its records would no longer match the text, which Qt may then
// compact), so what was typed in the transcript before a line is added can no
// longer be undone after it.
void TForm1::AddLine(QString text)
{
    QTextDocument *transcript = ui->Memo1->document();
    transcript->setUndoRedoEnabled(false);
    ui->Memo1->appendPlainText(text);
    transcript->setUndoRedoEnabled(true);
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    FitOuterSize();
}

void TForm1::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    FitOuterSize();
}

// Qt sizes the client area, and the frame is known only once the window system
// has framed the window (which shows up as a move).  Without a frame the client
// area keeps the whole outer size.
void TForm1::FitOuterSize()
{
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame == fittedFrame_)
        return;
    fittedFrame_ = frame;
    resize(OuterSize.shrunkBy(frame));
}
