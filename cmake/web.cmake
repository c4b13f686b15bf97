# The game for the browser: quorvel.js and quorvel.wasm with Qt linked in
# statically, Qt's Italian translation and the window's fonts in their
# resources, and the page around them in build-web/ (the `web-site` target).

# Debian's Qt turns the plugins' automatic import off; the page needs the wasm one.
if(QT_SKIP_AUTO_PLUGIN_INCLUSION)
    message(FATAL_ERROR "configure the browser's build with -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF")
endif()

# Qt's own translations, the same for every system: Debian's, of the same Qt version.
set(QUORVEL_QT_TRANSLATIONS /usr/share/qt6/translations CACHE PATH "Qt's .qm translations")
qt_add_resources(quorvel_platform qt_translations
    PREFIX /translations
    BASE ${QUORVEL_QT_TRANSLATIONS}
    FILES ${QUORVEL_QT_TRANSLATIONS}/qtbase_it.qm)

# Qt for WebAssembly has only DejaVu fonts: the window's Arial and Times New
# Roman come as their metric twins, Debian's Liberation fonts, in the styles the
# window uses.
# (Debian 12 has them from fonts-liberation2, Debian 13 from fonts-liberation.)
# The window shows only the game's own texts and the record holder's name, so
# each font keeps the characters of windows-1252, the record's code page (about
# a tenth of its glyphs, with their hinting and kerning); anything else a name
# may hold falls back to Qt's DejaVu. The page then downloads half a megabyte less.
find_path(QUORVEL_LIBERATION_FONTS LiberationSans-Regular.ttf REQUIRED NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
          PATHS /usr/share/fonts/truetype/liberation2 /usr/share/fonts/truetype/liberation)
find_program(PYFTSUBSET pyftsubset REQUIRED)
set(windows_1252_characters
    "U+0020-007E,U+00A0-00FF,U+0152,U+0153,U+0160,U+0161,U+0178,U+017D,U+017E,U+0192,U+02C6,U+02DC,\
U+2013,U+2014,U+2018-201A,U+201C-201E,U+2020-2022,U+2026,U+2030,U+2039,U+203A,U+20AC,U+2122")
set(window_fonts)
foreach(font LiberationSans-Regular LiberationSans-Bold LiberationSans-BoldItalic LiberationSerif-Bold)
    set(subset ${CMAKE_CURRENT_BINARY_DIR}/fonts/${font}.ttf)
    add_custom_command(OUTPUT ${subset}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/fonts
        COMMAND ${PYFTSUBSET} ${QUORVEL_LIBERATION_FONTS}/${font}.ttf --unicodes=${windows_1252_characters}
                --name-IDs=* --output-file=${subset}
        DEPENDS ${QUORVEL_LIBERATION_FONTS}/${font}.ttf
        COMMENT "Keeping the windows-1252 characters of ${font}"
        VERBATIM)
    list(APPEND window_fonts ${subset})
endforeach()
qt_add_resources(quorvel_platform window_fonts
    PREFIX /fonts
    BASE ${CMAKE_CURRENT_BINARY_DIR}/fonts
    FILES ${window_fonts})

# The page, its app manifest, its service worker and the icons, put together
# with the program's files in build-web/, each also gzipped and brotli-compressed,
# and the folder zipped; again only when one of them changed (brotli takes a
# minute over the program).
set(QUORVEL_CAPTION "Giochiamo con le semplificazioni (Riduzione ai minimi termini)")
set(QUORVEL_WEB_DIR ${PROJECT_SOURCE_DIR}/build-web CACHE PATH "Where the browser's game is put together")
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(GZIP gzip REQUIRED)
find_program(BROTLI brotli REQUIRED)
find_program(ZIP zip REQUIRED)
add_custom_command(OUTPUT ${QUORVEL_WEB_DIR}/quorvel-web.zip
    COMMAND ${CMAKE_COMMAND}
            -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/web
            -DPROGRAM_DIR=$<TARGET_FILE_DIR:quorvel>
            -DOUT=${QUORVEL_WEB_DIR}
            -DCAPTION=${QUORVEL_CAPTION}
            -DVERSION=${PROJECT_VERSION}
            -DICON=${PROJECT_SOURCE_DIR}/src/resources/icon.svg
            -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE
            -DRSVG_CONVERT=${RSVG_CONVERT} -DGZIP=${GZIP} -DBROTLI=${BROTLI} -DZIP=${ZIP}
            -P ${PROJECT_SOURCE_DIR}/cmake/web-site.cmake
    DEPENDS quorvel ${PROJECT_SOURCE_DIR}/cmake/web-site.cmake ${PROJECT_SOURCE_DIR}/web/index.html.in
            ${PROJECT_SOURCE_DIR}/web/manifest.webmanifest.in ${PROJECT_SOURCE_DIR}/web/service-worker.js.in
            ${PROJECT_SOURCE_DIR}/src/resources/icon.svg ${PROJECT_SOURCE_DIR}/LICENSE
    COMMENT "Putting the browser's game together in ${QUORVEL_WEB_DIR}"
    VERBATIM)
add_custom_target(web-site ALL DEPENDS ${QUORVEL_WEB_DIR}/quorvel-web.zip)

# The benchmark's yardstick: a bare Qt window built the same way, in its own
# page in build-web-bench/ with the same compressed copies (bench/web/).
qt_add_executable(bare_window EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/bench/web/bare_window.cpp)
target_link_libraries(bare_window PRIVATE Qt6::Widgets)
set(QUORVEL_WEB_BENCH_DIR ${PROJECT_SOURCE_DIR}/build-web-bench CACHE PATH "Where the benchmark's bare page is put together")
add_custom_target(web-bench-site
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${QUORVEL_WEB_BENCH_DIR}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVEL_WEB_BENCH_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE_DIR:bare_window>/bare_window.js
            $<TARGET_FILE_DIR:bare_window>/bare_window.wasm $<TARGET_FILE_DIR:bare_window>/qtloader.js
            ${PROJECT_SOURCE_DIR}/bench/web/bare.html ${QUORVEL_WEB_BENCH_DIR}
    COMMAND ${GZIP} -9 -n -k ${QUORVEL_WEB_BENCH_DIR}/bare_window.js ${QUORVEL_WEB_BENCH_DIR}/bare_window.wasm
            ${QUORVEL_WEB_BENCH_DIR}/qtloader.js ${QUORVEL_WEB_BENCH_DIR}/bare.html
    COMMAND ${BROTLI} -q 11 -k ${QUORVEL_WEB_BENCH_DIR}/bare_window.js ${QUORVEL_WEB_BENCH_DIR}/bare_window.wasm
            ${QUORVEL_WEB_BENCH_DIR}/qtloader.js ${QUORVEL_WEB_BENCH_DIR}/bare.html
    DEPENDS bare_window
    COMMENT "Putting the bare window's page together in ${QUORVEL_WEB_BENCH_DIR}"
    VERBATIM)
