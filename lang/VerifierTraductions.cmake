# Fails when a text wrapped in tr() has no English translation: lupdate, run over the sources
# into a copy of the English catalogue, adds such a text as unfinished, and lrelease counts it.
file(COPY_FILE "${CATALOGUE}" "${COPIE}")
execute_process(COMMAND "${LUPDATE}" -silent -no-obsolete -locations none ${SOURCES} -ts "${COPIE}"
                RESULT_VARIABLE resultat)
if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "lupdate failed")
endif()
execute_process(COMMAND "${LRELEASE}" "${COPIE}" -qm "${COPIE}.qm" OUTPUT_VARIABLE sortie)
message("${sortie}")
if(NOT sortie MATCHES "and 0 unfinished" OR sortie MATCHES "untranslated")
    message(FATAL_ERROR "Texts without an English translation: run lupdate on lang/vivarel_en.ts "
                        "and translate what it marks unfinished.")
endif()
