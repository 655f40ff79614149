// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ganji.h"

#include <limits>

namespace {

constexpr int AdYear(std::int32_t year) noexcept
{
    return TGanji{}.YearIndex(year);
}

constexpr int BcYear(std::int32_t year) noexcept
{
    TGanji ganji;
    ganji.SetBC(true);
    return ganji.YearIndex(year);
}

constexpr std::string_view Syllable(std::string_view table, int entry) noexcept
{
    return table.substr(static_cast<std::size_t>(entry) * TGanji::SyllableBytes,
                        TGanji::SyllableBytes);
}

constexpr int Min32 = std::numeric_limits<std::int32_t>::min();
constexpr int Max32 = std::numeric_limits<std::int32_t>::max();

// The worked examples.
static_assert(AdYear(1984) == 0);
static_assert(AdYear(1924) == 60);
static_assert(AdYear(1983) == 59);
static_assert(AdYear(2026) == 42);
static_assert(AdYear(1) == 57);
static_assert(BcYear(1) == 56);
static_assert(AdYear(0) == 56 && BcYear(0) == 57);
static_assert(BcYear(30057) == 0 && BcYear(30058) == -1);

// The ends of the 32-bit range are answered exactly.
static_assert(AdYear(Min32) == 48);
static_assert(AdYear(Max32) == 3);
static_assert(TGanji{}.YearsAgoIndex(2026, Min32) == 50);
static_assert(TGanji{}.YearsAgoIndex(2026, Max32) == -25);

// The names of those indexes.
static_assert(Syllable(TGanji::Stems, TGanji::StemOf(60)) == "갑");
static_assert(Syllable(TGanji::Branches, TGanji::BranchOf(60)) == "자");
static_assert(Syllable(TGanji::Stems, TGanji::StemOf(42)) == "병");
static_assert(Syllable(TGanji::Branches, TGanji::BranchOf(42)) == "오");
static_assert(Syllable(TGanji::Stems, TGanji::StemOf(-1)) == "계");
static_assert(Syllable(TGanji::Branches, TGanji::BranchOf(-1)) == "해");

} // namespace

std::string TGanji::IndexName(std::int32_t index)
{
    std::string name;
    name.reserve(2 * SyllableBytes);
    name += Syllable(Stems, StemOf(index));
    name += Syllable(Branches, BranchOf(index));
    return name;
}
