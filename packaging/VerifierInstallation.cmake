# Installs into a temporary prefix and validates the desktop entry and the AppStream metadata
# there; then makes the Debian package, lists what it holds, has lintian check it and runs the
# program from it.
function(lancer)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE resultat OUTPUT_VARIABLE sortie
                    ERROR_VARIABLE sortie)
    message("${sortie}")
    if(NOT resultat EQUAL 0)
        message(FATAL_ERROR "failed: ${ARGN}")
    endif()
    set(sortie "${sortie}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${DOSSIER}")
lancer("${CMAKE_COMMAND}" --install "${CONSTRUCTION}" --prefix "${DOSSIER}/usr")
foreach(taille 16 24 32 48 64 128 256)
    if(NOT EXISTS "${DOSSIER}/usr/share/icons/hicolor/${taille}x${taille}/apps/io.github.vivarel.Vivarel.png")
        message(FATAL_ERROR "no ${taille} pixel icon")
    endif()
endforeach()
lancer(desktop-file-validate "${DOSSIER}/usr/share/applications/io.github.vivarel.Vivarel.desktop")
lancer(appstreamcli validate --no-net "${DOSSIER}/usr/share/metainfo/io.github.vivarel.Vivarel.metainfo.xml")

file(GLOB anciens "${CONSTRUCTION}/vivarel_*.deb")
if(anciens)
    file(REMOVE ${anciens})
endif()
execute_process(COMMAND "${CMAKE_CPACK_COMMAND}" -G DEB WORKING_DIRECTORY "${CONSTRUCTION}"
                RESULT_VARIABLE resultat OUTPUT_QUIET)
file(GLOB paquet "${CONSTRUCTION}/vivarel_*.deb")
if(NOT resultat EQUAL 0 OR NOT paquet)
    message(FATAL_ERROR "cpack -G DEB made no package")
endif()
lancer(dpkg-deb -c "${paquet}")
foreach(fichier usr/bin/vivarel usr/share/applications/io.github.vivarel.Vivarel.desktop
                usr/share/metainfo/io.github.vivarel.Vivarel.metainfo.xml
                usr/share/icons/hicolor/256x256/apps/io.github.vivarel.Vivarel.png
                usr/share/man/man1/vivarel.1.gz usr/share/doc/vivarel/copyright
                usr/share/doc/vivarel/changelog.gz)
    if(NOT sortie MATCHES "${fichier}")
        message(FATAL_ERROR "the package lacks ${fichier}")
    endif()
endforeach()
# Debian's own checker: an error fails the test; what it says beside is printed.
lancer(lintian --fail-on error "${paquet}")
lancer(dpkg-deb -x "${paquet}" "${DOSSIER}/paquet")
lancer("${DOSSIER}/paquet/usr/bin/vivarel" --version)
if(NOT sortie MATCHES "^Vivarel ")
    message(FATAL_ERROR "the packaged program does not answer --version")
endif()
