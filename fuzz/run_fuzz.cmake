# SPDX-FileCopyrightText: 2026 The ganji developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fuzzes for a bounded time from the seeds, keeping what it finds in a fresh
# working corpus, and prints libFuzzer's figures:
#   cmake -DFUZZER=<target> -DWORK=<dir> -DSECONDS=<n> -DDICT=<file>
#         -DKEPT_SEEDS=<dir> -DMADE_SEEDS=<dir> -P run_fuzz.cmake
# A failing input is saved in WORK as crash-*, leak-* or timeout-*, and can be
# replayed with `<target> <file>`.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/corpus")

# A fixed seed, so that a run follows the same path on every machine as far as
# its time allows.  Inputs are mutated up to 16 KiB (the large seeds are run
# whole by the seeds test).
execute_process(
    COMMAND "${FUZZER}" -seed=1 -max_total_time=${SECONDS} -max_len=16384 -timeout=10
            -rss_limit_mb=4096 -dict=${DICT} -artifact_prefix=${WORK}/ -print_final_stats=1
            "${WORK}/corpus" "${KEPT_SEEDS}" "${MADE_SEEDS}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
file(WRITE "${WORK}/fuzz.log" "${output}")

string(REGEX MATCHALL "(stat::[a-z_]+: *[0-9]+|Done [0-9]+ runs in [0-9]+ second\\(s\\))" figures "${output}")
list(JOIN figures "\n" figures)
message("${figures}")

if(NOT result EQUAL 0)
    message("${output}")
    message(FATAL_ERROR "answer_fuzz failed (exit status ${result}); the failing input is in ${WORK}")
endif()
