# The game for Windows: one self-contained Quorvel.exe, with Qt linked in
# statically, Qt's Italian translation and the icon in its resources, and its
# installer and zip (the `windows-package` target).

# Made by the Linux build of the same sources (its quorvel_icons target).
set(QUORVEL_WINDOWS_ICON "" CACHE FILEPATH "The game's .ico file, from the Linux build's packaging/quorvel.ico")
# Qt's own translations, the same for every system: Debian's, of the same Qt version.
set(QUORVEL_QT_TRANSLATIONS /usr/share/qt6/translations CACHE PATH "Qt's .qm translations")
if(NOT EXISTS "${QUORVEL_WINDOWS_ICON}")
    message(FATAL_ERROR "QUORVEL_WINDOWS_ICON must name the icon made by the Linux build (`make windows` makes it)")
endif()

set_target_properties(quorvel PROPERTIES OUTPUT_NAME Quorvel)
qt_add_resources(quorvel_platform qt_translations
    PREFIX /translations
    BASE ${QUORVEL_QT_TRANSLATIONS}
    FILES ${QUORVEL_QT_TRANSLATIONS}/qtbase_it.qm)

set(QUORVEL_CAPTION "Giochiamo con le semplificazioni (Riduzione ai minimi termini)")
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/quorvel.rc.in quorvel.rc @ONLY)
target_sources(quorvel PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/quorvel.rc)

# The installer (NSIS) and the zip for a USB stick, beside the program.
find_program(MAKENSIS makensis REQUIRED)
set(package_dir ${CMAKE_BINARY_DIR}/package)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/quorvel.nsi.in quorvel.nsi @ONLY)
set(installer ${CMAKE_BINARY_DIR}/Quorvel-${PROJECT_VERSION}-setup.exe)
set(zip ${CMAKE_BINARY_DIR}/Quorvel-${PROJECT_VERSION}-windows.zip)
add_custom_command(OUTPUT ${installer} ${zip}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${package_dir}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${package_dir}/Quorvel
    COMMAND ${CMAKE_STRIP} -o ${package_dir}/Quorvel/Quorvel.exe $<TARGET_FILE:quorvel>
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${package_dir}/Quorvel/LICENSE.txt
    COMMAND ${MAKENSIS} -V2 -DOUTFILE=${installer} -DSOURCE=${package_dir}/Quorvel -DICON=${QUORVEL_WINDOWS_ICON}
            ${CMAKE_CURRENT_BINARY_DIR}/quorvel.nsi
    COMMAND ${CMAKE_COMMAND} -E chdir ${package_dir}
            ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip Quorvel/Quorvel.exe Quorvel/LICENSE.txt
    DEPENDS quorvel ${CMAKE_CURRENT_BINARY_DIR}/quorvel.nsi ${PROJECT_SOURCE_DIR}/LICENSE
    COMMENT "Making the installer and the zip"
    VERBATIM)
add_custom_target(windows-package ALL DEPENDS ${installer} ${zip})
