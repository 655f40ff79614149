# SPDX-FileCopyrightText: 2026 The ganji developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows packages, made by `cpack` in a Windows build folder: a portable
# zip (ganji-<version>-win64.zip), which runs wherever it is unpacked, and an
# installer (ganji-<version>-win64-setup.exe), with an uninstaller, for
# every user, which windows/NSIS.template.in makes.
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
set(CPACK_PACKAGE_FILE_NAME ganji-${PROJECT_VERSION}-win64)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
set(CPACK_STRIP_FILES ON)

# Its script is UTF-8; it is 64-bit, as Wine without 32-bit support starts no
# other (and reports success), and writes to the 64-bit registry.
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/windows)
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "-INPUTCHARSET UTF8")
set(CPACK_NSIS_DEFINES "Target amd64-unicode\n!define GANJI_MUTEX Global\\${GANJI_APP_ID}")
# Where a person reads the program's name (the installer's pages, the
# installed programs' entry), it is the desktop entry's, with the command's
# for those who do not read Korean; its folder and registry key stay ganji.
set(CPACK_NSIS_PACKAGE_NAME "간지 계산기 (ganji)")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ganji)
set(CPACK_GANJI_ICONS ${PROJECT_SOURCE_DIR}/app/icons)
set(CPACK_NSIS_URL_INFO_ABOUT "${GANJI_HOMEPAGE}")
set(CPACK_NSIS_CONTACT "${GANJI_CONTACT}")

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
    add_test(NAME windows_installer_installs_upgrades_uninstalls COMMAND ${xvfb} ${check} installer ${setup}
        ${PROJECT_VERSION} ${GANJI_X11RUN} ${GANJI_WINDOW_TITLE} "${CPACK_NSIS_PACKAGE_NAME}" ${CMAKE_BINARY_DIR}/CPackConfig.cmake)
    set_tests_properties(windows_package_build PROPERTIES
        LABELS package FIXTURES_SETUP windows_packages TIMEOUT 300)
    set_tests_properties(windows_zip_runs windows_installer_installs_upgrades_uninstalls PROPERTIES
        LABELS "package;x11" FIXTURES_REQUIRED windows_packages TIMEOUT 300)
endif()
