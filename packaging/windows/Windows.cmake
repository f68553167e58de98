# Windows: the window program and a console companion for the command line, each with the icon
# and the version in its file properties. What ships beside them (Qt's libraries and plugins,
# the compiler's runtime) is gathered by packaging/windows/build.sh.
enable_language(RC)

# cmd and PowerShell wait for a console program, show what it writes and keep its exit status;
# they do none of that for a window program, which must not open a console either.
qt_add_executable(vivarel-cli app/main.cpp)
target_link_libraries(vivarel-cli PRIVATE vivarel_core)

find_program(CONVERT convert REQUIRED)
add_custom_command(OUTPUT vivarel.ico
    COMMAND ${CONVERT} ${PROJECT_SOURCE_DIR}/GUI/IMG/IconeVVRL.png
            -define icon:auto-resize=128,64,48,32,24,16 vivarel.ico
    DEPENDS GUI/IMG/IconeVVRL.png)
set(ICONE ${PROJECT_BINARY_DIR}/vivarel.ico)
foreach(NOM vivarel vivarel-cli)
    set(DESCRIPTION "Vivarel, Trackmania nicknames")
    if(NOM STREQUAL vivarel-cli)
        set(DESCRIPTION "Vivarel, Trackmania nicknames (command line)")
    endif()
    configure_file(packaging/windows/vivarel.rc.in ${NOM}.rc @ONLY)
    target_sources(${NOM} PRIVATE ${PROJECT_BINARY_DIR}/${NOM}.rc ${ICONE})
endforeach()

install(TARGETS vivarel vivarel-cli RUNTIME DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES packaging/windows/LISEZMOI.txt DESTINATION . RENAME README.txt)
