# Precompiled Qt headers. Reading Qt's headers is most of what compiling one of the program's or
# the tests' files costs (seconds a file); precompiled once per build folder and shared by every
# target of the same flags, they cost that once: a build from nothing takes a sixth less. Off by
# default all the same: a precompiled header is made anew in each build folder and holds its paths,
# so ccache cannot hand a file compiled with it over to another clone, and the files that use it
# (most of the window's and the tests') are compiled again there. On (-DTALVEN_PCH=ON) it pays for
# a build folder that is built from nothing, once.
option(TALVEN_PCH "Precompile the Qt headers the sources share" OFF)

# talven_pch_donor(TARGET HEADER...): TARGET compiles the precompiled header from HEADERs.
function(talven_pch_donor target)
    if(TALVEN_PCH)
        target_precompile_headers(${target} PRIVATE ${ARGN})
        talven_pch_skip_generated(${target})
    endif()
endfunction()

# talven_pch_reuse(DONOR TARGET...): each TARGET, built with DONOR's flags, uses DONOR's header.
# Only targets of DONOR's folder: Qt's test library defines the folder in every test's flags
# (QT_TESTCASE_BUILDDIR), and GCC refuses a precompiled header made with another definition.
function(talven_pch_reuse donor)
    if(TALVEN_PCH)
        get_target_property(donor_dir ${donor} BINARY_DIR)
        foreach(t ${ARGN})
            get_target_property(dir ${t} BINARY_DIR)
            if(dir STREQUAL donor_dir)
                set_target_properties(${t} PROPERTIES PRECOMPILE_HEADERS_REUSE_FROM ${donor})
                talven_pch_skip_generated(${t})
            endif()
        endforeach()
    endif()
endfunction()

# The files moc and rcc generate for a target read little of Qt or nothing at all (the tests
# include their moc output themselves), and loading the precompiled header would cost them more
# than it saves.
function(talven_pch_skip_generated target)
    get_target_property(dir ${target} BINARY_DIR)
    set_source_files_properties(${dir}/${target}_autogen/mocs_compilation.cpp
        TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()
