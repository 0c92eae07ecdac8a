# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Part of the installation (install(CODE) in CMakeLists.txt sets the variables): fills the manual
# page in with the folders of this installation's prefix, compresses it and installs it.

foreach(dir BINDIR PROGRAMDIR DATADIR)
    set(TOLVANE_FULL_${dir} "${CMAKE_INSTALL_PREFIX}/${TOLVANE_INSTALL_${dir}}")
endforeach()
set(TOLVANE_FULL_DOC_DIR "${CMAKE_INSTALL_PREFIX}/${TOLVANE_DOC_DIR}")

# A folder of its own for each destination: installations of one build tree to several places
# (the packaging tests and cpack) do not share the page they fill in.
string(MD5 destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(work "${TOLVANE_MANUAL_WORK}/${destination}")
file(MAKE_DIRECTORY "${work}")
configure_file("${TOLVANE_MANUAL_SOURCE}" "${work}/tolvane.6" @ONLY)
execute_process(COMMAND "${GZIP_PROGRAM}" -9 -n -f "${work}/tolvane.6" COMMAND_ERROR_IS_FATAL ANY)
file(INSTALL DESTINATION "${TOLVANE_MANUAL_DESTINATION}" TYPE FILE FILES "${work}/tolvane.6.gz")
