// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator as the web page calls it, compiled to WebAssembly: the same
// answer path as the desktop window's, behind a handful of C functions.  The
// page writes a field's text as UTF-16 into the room input() makes, calls an
// answer function, and reads the lines, UTF-8 with a line feed between them,
// from output(), as many bytes as the answer function returned.
//
// The two rooms are plain blocks from malloc rather than strings: every byte
// of this module is downloaded before the window's first lines, and string
// growth would bring in code the page never needs.

#include "answer.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// The one calculator of the page, as of the window.
TGanji Ganji;
char16_t *Input;
std::size_t InputUnits;
char *Output;

// A new block of `bytes` in place of `block`, whose contents are not kept.
template <class T> T *Renew(T *block, std::size_t bytes)
{
    std::free(block);
    return static_cast<T *>(std::malloc(bytes));
}

// The lines into a new Output; their size in bytes, or 0 where there is no
// room for them (the page then reads no lines and carries on).
template <class Lines> std::size_t Write(const Lines &lines)
{
    std::size_t size = lines.size() - 1; // the line feeds
    for (const std::string &line : lines)
        size += line.size();
    Output = Renew(Output, size);
    if (Output == nullptr)
        return 0;
    char *end = Output;
    for (const std::string &line : lines) {
        if (end != Output)
            *end++ = '\n';
        std::memcpy(end, line.data(), line.size());
        end += line.size();
    }
    return size;
}

std::u16string_view InputText()
{
    return {Input, InputUnits};
}

} // namespace

#define GANJI_EXPORT(name) extern "C" __attribute__((used, export_name(#name)))

// Room for a text of `units` UTF-16 units, where the page writes it; null if
// there is none, which the page reports as a failure.
GANJI_EXPORT(input) char16_t *InputRoom(std::size_t units)
{
    // One byte more, so that an empty text has a block of its own too.
    Input = Renew(Input, units * sizeof(char16_t) + 1);
    InputUnits = Input == nullptr ? 0 : units;
    return Input;
}

GANJI_EXPORT(output) const char *OutputLines()
{
    return Output;
}

// The transcript's first three lines, for AD `thisYear`.
GANJI_EXPORT(opening) std::size_t Opening(int thisYear)
{
    return Write(OpeningLines(Ganji, thisYear));
}

// B1: the text in input() as a year of the era `bc`.
GANJI_EXPORT(year) std::size_t Year(bool bc)
{
    return Write(YearLines(Ganji, bc, InputText()));
}

// Button1: the text in input() as a count of years back from AD `thisYear`.
GANJI_EXPORT(yearsAgo) std::size_t YearsAgo(int thisYear)
{
    return Write(YearsAgoLines(Ganji, thisYear, InputText()));
}
