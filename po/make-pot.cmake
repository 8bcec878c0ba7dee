# Extracts every translatable text of the tools, the desktop entry and the AppStream data into one
# template, the .pot file the po/LL.po files are merged with.
#   cmake -DXGETTEXT=... -DSOURCE_DIR=... -DAPP_ID=... -DVERSION=... -DOUTPUT=FILE.pot -P make-pot.cmake
# The tools mark their texts with _() (or N_() where the text is translated later, at its use),
# with printf-style placeholders, which xgettext marks c-format so that msgfmt --check compares
# them. File names without line numbers, so that an edit elsewhere in a file changes no .po file.
foreach(var XGETTEXT SOURCE_DIR APP_ID VERSION OUTPUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "make-pot.cmake: ${var} is not set")
    endif()
endforeach()

# Relative names: the comments in the .po files name the file in the project, not on this machine.
file(GLOB_RECURSE tool_sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/tools/*.cpp ${SOURCE_DIR}/tools/*.h)
list(SORT tool_sources)

set(common --from-code=UTF-8 --add-location=file --add-comments=TRANSLATORS: --package-name=talven-sound
    --package-version=${VERSION} --msgid-bugs-address=https://c-seed-c8006644.example/talven-sound --output=${OUTPUT})
execute_process(
    COMMAND ${XGETTEXT} ${common} --force-po --language=C++ --keyword=_ --keyword=N_ --keyword=translatePlural:1,2 ${tool_sources}
    WORKING_DIRECTORY ${SOURCE_DIR}
    COMMAND_ERROR_IS_FATAL ANY)
# The desktop entry's texts; not its Icon, which names a file.
execute_process(
    COMMAND ${XGETTEXT} ${common} --join-existing --language=Desktop --keyword --keyword=Name
        --keyword=GenericName --keyword=Comment --keyword=Keywords packaging/${APP_ID}.desktop.in
    WORKING_DIRECTORY ${SOURCE_DIR}
    COMMAND_ERROR_IS_FATAL ANY)
# The AppStream data, by the rules its own package installs (appstream: metainfo.its).
execute_process(
    COMMAND ${XGETTEXT} ${common} --join-existing packaging/${APP_ID}.metainfo.xml.in
    WORKING_DIRECTORY ${SOURCE_DIR}
    COMMAND_ERROR_IS_FATAL ANY)
