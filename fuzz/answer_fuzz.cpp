// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: any bytes, read as UTF-8, as the text of either field,
// through the functions that the window's buttons and the web page answer
// with: YearLines for the year field under AD and under BC (B1) and
// YearsAgoLines for the years-back field (Button1).  The number parsing
// (StrToIntDef) and each answer's two lines are checked against rules that do
// not share the code under test: a parser written out here on Qt's idea of a
// blank, and the cycle's reference oracle.

#include "answer.h"
#include "ganji.h"
#include "reference.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

void Require(bool holds, const char *rule, const QString &text)
{
    if (holds)
        return;
    std::fprintf(stderr, "answer_fuzz: broken rule: %s\n  text (%lld UTF-16 units): %.200s\n", rule,
                 static_cast<long long>(text.size()), qUtf8Printable(text));
    std::abort();
}

// The field's number, worked out independently of StrToIntDef: blanks (as
// Qt's trimmed() knows them) around an optional sign and one or more ASCII
// digits whose value fits 32 bits.  Compares digit strings, so it needs no
// arithmetic that could overflow.
std::optional<std::int64_t> ExpectedNumber(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].isSpace())
        ++first;
    while (last > first && text[last - 1].isSpace())
        --last;
    bool negative = false;
    if (first < last && (text[first] == u'-' || text[first] == u'+')) {
        negative = text[first] == u'-';
        ++first;
    }
    if (first == last)
        return std::nullopt;
    for (qsizetype i = first; i < last; ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
    }
    while (last - first > 1 && text[first] == u'0')
        ++first;
    const QString digits = text.mid(first, last - first);
    const QString limit = negative ? QStringLiteral("2147483648") : QStringLiteral("2147483647");
    if (digits.size() > limit.size() || (digits.size() == limit.size() && digits > limit))
        return std::nullopt;
    const std::int64_t magnitude = digits.toLongLong();
    return negative ? -magnitude : magnitude;
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The two lines a click writes, and what they must say about the year.
void CheckAnswer(const AnswerLines &utf8Lines, bool bc, std::int64_t year, const QString &text)
{
    const QStringList lines = {FromUtf8(utf8Lines[0]), FromUtf8(utf8Lines[1])};
    const QString &indexLine = lines[0];
    const QString &nameLine = lines[1];

    const std::optional<std::int64_t> index = ExpectedNumber(indexLine);
    Require(index && indexLine == QString::number(*index), "the index line is a plain number",
            text);
    Require(reference::InRange(bc, year, *index), "the index lies in its era's range", text);
    Require(TGanji::CyclePosition(static_cast<std::int32_t>(*index)) ==
                reference::Position(reference::AstronomicalYear(bc, year)),
            "the index is the year's place in the cycle", text);

    static const QString stems = FromUtf8(TGanji::Stems);
    static const QString branches = FromUtf8(TGanji::Branches);
    Require(nameLine.size() == 2, "the name is two syllables", text);
    Require(stems.contains(nameLine[0]) && branches.contains(nameLine[1]),
            "the name is a stem and a branch", text);
    Require(nameLine == FromUtf8(reference::Name(bc, year)), "the name is the year's name", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::u16string_view utf16(QStringView(text).utf16(),
                                    static_cast<std::size_t>(text.size()));

    // Two defaults tell "no number" from a number that equals the default.
    const int withOne = StrToIntDef(utf16, 1);
    const int withTwo = StrToIntDef(utf16, 2);
    const std::optional<std::int64_t> expected = ExpectedNumber(text);
    if (expected) {
        Require(withOne == *expected && withTwo == *expected, "a number reads as its value", text);
    } else {
        Require(withOne == 1 && withTwo == 2, "anything else reads as the default", text);
    }
    const std::int64_t number = expected.value_or(0);

    // B1: the year field in either era, whichever era the calculator was in.
    for (const bool bc : {false, true}) {
        TGanji ganji;
        ganji.SetBC(!bc);
        const AnswerLines lines = YearLines(ganji, bc, utf16);
        Require(ganji.BC == bc, "the calculator is left in the chosen era", text);
        CheckAnswer(lines, bc, number, text);
    }

    // Button1: the years-back field, from this year.
    TGanji ganji;
    const int thisYear = QDate::currentDate().year();
    const AnswerLines lines = YearsAgoLines(ganji, thisYear, utf16);
    const std::int64_t target = std::int64_t{thisYear} - number; // astronomical
    const bool bc = target <= 0;
    Require(ganji.BC == bc, "the calculator is left in the target year's era", text);
    CheckAnswer(lines, bc, bc ? 1 - target : target, text);
    return 0;
}
