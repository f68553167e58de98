# cmake --install: the program, its desktop entry, its icons and its AppStream metadata; cpack
# -G DEB in the build folder makes a Debian package of the same.
include(GNUInstallDirs)
install(TARGETS vivarel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/io.github.vivarel.Vivarel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/io.github.vivarel.Vivarel.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icones/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
# The manual page and the changelog, compressed as Debian ships them.
foreach(fichier vivarel.1 changelog)
    add_custom_command(OUTPUT ${fichier}.gz
        COMMAND gzip -9nc ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${fichier} > ${fichier}.gz
        DEPENDS packaging/${fichier})
endforeach()
add_custom_target(pages_compressees ALL DEPENDS vivarel.1.gz changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/vivarel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vivarel)
set(CPACK_PACKAGE_NAME vivarel)
# Who answers for the package; -DVIVAREL_MAINTAINER="Name <address>" when someone else builds it.
set(VIVAREL_MAINTAINER "Vivarel developers <vivarel@users.noreply.github.com>"
    CACHE STRING "The Debian package's maintainer")
set(CPACK_PACKAGE_CONTACT "${VIVAREL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Colour and style a Trackmania nickname
Vivarel builds the formatting code of a Trackmania nickname. Type the
nickname, colour stretches of it with one colour or a gradient through
several colours, make parts italic, bold or capitals, choose the character
spacing and insert look-alike characters; the code to copy into the game is
rebuilt after every change.
It warns past the game's limit of 45 characters, can fit a gradient within
it, reads an existing code back, and shows the nickname as the game will.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation2, fonts-droid-fallback, fonts-thai-tlwg, fonts-lohit-deva, fonts-unifont, qt6-translations-l10n")
include(CPack)
