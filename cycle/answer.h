// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// From a field's text to the two lines a click adds to the transcript.  The
// desktop window, the web page and the fuzz target all answer through here, so
// they read a field's text the same way and write the same lines.  Texts come
// in as UTF-16, what both Qt and a browser hold them in, and go out as UTF-8.

#pragma once

#include "ganji.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// `text` as a whole number: blanks around it, then an optional sign and ASCII
// decimal digits within the 32-bit signed range.  Anything else, a value
// beyond that range included, gives `def`.  Hexadecimal and non-ASCII digits
// are not numbers.  A blank is what Qt's QChar::isSpace() calls one: ASCII
// tab to carriage return, U+0085, and the Unicode space, line and paragraph
// separators.
[[nodiscard]] int StrToIntDef(std::u16string_view text, int def) noexcept;

// The three lines the transcript opens with: a note on where the cycle starts
// in each era, AD `thisYear` in decimal, and its name in the era `ganji`
// holds (AD, at opening).
[[nodiscard]] std::array<std::string, 3> OpeningLines(const TGanji &ganji, std::int32_t thisYear);

// The index in decimal, then the name.
using AnswerLines = std::array<std::string, 2>;

// B1: the year field's text in the era `bc`.  Leaves `ganji` in that era.
[[nodiscard]] AnswerLines YearLines(TGanji &ganji, bool bc, std::u16string_view yearText);

// Button1: the years-back field's text, counted back from AD `thisYear`.
// Leaves `ganji` in the era of the year it answered.
[[nodiscard]] AnswerLines YearsAgoLines(TGanji &ganji, std::int32_t thisYear,
                                        std::u16string_view countText);
