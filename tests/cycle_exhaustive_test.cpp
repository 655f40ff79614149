// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every 32-bit year in both eras against the reference rule: its index names
// the right place in the cycle and lies in the range its era and year promise.
// The names themselves are checked once for the sixty places in cycle_test.

#include "ganji.h"
#include "reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <thread>
#include <vector>

namespace {

constexpr std::int64_t Min32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t Max32 = std::numeric_limits<std::int32_t>::max();

struct Span
{
    std::int64_t first;
    std::int64_t last; // inclusive
};

#ifdef GANJI_EXHAUSTIVE_REDUCED
// Sanitizers slow every call down many times: cover the ends of the range
// and everything around the anchors instead of all of it.
const std::vector<Span> Spans = {
    {Min32, Min32 + (1 << 20)}, {-(1 << 26), 1 << 26}, {Max32 - (1 << 20), Max32}};
#else
const std::vector<Span> Spans = {{Min32, Max32}};
#endif

struct Result
{
    std::uint64_t checked = 0;
    std::uint64_t failures = 0;
    std::int64_t firstFailure = 0;
};

// Checks the years of one era in [first, last].  The reference position is
// carried along as a counter, so the loop costs one YearIndex per year.
Result Check(bool bc, std::int64_t first, std::int64_t last)
{
    Result result;
    TGanji ganji;
    ganji.SetBC(bc);
    int expected = reference::Position(reference::AstronomicalYear(bc, first));
    const int step = bc ? 59 : 1; // a BC year later in the loop is one year earlier
    for (std::int64_t year = first;; ++year) {
        const int index = ganji.YearIndex(static_cast<std::int32_t>(year));
        if (TGanji::CyclePosition(index) != expected || !reference::InRange(bc, year, index)) {
            if (result.failures++ == 0)
                result.firstFailure = year;
        }
        if (year == last)
            break;
        expected += step;
        if (expected >= 60)
            expected -= 60;
    }
    result.checked = static_cast<std::uint64_t>(last - first) + 1;
    return result;
}

void CheckEra(bool bc)
{
    const auto threads = std::max(2u, std::thread::hardware_concurrency());
    std::uint64_t checked = 0;
    for (const Span &span : Spans) {
        const std::int64_t length = span.last - span.first + 1;
        std::vector<Result> results(threads);
        std::vector<std::thread> workers;
        for (unsigned t = 0; t < threads; ++t) {
            const std::int64_t first = span.first + length * t / threads;
            const std::int64_t last = span.first + length * (t + 1) / threads - 1;
            workers.emplace_back(
                [&results, t, bc, first, last] { results[t] = Check(bc, first, last); });
        }
        for (auto &worker : workers)
            worker.join();
        for (const Result &r : results) {
            EXPECT_EQ(r.failures, 0u)
                << (bc ? "BC " : "AD ") << r.firstFailure << " is the first of the failing years";
            checked += r.checked;
        }
    }
    std::uint64_t expectedCount = 0;
    for (const Span &span : Spans)
        expectedCount += static_cast<std::uint64_t>(span.last - span.first + 1);
    EXPECT_EQ(checked, expectedCount);
}

TEST(Exhaustive, EveryAdYear)
{
    CheckEra(false);
}

TEST(Exhaustive, EveryBcYear)
{
    CheckEra(true);
}

} // namespace
