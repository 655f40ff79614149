// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answer.h"

namespace {

// No blank lies outside the Basic Multilingual Plane, so a UTF-16 unit is
// tested alone; a surrogate is never one.
constexpr bool IsBlank(char16_t c) noexcept
{
    return (c >= u'\t' && c <= u'\r') || c == u' ' || c == u'\u0085' || c == u'\u00A0' ||
           c == u'\u1680' || (c >= u'\u2000' && c <= u'\u200A') || c == u'\u2028' ||
           c == u'\u2029' || c == u'\u202F' || c == u'\u205F' || c == u'\u3000';
}

AnswerLines Lines(int index)
{
    return {std::to_string(index), TGanji::IndexName(index)};
}

} // namespace

int StrToIntDef(std::u16string_view text, int def) noexcept
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    const bool negative = text.starts_with(u'-');
    if (negative || text.starts_with(u'+'))
        text.remove_prefix(1);
    if (text.empty())
        return def;

    // The magnitude stops growing one past the largest the range can hold,
    // so ten thousand digits cannot overflow it.
    constexpr std::int64_t Limit = std::int64_t{1} << 31; // |INT32_MIN|
    std::int64_t magnitude = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9')
            return def;
        magnitude = magnitude * 10 + (c - u'0'); // [0, 10 * Limit + 9]
        if (magnitude > Limit)
            return def;
    }
    if (!negative && magnitude == Limit)
        return def;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

std::array<std::string, 3> OpeningLines(const TGanji &ganji, std::int32_t thisYear)
{
    // It ends with a blank.
    return {"AD1년~ 신유(57)년부터 시작하고, BC1년 경신년(56)부터 시작함 ",
            std::to_string(thisYear), TGanji::IndexName(ganji.YearIndex(thisYear))};
}

AnswerLines YearLines(TGanji &ganji, bool bc, std::u16string_view yearText)
{
    ganji.SetBC(bc);
    return Lines(ganji.YearIndex(StrToIntDef(yearText, 0)));
}

AnswerLines YearsAgoLines(TGanji &ganji, std::int32_t thisYear, std::u16string_view countText)
{
    return Lines(ganji.YearsAgoIndex(thisYear, StrToIntDef(countText, 0)));
}
