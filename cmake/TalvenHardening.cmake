# Builds with the hardening flags of the distribution (what Debian builds its own packages with):
# _FORTIFY_SOURCE, the stack protector, format-string checks, and a read-only relocation table bound
# at start (relro, bindnow). The flags come from dpkg-buildflags, so they follow the distribution
# rather than a copy kept here. Optimisation and debug information stay with CMAKE_BUILD_TYPE.
# Include this before the targets are defined: it sets the options of this folder and below.

option(TALVEN_HARDENING "Build with the distribution's hardening flags (dpkg-buildflags)" OFF)
if(NOT TALVEN_HARDENING)
    return()
endif()

# _FORTIFY_SOURCE works only in optimised code (glibc warns otherwise).
if(NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    message(FATAL_ERROR "TALVEN_HARDENING needs an optimised build: CMAKE_BUILD_TYPE=Release (or RelWithDebInfo)")
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
    message(FATAL_ERROR "TALVEN_HARDENING needs dpkg-buildflags (package dpkg-dev)")
endif()

# hardening=+all adds bindnow, which Debian 12 leaves out by default.
set(talven_hardening_flags)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE flags
        OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(O.*|g.*)$")
    if(kind STREQUAL "LDFLAGS")
        add_link_options(${flags})
    else()
        add_compile_options(${flags})
    endif()
    list(APPEND talven_hardening_flags ${flags})
endforeach()
list(JOIN talven_hardening_flags " " talven_hardening_flags)
message(STATUS "Hardening flags: ${talven_hardening_flags}")
