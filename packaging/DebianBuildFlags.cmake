# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Debian builds its packages with the flags of dpkg-buildflags (package dpkg-dev): the program is
# hardened with stack protection, fortified functions and a read-only GOT bound at start
# (-Wl,-z,relro -Wl,-z,now). The same flags go into every build here, so that the package made from
# any build tree, the tests' own too, is the one Debian would build.
#
# The flags come before the build type's, so -O0 of a Debug build still wins; the fortified
# functions need optimisation, which is why Debug and the sanitizer builds go without them.

find_program(DPKG_BUILDFLAGS_PROGRAM dpkg-buildflags)
set(debian_flags_default OFF)
if(DPKG_BUILDFLAGS_PROGRAM AND NOT TOLVANE_SANITIZE AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
    set(debian_flags_default ON)
endif()
option(TOLVANE_DEBIAN_BUILD_FLAGS "Build with Debian's hardening flags from dpkg-buildflags"
       ${debian_flags_default})

if(TOLVANE_DEBIAN_BUILD_FLAGS)
    if(NOT DPKG_BUILDFLAGS_PROGRAM)
        message(FATAL_ERROR "TOLVANE_DEBIAN_BUILD_FLAGS needs dpkg-buildflags (package dpkg-dev)")
    endif()
    # Every hardening feature, unless the one who builds asks for others.
    set(maintainer_options "hardening=+all")
    if(DEFINED ENV{DEB_BUILD_MAINT_OPTIONS})
        set(maintainer_options "$ENV{DEB_BUILD_MAINT_OPTIONS}")
    endif()
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        # Run in the source folder: the file paths in the program are then relative to it.
        execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=${maintainer_options}
                                ${DPKG_BUILDFLAGS_PROGRAM} --get ${kind}
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                        OUTPUT_VARIABLE debian_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE
                        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    set(CMAKE_CXX_FLAGS "${debian_CPPFLAGS} ${debian_CXXFLAGS} ${CMAKE_CXX_FLAGS}")
    set(CMAKE_EXE_LINKER_FLAGS "${debian_LDFLAGS} ${CMAKE_EXE_LINKER_FLAGS}")
    set(CMAKE_SHARED_LINKER_FLAGS "${debian_LDFLAGS} ${CMAKE_SHARED_LINKER_FLAGS}")
    set(CMAKE_MODULE_LINKER_FLAGS "${debian_LDFLAGS} ${CMAKE_MODULE_LINKER_FLAGS}")
    message(STATUS "Debian build flags: ${debian_CPPFLAGS} ${debian_CXXFLAGS} ${debian_LDFLAGS}")
endif()
