# SPDX-FileCopyrightText: 2026 The ganji developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the large seeds, which are kept out of the repository for their size:
#   cmake -DDIR=<directory> -P make_seeds.cmake
cmake_minimum_required(VERSION 3.25)
file(MAKE_DIRECTORY "${DIR}")

set(megabyte 1048576)

string(REPEAT "9" 10000 text)
file(WRITE "${DIR}/ten-thousand-digits" "${text}")

string(REPEAT "7" ${megabyte} text)
file(WRITE "${DIR}/megabyte-of-digits" "${text}")

# Blanks around a number: it stays a number however many blanks there are.
string(REPEAT " " ${megabyte} text)
file(WRITE "${DIR}/megabyte-of-blanks-then-number" "${text}1924")
file(WRITE "${DIR}/number-then-megabyte-of-blanks" "-1924${text}")

# 3 bytes a syllable in UTF-8.
math(EXPR syllables "${megabyte} / 3")
string(REPEAT "갑" ${syllables} text)
file(WRITE "${DIR}/megabyte-of-hangul" "${text}")

# Hangul, digits, blanks (an ideographic space among them), signs and control
# characters mixed, 16 bytes a round.
string(ASCII 1 2 9 27 127 controls)
math(EXPR rounds "${megabyte} / 16")
string(REPEAT "12 -갑+　${controls}" ${rounds} text)
file(WRITE "${DIR}/megabyte-of-mixed-text" "${text}")
