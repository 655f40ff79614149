// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// ns per call of the calculator's two questions.

#include "ganji.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// Years spread over both signs and all of the 32-bit range, so the branches
// of YearIndex are not always taken the same way.
std::int32_t NextYear(std::uint32_t &state)
{
    state = state * 1664525u + 1013904223u;
    return static_cast<std::int32_t>(state);
}

void YearIndexAndName(benchmark::State &state)
{
    TGanji ganji;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        const std::int32_t year = NextYear(seed);
        ganji.SetBC((year & 1) != 0);
        benchmark::DoNotOptimize(TGanji::IndexName(ganji.YearIndex(year)));
    }
}
BENCHMARK(YearIndexAndName);

void YearsAgoIndex(benchmark::State &state)
{
    TGanji ganji;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ganji.YearsAgoIndex(2026, NextYear(seed)));
    }
}
BENCHMARK(YearsAgoIndex);

} // namespace
