// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The path from a field's text to the two lines a click adds: the number a
// text counts as, and the lines answered for it.

#include "answer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NumberRow
{
    const char *label;
    std::u16string text;
    int value; // -7: no number, the default
};

std::ostream &operator<<(std::ostream &os, const NumberRow &row)
{
    return os << row.label;
}

class StrToIntDefTest : public testing::TestWithParam<NumberRow>
{
};

TEST_P(StrToIntDefTest, ReadsAWholeNumberOrGivesTheDefault)
{
    EXPECT_EQ(StrToIntDef(GetParam().text, -7), GetParam().value);
}

const NumberRow NumberRows[] = {
    {"Digits", u"1924", 1924},
    {"Zero", u"0", 0},
    {"PlusZero", u"+0", 0},
    {"MinusZero", u"-0", 0},
    {"Minus", u"-10", -10},
    {"Plus", u"+10", 10},
    {"LeadingZeros", u"0000000000000000000000042", 42},
    {"BlanksAround", u" \t42  ", 42},
    {"LineBreaksAround", u"\r\n42\v\f", 42},
    {"NoBreakSpaceAround", u"\u00A042\u0085", 42},
    {"IdeographicSpaceAround", u"\u300042\u3000", 42},
    {"UnicodeSpacesAround", u"\u2000\u200A\u202F42\u205F\u2028\u2029\u1680", 42},
    {"Largest", u"2147483647", 2147483647},
    {"Smallest", u"-2147483648", -2147483647 - 1},
    {"OnePastLargest", u"2147483648", -7},
    {"OnePastSmallest", u"-2147483649", -7},
    {"TenThousandDigits", std::u16string(10000, u'9'), -7},
    {"Empty", u"", -7},
    {"BlanksOnly", u"   ", -7},
    {"SignAlone", u"-", -7},
    {"TwoSigns", u"+-1", -7},
    {"BlankAfterSign", u"- 1", -7},
    {"BlankInside", u"1 2", -7},
    {"ZeroWidthSpaceIsNoBlank", u"\u200B42", -7},
    {"ByteOrderMarkIsNoBlank", u"\uFEFF42", -7},
    {"Hexadecimal0x", u"0x10", -7},
    {"HexadecimalDollar", u"$10", -7},
    {"Exponent", u"1e3", -7},
    {"DecimalPoint", u"1.0", -7},
    {"DigitsThenWords", u"12abc", -7},
    {"FullWidthDigits", u"\uFF11\uFF12", -7},
    {"ArabicIndicDigits", u"\u0661\u0662", -7},
    {"Hangul", u"천구백", -7},
    {"NulInside", std::u16string(u"1\u00002", 3), -7},
    {"LoneSurrogate",
     u"\xD800"
     u"1",
     -7},
};

INSTANTIATE_TEST_SUITE_P(Answer, StrToIntDefTest, testing::ValuesIn(NumberRows),
                         [](const auto &info) { return std::string(info.param.label); });

TEST(OpeningLines, AreTheNoteThisYearAndItsName)
{
    const std::array<std::string, 3> lines = OpeningLines(TGanji{}, 2026);
    EXPECT_EQ(lines[0], "AD1년~ 신유(57)년부터 시작하고, BC1년 경신년(56)부터 시작함 ");
    EXPECT_EQ(lines[1], "2026");
    EXPECT_EQ(lines[2], "병오");
    EXPECT_EQ(OpeningLines(TGanji{}, 1924)[2], "갑자");
}

TEST(YearLines, AnswersTheYearInTheChosenEraAndKeepsIt)
{
    TGanji ganji;
    EXPECT_EQ(YearLines(ganji, false, u"1924"), (AnswerLines{"60", "갑자"}));
    EXPECT_FALSE(ganji.BC);
    EXPECT_EQ(YearLines(ganji, true, u"1"), (AnswerLines{"56", "경신"}));
    EXPECT_TRUE(ganji.BC);
    EXPECT_EQ(YearLines(ganji, true, u"30058"), (AnswerLines{"-1", "계해"}));
    EXPECT_EQ(YearLines(ganji, false, u"-2147483648"), (AnswerLines{"48", "임자"}));
}

TEST(YearLines, CountsATextThatIsNoNumberAsYearZero)
{
    TGanji ganji;
    EXPECT_EQ(YearLines(ganji, false, u""), (AnswerLines{"56", "경신"}));
    EXPECT_EQ(YearLines(ganji, true, u"올해"), (AnswerLines{"57", "신유"}));
    EXPECT_EQ(YearLines(ganji, false, u"2147483648"), (AnswerLines{"56", "경신"}));
}

TEST(YearsAgoLines, CountsBackFromThisYearIntoEitherEra)
{
    TGanji ganji;
    EXPECT_EQ(YearsAgoLines(ganji, 2026, u""), (AnswerLines{"42", "병오"}));
    EXPECT_FALSE(ganji.BC);
    EXPECT_EQ(YearsAgoLines(ganji, 2026, u"2026"), (AnswerLines{"56", "경신"}));
    EXPECT_TRUE(ganji.BC);
    EXPECT_EQ(YearsAgoLines(ganji, 2026, u"2027"), (AnswerLines{"55", "기미"}));
    EXPECT_EQ(YearsAgoLines(ganji, 2026, u" -10 "), (AnswerLines{"52", "병진"}));
    EXPECT_FALSE(ganji.BC);
}

} // namespace
