// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sixty-year stem-branch cycle (간지): where a year stands in it and its
// two-syllable name.
//
// A year is an era (AD or BC) and a year number counted within that era; there
// is no year zero, BC 1 is followed by AD 1.  The cycle index of a year is its
// distance from 갑자 in the cycle, counted from the anchor AD 1984 (index 0).
//
// Every operation takes any 32-bit input and answers exactly, as if it were
// computed in unbounded integers: the arithmetic below is done in 64 bits,
// where no intermediate can overflow.

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TGanji
{
public:
    // The stems and branches, one Hangul syllable per entry.  In UTF-8 every
    // syllable of the Hangul block is three bytes, so entry i starts at byte 3*i.
    static constexpr std::string_view Stems = "갑을병정무기경신임계";
    static constexpr std::string_view Branches = "자축인묘진사오미신유술해";
    static constexpr std::size_t SyllableBytes = 3;

    // Era of the year being worked on: false = AD, true = BC.
    // YearIndex reads it; SetBC and YearsAgoIndex write it.
    bool BC = false;

    constexpr TGanji() noexcept = default;

    constexpr void SetBC(bool bc) noexcept { BC = bc; }

    // Cycle index of `year` in the era held in BC:
    //   AD year >= 1984    -> [0, 59]
    //   AD year <  1984    -> [1, 60]   (a cycle start is 60, not 0)
    //   BC year <= 30057   -> [0, 59]
    //   BC year >  30057   -> [-59, 0]
    // AD years of 0 and below count on backwards (AD 0 is BC 1).
    [[nodiscard]] constexpr int YearIndex(std::int32_t year) const noexcept
    {
        return BC ? BcIndex(year) : AdIndex(year);
    }

    // Cycle index of the year `yearsBack` years before AD `thisYear`; leaves the
    // era of that year in BC.  Going back exactly `thisYear` years lands on
    // BC 1; a negative count goes forward.
    constexpr int YearsAgoIndex(std::int32_t thisYear, std::int32_t yearsBack) noexcept
    {
        const std::int64_t d = std::int64_t{thisYear} - yearsBack; // [-2^32 + 1, 2^32 - 1]
        BC = d <= 0;
        return BC ? BcIndex(1 - d) : AdIndex(d);
    }

    // Position of an index in the cycle, counted upward from 갑자: [0, 59].
    // A negative index stands for the year at the same place in the cycle.
    [[nodiscard]] static constexpr int CyclePosition(std::int32_t index) noexcept
    {
        const int r = index % 60;  // [-59, 59]
        return r < 0 ? r + 60 : r; // [0, 59]
    }

    [[nodiscard]] static constexpr int StemOf(std::int32_t index) noexcept
    {
        return CyclePosition(index) % 10; // [0, 9]
    }

    [[nodiscard]] static constexpr int BranchOf(std::int32_t index) noexcept
    {
        return CyclePosition(index) % 12; // [0, 11]
    }

    // The two syllables of the year at `index`, in UTF-8.
    [[nodiscard]] static std::string IndexName(std::int32_t index);

private:
    // Year numbers in 64 bits: YearsAgoIndex reaches beyond 32 bits.
    // year in [-2^32 + 1, 2^32 - 1]; 1984 - year and 30057 - year stay far
    // inside 64 bits.  `%` truncates, so a remainder takes the dividend's sign.
    static constexpr int AdIndex(std::int64_t year) noexcept
    {
        if (year >= 1984)
            return static_cast<int>((year - 1984) % 60);  // [0, 59]
        return static_cast<int>(60 - (1984 - year) % 60); // [1, 60]
    }

    static constexpr int BcIndex(std::int64_t year) noexcept
    {
        return static_cast<int>((30057 - year) % 60); // [-59, 59]
    }
};

static_assert(TGanji::Stems.size() == 10 * TGanji::SyllableBytes);
static_assert(TGanji::Branches.size() == 12 * TGanji::SyllableBytes);
