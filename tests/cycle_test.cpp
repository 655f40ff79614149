// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ganji.h"
#include "reference.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace {

constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();

// ---------------------------------------------------------------------------
// A year with its era: index and name.

struct YearRow
{
    const char *label;
    bool bc;
    std::int32_t year;
    int index;
    const char *name;
};

std::ostream &operator<<(std::ostream &os, const YearRow &row)
{
    return os << (row.bc ? "BC " : "AD ") << row.year;
}

class YearIndexTest : public testing::TestWithParam<YearRow>
{
};

TEST_P(YearIndexTest, GivesIndexAndName)
{
    const YearRow &row = GetParam();
    TGanji ganji;
    ganji.SetBC(row.bc);
    const int index = ganji.YearIndex(row.year);
    EXPECT_EQ(index, row.index);
    EXPECT_EQ(TGanji::IndexName(index), row.name);
    EXPECT_EQ(ganji.BC, row.bc) << "YearIndex must not change the era";
}

const YearRow YearRows[] = {
    // The anchor and the 60-versus-0 rule at cycle starts.
    {"AnchorYear1984", false, 1984, 0, "갑자"},
    {"YearBeforeAnchor", false, 1983, 59, "계해"},
    {"CycleStartBeforeAnchorIs60", false, 1924, 60, "갑자"},
    {"CycleStartTwoBeforeAnchorIs60", false, 1864, 60, "갑자"},
    {"CycleStartAfterAnchorIs0", false, 2044, 0, "갑자"},
    {"YearAfterCycleStartBeforeAnchor", false, 1925, 1, "을축"},
    {"ThisYear2026", false, 2026, 42, "병오"},
    // The first years of each era.
    {"Ad1", false, 1, 57, "신유"},
    {"Bc1", true, 1, 56, "경신"},
    {"Bc2", true, 2, 55, "기미"},
    // Year 0 and negative years count on past the start of their era.
    {"Ad0IsBc1", false, 0, 56, "경신"},
    {"Bc0IsAd1", true, 0, 57, "신유"},
    {"AdMinus5IsBc6", false, -5, 51, "을묘"},
    {"Bc6", true, 6, 51, "을묘"},
    {"BcMinus1IsAd2", true, -1, 58, "임술"},
    // The BC boundary where the index turns negative.
    {"Bc30057", true, 30057, 0, "갑자"},
    {"Bc30058IsMinus1", true, 30058, -1, "계해"},
    {"Bc30116IsMinus59", true, 30116, -59, "을축"},
    {"Bc30117BackTo0", true, 30117, 0, "갑자"},
    {"Bc99999", true, 99999, -42, "임오"},
    // The ends of the 32-bit range, answered exactly.
    {"AdMin32", false, Min32, 48, "임자"},
    {"AdMax32", false, Max32, 3, "정묘"},
    {"BcMin32", true, Min32, 5, "기사"},
    {"BcMax32", true, Max32, -10, "갑인"},
};

INSTANTIATE_TEST_SUITE_P(Cycle, YearIndexTest, testing::ValuesIn(YearRows),
                         [](const auto &info) { return std::string(info.param.label); });

// ---------------------------------------------------------------------------
// So many years before this year: index, name and the era left behind.

struct YearsAgoRow
{
    const char *label;
    std::int32_t thisYear;
    std::int32_t yearsBack;
    int index;
    const char *name;
    bool bcAfter;
};

std::ostream &operator<<(std::ostream &os, const YearsAgoRow &row)
{
    return os << row.yearsBack << " years before " << row.thisYear;
}

class YearsAgoIndexTest : public testing::TestWithParam<YearsAgoRow>
{
};

TEST_P(YearsAgoIndexTest, GivesIndexNameAndEra)
{
    const YearsAgoRow &row = GetParam();
    for (const bool eraBefore : {false, true}) {
        TGanji ganji;
        ganji.SetBC(eraBefore);
        const int index = ganji.YearsAgoIndex(row.thisYear, row.yearsBack);
        EXPECT_EQ(index, row.index) << "era before: " << eraBefore;
        EXPECT_EQ(TGanji::IndexName(index), row.name);
        EXPECT_EQ(ganji.BC, row.bcAfter) << "era before: " << eraBefore;
    }
}

const YearsAgoRow YearsAgoRows[] = {
    {"NoYearsBackIsThisYear", 2026, 0, 42, "병오", false},
    {"BackToAd1", 2026, 2025, 57, "신유", false},
    {"BackExactlyThisYearIsBc1", 2026, 2026, 56, "경신", true},
    {"OneMoreIsBc2", 2026, 2027, 55, "기미", true},
    {"NegativeCountIsFuture", 2026, -10, 52, "병진", false},
    {"IntoNegativeBcIndex", 2026, 32083, -1, "계해", true},
    {"CountMin32IsFarFuture", 2026, Min32, 50, "갑인", false},
    {"CountMax32IsFarPast", 2026, Max32, -25, "기해", true},
    {"BothMin32IsBc1", Min32, Min32, 56, "경신", true},
    {"ThisYearMax32CountMin32", Max32, Min32, 11, "을해", false},
    {"ThisYearMin32CountMax32", Min32, Max32, -19, "을사", true},
};

INSTANTIATE_TEST_SUITE_P(Cycle, YearsAgoIndexTest, testing::ValuesIn(YearsAgoRows),
                         [](const auto &info) { return std::string(info.param.label); });

TEST(YearsAgoIndex, LeavesItsEraForTheNextYearIndex)
{
    TGanji ganji;
    ganji.YearsAgoIndex(2026, 2026); // BC 1
    EXPECT_EQ(ganji.YearIndex(1), 56) << "AD 1 would be 57";
    ganji.YearsAgoIndex(2026, 0); // AD 2026
    EXPECT_EQ(ganji.YearIndex(1), 57) << "BC 1 would be 56";
}

// ---------------------------------------------------------------------------
// Names: any index, of any sign and size, names its place in the cycle.

TEST(IndexName, NamesEveryPlaceInTheCycle)
{
    for (int index = 0; index < 60; ++index)
        EXPECT_EQ(TGanji::IndexName(index), reference::Names[static_cast<std::size_t>(index)])
            << "index " << index;
}

TEST(IndexName, NamesAnIndexByItsPlaceModulo60)
{
    for (const std::int32_t index : {-60, -59, -42, -1, 60, 119, 600, Min32, Max32}) {
        const auto place = static_cast<std::size_t>(((std::int64_t{index} % 60) + 60) % 60);
        EXPECT_EQ(TGanji::IndexName(index), reference::Names[place]) << "index " << index;
    }
}

TEST(IndexName, IsTwoSyllablesOfUtf8)
{
    EXPECT_EQ(TGanji::IndexName(60), "\xEA\xB0\x91\xEC\x9E\x90"); // 갑자
}

TEST(TGanji, StartsInAd)
{
    EXPECT_FALSE(TGanji{}.BC);
}

} // namespace
