# Brings translations/LANG.po up to date with the template for each language, and makes the file
# of a language that has none yet: msgmerge adds the template's new texts untranslated (or, where
# an old text is much alike, its translation marked fuzzy), and texts the template no longer
# has are dropped.
# Usage: cmake -D languages=LANG;... -D po_dir=FOLDER -D pot=TEMPLATE -P update_po.cmake
find_program(msgmerge msgmerge REQUIRED)
find_program(msgattrib msgattrib REQUIRED)
foreach(language ${languages})
    set(po ${po_dir}/${language}.po)
    if(NOT EXISTS ${po})
        file(WRITE ${po} [=[msgid ""
msgstr ""
"Project-Id-Version: numbrel\n"
]=] "\"Language: ${language}\\n\"\n" [=["MIME-Version: 1.0\n"
"Content-Type: text/plain; charset=UTF-8\n"
"Content-Transfer-Encoding: 8bit\n"
]=])
    endif()
    execute_process(
        COMMAND ${msgmerge} --quiet --update --backup=off ${po} ${pot}
        COMMAND_ERROR_IS_FATAL ANY)
    execute_process(
        COMMAND ${msgattrib} --no-obsolete --output-file=${po} ${po}
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
