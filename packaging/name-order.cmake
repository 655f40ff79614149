# SPDX-FileCopyrightText: 2026 The ganji developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack before (CPACK_PRE_BUILD_SCRIPTS) and after
# (CPACK_POST_BUILD_SCRIPTS) it makes each package: the Windows zip and
# installer, and the web page's zip.  CPack takes the staged files in the
# order the file system lists them, which differs from one file system to
# another, so the same files would make another zip and installer: the
# uninstaller deletes them in the order of their names, and
# strip-nondeterminism puts the zip's members in that order (each with the
# time of the release, SOURCE_DATE_EPOCH, where it is set).  Then advzip
# deflates the zip again with Zopfli, as small as deflate gets, which every
# unzip (Explorer's among them) still reads.

if(DEFINED CPACK_PACKAGE_FILES)
    set(time "")
    if(DEFINED ENV{SOURCE_DATE_EPOCH})
        set(time --timestamp $ENV{SOURCE_DATE_EPOCH})
    endif()
    foreach(package IN LISTS CPACK_PACKAGE_FILES)
        if(package MATCHES "[.]zip$")
            execute_process(COMMAND ${CPACK_GANJI_STRIP_NONDETERMINISM} --type zip ${time} ${package}
                COMMAND_ERROR_IS_FATAL ANY)
            execute_process(COMMAND ${CPACK_GANJI_ADVZIP} --recompress --shrink-insane --quiet ${package}
                COMMAND_ERROR_IS_FATAL ANY)
        endif()
    endforeach()
    return()
endif()

if(NOT CPACK_GENERATOR STREQUAL "NSIS")
    return()
endif()
# What CPack would write itself, in the order of the names; the folders
# deepest first, each after what is in it.  file(GLOB) sorts.
file(GLOB_RECURSE paths LIST_DIRECTORIES true RELATIVE ${CPACK_TEMPORARY_DIRECTORY}
    ${CPACK_TEMPORARY_DIRECTORY}/*)
set(CPACK_NSIS_DELETE_FILES "")
set(folders "")
foreach(path IN LISTS paths)
    string(REPLACE "/" "\\" name "${path}")
    if(IS_DIRECTORY ${CPACK_TEMPORARY_DIRECTORY}/${path})
        list(PREPEND folders "  RMDir \"$INSTDIR\\${name}\"\n")
    else()
        string(APPEND CPACK_NSIS_DELETE_FILES "  Delete \"$INSTDIR\\${name}\"\n")
    endif()
endforeach()
list(JOIN folders "" CPACK_NSIS_DELETE_DIRECTORIES)
