# Brings po/LL.po up to date with the template, for each language in po/LINGUAS: new texts come in
# untranslated, changed ones keep their old translation marked fuzzy (with the old text, for the
# translator to compare), texts gone from the sources are dropped. A language without a .po file yet
# gets a new one. Run by `cmake --build BUILD --target update_translations`.
#   cmake -DMSGMERGE=... -DMSGINIT=... -DMSGATTRIB=... -DPO_DIR=... -DPOT=FILE.pot -P update-po.cmake
foreach(var MSGMERGE MSGINIT MSGATTRIB PO_DIR POT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "update-po.cmake: ${var} is not set")
    endif()
endforeach()

file(STRINGS ${PO_DIR}/LINGUAS languages REGEX "^[a-zA-Z]")
foreach(language IN LISTS languages)
    set(po ${PO_DIR}/${language}.po)
    if(EXISTS ${po})
        execute_process(
            COMMAND ${MSGMERGE} --quiet --update --backup=none --previous --add-location=file ${po} ${POT}
            COMMAND_ERROR_IS_FATAL ANY)
    else()
        execute_process(
            COMMAND ${MSGINIT} --no-translator --locale=${language} --input=${POT} --output-file=${po}
            COMMAND_ERROR_IS_FATAL ANY)
        # msginit takes the character set from the language's locale, ASCII when that is not
        # installed; the translations are written in UTF-8.
        file(READ ${po} text)
        string(REPLACE "charset=ASCII" "charset=UTF-8" text "${text}")
        file(WRITE ${po} "${text}")
        message(STATUS "New ${po}: translate it, then commit it")
    endif()
    # Texts gone from the sources are dropped rather than kept at the end of the file (#~).
    execute_process(COMMAND ${MSGATTRIB} --no-obsolete --output-file=${po} ${po} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
