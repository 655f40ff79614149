# SPDX-FileCopyrightText: 2026 The ganji developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Debian's hardening for the builds a package is made of: the preprocessor,
# compiler and linker flags that dpkg-buildflags gives with every hardening
# feature on (bindnow, fortify, PIE, relro, stack protector, format), for
# every target from here on.  The build type keeps its own optimisation and
# debug information: -g and -O2 are left out.  The flags apply to the
# optimised build types only, since _FORTIFY_SOURCE needs optimisation, and
# not to the sanitizer builds, which are never packaged.  Settings in the
# environment that dpkg-buildflags reads (DEB_CXXFLAGS_APPEND, ...) apply as
# in any Debian build.
find_program(GANJI_DPKG_BUILDFLAGS dpkg-buildflags)
mark_as_advanced(GANJI_DPKG_BUILDFLAGS)
if(UNIX AND NOT APPLE AND NOT EMSCRIPTEN AND GANJI_DPKG_BUILDFLAGS AND NOT GANJI_SANITIZE)
    set(default ON)
else()
    set(default OFF)
endif()
option(GANJI_DEBIAN_BUILDFLAGS
    "Build the optimised build types with the hardening flags of dpkg-buildflags" ${default})
if(NOT GANJI_DEBIAN_BUILDFLAGS)
    return()
endif()
if(NOT GANJI_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "GANJI_DEBIAN_BUILDFLAGS needs dpkg-buildflags (Debian package dpkg-dev)")
endif()

set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
foreach(variable IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
    # Run from the source folder: its path becomes "." in the debug
    # information and in __FILE__ (-ffile-prefix-map).
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env
            DEB_BUILD_MAINT_OPTIONS=hardening=+all "DEB_CXXFLAGS_MAINT_STRIP=-g -O2"
            ${GANJI_DPKG_BUILDFLAGS} --get ${variable}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    message(STATUS "dpkg-buildflags ${variable}: ${flags}")
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(TRANSFORM flags PREPEND "$<${optimised}:")
    list(TRANSFORM flags APPEND ">")
    if(variable STREQUAL "LDFLAGS")
        add_link_options(${flags})
    else()
        add_compile_options(${flags})
    endif()
endforeach()
