# SPDX-FileCopyrightText: 2026 The ganji developers
# SPDX-License-Identifier: GPL-3.0-or-later

# ganji_needs(RESULT WHAT [VARIABLE PACKAGE]...)
#
# Sets RESULT to whether WHAT (a test, a check, a document) has everything it
# needs: each VARIABLE, as a find_program(), find_package() or similar call
# left it, must be true.  If one is not, WHAT is left out with one message
# naming the Debian packages to install; with GANJI_REQUIRE_ALL the configure
# stops there instead.
function(ganji_needs result what)
    set(missing "")
    while(ARGN)
        list(POP_FRONT ARGN variable package)
        if(NOT ${variable})
            list(APPEND missing ${package})
        endif()
    endwhile()
    list(REMOVE_DUPLICATES missing)
    list(JOIN missing " " missing)
    if(NOT missing)
        set(${result} TRUE PARENT_SCOPE)
    elseif(GANJI_REQUIRE_ALL)
        message(FATAL_ERROR "${what} needs what is missing here: install ${missing}")
    else()
        message(STATUS "Leaving out ${what}: it needs ${missing}")
        set(${result} FALSE PARENT_SCOPE)
    endif()
endfunction()
