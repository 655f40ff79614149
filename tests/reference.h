// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// An oracle for the cycle that shares nothing with the calculator's formulas:
// count astronomical years (AD n is n, BC n is 1 - n) from AD 4, which was
// 갑자, and look the name up in the cycle written out in full.  Also the
// range an index may take, which the calculator promises.

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace reference {

// The sixty names in cycle order, six rows of ten.
inline constexpr std::array<std::string_view, 60> Names = {
    "갑자", "을축", "병인", "정묘", "무진", "기사", "경오", "신미", "임신", "계유", "갑술", "을해",
    "병자", "정축", "무인", "기묘", "경진", "신사", "임오", "계미", "갑신", "을유", "병술", "정해",
    "무자", "기축", "경인", "신묘", "임진", "계사", "갑오", "을미", "병신", "정유", "무술", "기해",
    "경자", "신축", "임인", "계묘", "갑진", "을사", "병오", "정미", "무신", "기유", "경술", "신해",
    "임자", "계축", "갑인", "을묘", "병진", "정사", "무오", "기미", "경신", "신유", "임술", "계해",
};

constexpr std::int64_t AstronomicalYear(bool bc, std::int64_t year) noexcept
{
    return bc ? 1 - year : year;
}

// Place in the cycle of an astronomical year: [0, 59].
constexpr int Position(std::int64_t astronomicalYear) noexcept
{
    const auto r = static_cast<int>((astronomicalYear - 4) % 60); // [-59, 59]
    return r < 0 ? r + 60 : r;
}

constexpr std::string_view Name(bool bc, std::int64_t year) noexcept
{
    return Names[static_cast<std::size_t>(Position(AstronomicalYear(bc, year)))];
}

// Whether `index` lies in the range the index of a year may take: 0 to 59,
// but 1 to 60 for AD years before 1984 (a cycle start there is 60, not 0) and
// -59 to 0 for BC years after 30057.  With the place in the cycle, the range
// leaves one index for each year.
constexpr bool InRange(bool bc, std::int64_t year, std::int64_t index) noexcept
{
    if (bc)
        return year <= 30057 ? 0 <= index && index <= 59 : -59 <= index && index <= 0;
    return year >= 1984 ? 0 <= index && index <= 59 : 1 <= index && index <= 60;
}

static_assert(Name(false, 4) == "갑자");
static_assert(Name(true, 1) == "경신");

} // namespace reference
