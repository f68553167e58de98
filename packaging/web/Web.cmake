# Vivarel as a page: the program alone, built with Qt for WebAssembly (packaging/web/build.sh
# gathers the page around it).

# A page loads no library: asking for one fails instead of ending the program.
target_link_options(vivarel PRIVATE
    "SHELL:--js-library ${CMAKE_CURRENT_LIST_DIR}/sans-bibliotheques.js")
set_property(TARGET vivarel APPEND PROPERTY LINK_DEPENDS
    ${CMAKE_CURRENT_LIST_DIR}/sans-bibliotheques.js)

# The faces the page carries, cut down by packaging/web/polices.sh: a page has no system fonts.
set(VIVAREL_POLICES "" CACHE PATH "The folder of the faces the page carries")
if(VIVAREL_POLICES)
    file(GLOB polices "${VIVAREL_POLICES}/*.ttf" "${VIVAREL_POLICES}/*.otf")
    qt_add_resources(vivarel polices PREFIX /polices BASE "${VIVAREL_POLICES}" FILES ${polices})
endif()

# Qt's own words (dialogs, buttons) in French and German, which a page cannot take from Qt's
# folder: cut down by packaging/web/traductions-qt.sh when given, else whole.
set(VIVAREL_TRADUCTIONS_QT "/usr/share/qt6/translations" CACHE PATH
    "The folder of Qt's translations the page carries")
qt_add_resources(vivarel traductions_qt PREFIX /i18n-qt BASE "${VIVAREL_TRADUCTIONS_QT}"
    FILES "${VIVAREL_TRADUCTIONS_QT}/qtbase_fr.qm" "${VIVAREL_TRADUCTIONS_QT}/qtbase_de.qm")
