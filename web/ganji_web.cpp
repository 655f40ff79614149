// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator as the web page calls it, compiled to WebAssembly: the same
// answer path as the desktop window's, behind a handful of C functions.  The
// page writes a field's text as UTF-16 into the room input() makes, calls an
// answer function, and reads the lines, UTF-8 with a line feed between them,
// from output(), as many bytes as the answer function returned.

#include "answer.h"

#include <cstddef>
#include <string>

namespace {

// The one calculator of the page, as of the window.
TGanji Ganji;
std::u16string Input;
std::string Output;

template <class Lines> std::size_t Write(const Lines &lines)
{
    Output.clear();
    for (const std::string &line : lines) {
        if (!Output.empty())
            Output += '\n';
        Output += line;
    }
    return Output.size();
}

} // namespace

#define GANJI_EXPORT(name) extern "C" __attribute__((used, export_name(#name)))

// Room for a text of `units` UTF-16 units, where the page writes it.
GANJI_EXPORT(input) char16_t *InputRoom(std::size_t units)
{
    Input.resize(units);
    return Input.data();
}

GANJI_EXPORT(output) const char *OutputLines()
{
    return Output.data();
}

// The transcript's first three lines, for AD `thisYear`.
GANJI_EXPORT(opening) std::size_t Opening(int thisYear)
{
    return Write(OpeningLines(Ganji, thisYear));
}

// B1: the text in input() as a year of the era `bc`.
GANJI_EXPORT(year) std::size_t Year(bool bc)
{
    return Write(YearLines(Ganji, bc, Input));
}

// Button1: the text in input() as a count of years back from AD `thisYear`.
GANJI_EXPORT(yearsAgo) std::size_t YearsAgo(int thisYear)
{
    return Write(YearsAgoLines(Ganji, thisYear, Input));
}
