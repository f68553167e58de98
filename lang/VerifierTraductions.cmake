# Fails when a text wrapped in tr() has no translation in CATALOGUE: lupdate, run over the
# sources into a copy of the catalogue, adds such a text as unfinished, and lrelease counts it.
file(COPY_FILE "${CATALOGUE}" "${COPIE}")
execute_process(COMMAND "${LUPDATE}" -silent -no-obsolete -locations none ${SOURCES} -ts "${COPIE}"
                RESULT_VARIABLE resultat)
if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "lupdate failed")
endif()
execute_process(COMMAND "${LRELEASE}" "${COPIE}" -qm "${COPIE}.qm" OUTPUT_VARIABLE sortie)
message("${sortie}")
if(NOT sortie MATCHES "and 0 unfinished" OR sortie MATCHES "untranslated")
    message(FATAL_ERROR "Texts without a translation: run lupdate on ${CATALOGUE} "
                        "and translate what it marks unfinished.")
endif()
