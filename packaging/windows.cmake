# SPDX-FileCopyrightText: 2026 The ganji developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows packages, made by `cpack` in a Windows build folder: a portable
# zip (ganji-<version>-win64.zip), which runs wherever it is unpacked, and an
# installer (ganji-<version>-win64-setup.exe) that installs for every user
# under Program Files, with a Start-menu shortcut, an entry among the
# installed programs and an uninstaller.  Its texts are in the language of
# Windows, Korean and English among them; its finish page offers to start the
# program; /S installs silently.
# The licences go with the program: its own, and that of Qt, which is linked
# into it.  Qt's is kept in windows/LICENSES, named as REUSE names it: no file
# of this repository is under it, so it is not among the repository's own
# licences in LICENSES/.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt DESTINATION licenses
    RENAME ganji-GPL-3.0-or-later.txt)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/windows/LICENSES/LGPL-3.0-only.txt DESTINATION licenses
    RENAME Qt-LGPL-3.0-only.txt)

# What else is linked in, under which licence, and where Qt's source is: the
# LGPL lets anyone link the program again with a changed Qt, from the
# program's published source.  scripts/windows builds Qt for Windows from the
# source of the host's own Qt.  The installer shows this note above the GPL.
execute_process(COMMAND dpkg-query -W "-f=\${source:Version}" qt6-base-dev
    OUTPUT_VARIABLE qt_source_version OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "+" "%2B" qt_source_url_version "${qt_source_version}")
configure_file(windows/NOTICE.txt.in NOTICE.txt @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/NOTICE.txt DESTINATION licenses)
file(READ ${CMAKE_CURRENT_BINARY_DIR}/NOTICE.txt notice)
file(READ ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt gpl)
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt CONTENT "${notice}\n\n${gpl}" @ONLY)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME ganji)
set(CPACK_PACKAGE_VENDOR "The ganji developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_FILE_NAME ganji-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY ganji)
set(CPACK_PACKAGE_EXECUTABLES ganji "간지 계산기")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
set(CPACK_STRIP_FILES ON)

# A 64-bit installer: Wine without 32-bit support cannot start NSIS's default
# 32-bit one (and still reports success), and the 64-bit one writes to the
# 64-bit Program Files and registry.  The script CPack writes is UTF-8.
# BrandingText blanks the "Nullsoft Install System" line at the bottom of
# each page: CMake 3.25 writes CPACK_NSIS_BRANDING_TEXT with /TRIMLEFT, which
# makensis refuses on Linux.  The files' times stay out of the installer, so
# that the same files make the same installer.
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "-INPUTCHARSET UTF8")
set(CPACK_NSIS_DEFINES "Target amd64-unicode\nBrandingText ' '\nSetDateSave off")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# Where a person reads the program's name (the installer's title and pages,
# its Start-menu folder, the installed programs' entry), it is the desktop
# entry's, with the command's for those who do not read Korean; the folder
# under Program Files and the registry key stay ganji.
set(CPACK_NSIS_PACKAGE_NAME "간지 계산기 (ganji)")
set(CPACK_NSIS_DISPLAY_NAME "간지 계산기 (ganji)")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ganji)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME ganji.exe)
# ganji's own icon and pictures (rendered by app/icons/render.sh) instead of
# NSIS's.
set(icons ${PROJECT_SOURCE_DIR}/app/icons)
set(CPACK_NSIS_MUI_ICON ${icons}/ganji.ico)
set(CPACK_NSIS_MUI_UNIICON ${icons}/ganji.ico)
set(CPACK_NSIS_MUI_WELCOMEFINISHPAGE_BITMAP ${icons}/installer-welcome.bmp)
set(CPACK_NSIS_MUI_UNWELCOMEFINISHPAGE_BITMAP ${icons}/installer-welcome.bmp)
set(CPACK_NSIS_MUI_HEADERIMAGE ${icons}/installer-header.bmp)
# The finish page offers to start the program; /S shows no page, and so
# starts nothing.
set(CPACK_NSIS_MUI_FINISHPAGE_RUN ganji.exe)
# The home page and address, where the build was given them; an empty one
# is left out of the installed programs' entry.
set(CPACK_NSIS_URL_INFO_ABOUT "${GANJI_HOMEPAGE}")
set(CPACK_NSIS_CONTACT "${GANJI_CONTACT}")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)

# The same files make the same zip and installer, whatever the file system.
find_program(CPACK_GANJI_STRIP_NONDETERMINISM strip-nondeterminism REQUIRED)
find_program(CPACK_GANJI_ADVZIP advzip REQUIRED)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/name-order.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/name-order.cmake)

# The installer's name tells it from the zip.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/cpack-windows.cmake)
file(WRITE ${CPACK_PROJECT_CONFIG_FILE} "
if(CPACK_GENERATOR STREQUAL \"NSIS\")
    set(CPACK_PACKAGE_FILE_NAME \"\${CPACK_PACKAGE_FILE_NAME}-setup\")
endif()
")
include(CPack)

if(BUILD_TESTING)
    # Made by `cpack`, then each checked in a new Wine prefix, as on a
    # Windows machine that has nothing else installed.
    set(out ${CMAKE_CURRENT_BINARY_DIR}/windows-packages)
    set(check ${CMAKE_CURRENT_SOURCE_DIR}/check-windows-package)
    set(zip ${out}/ganji-${PROJECT_VERSION}-win64.zip)
    set(setup ${out}/ganji-${PROJECT_VERSION}-win64-setup.exe)
    add_test(NAME windows_package_build
        COMMAND ${check} build ${CMAKE_BINARY_DIR}/CPackConfig.cmake ${out} ${zip} ${setup})
    set(xvfb ${PROJECT_SOURCE_DIR}/scripts/with-xvfb)
    add_test(NAME windows_zip_runs COMMAND ${xvfb} ${check} zip ${zip} ${GANJI_X11RUN} ${GANJI_WINDOW_TITLE})
    add_test(NAME windows_installer_installs_runs_uninstalls
        COMMAND ${xvfb} ${check} installer ${setup} ${PROJECT_VERSION} ${GANJI_X11RUN}
            ${GANJI_WINDOW_TITLE} "${CPACK_NSIS_DISPLAY_NAME}")
    set_tests_properties(windows_package_build PROPERTIES
        LABELS package FIXTURES_SETUP windows_packages TIMEOUT 300)
    set_tests_properties(windows_zip_runs windows_installer_installs_runs_uninstalls PROPERTIES
        LABELS "package;x11" FIXTURES_REQUIRED windows_packages TIMEOUT 300)
endif()
