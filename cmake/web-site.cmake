# Puts the browser's game together in OUT (cmake/web.cmake runs it): the page,
# the program's files, the manifest, the service worker, the icons and the
# licence; gzip and brotli copies of each for servers that send them as they
# are; and quorvel-web.zip with the whole folder.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
file(COPY ${PROGRAM_DIR}/quorvel.js ${PROGRAM_DIR}/quorvel.wasm ${PROGRAM_DIR}/qtloader.js DESTINATION ${OUT})
file(COPY_FILE ${LICENSE} ${OUT}/LICENSE.txt)
# The icon as drawn, for the browser's tabs and menus.
foreach(size 192 512)
    execute_process(COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${OUT}/icon-${size}.png ${ICON}
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# The icons of a home screen fill their square with the page's colour, and the
# system cuts its own shape out of them. A launcher's shape may be a circle: a
# maskable icon's drawing takes the middle three fifths, inside the circle of
# 80 % of the side that every shape keeps. iOS cuts a rounded square and puts
# anything transparent on black: its drawing takes four fifths.
set(home_screen_background "#e8eef0")
foreach(icon icon-maskable-192:192:3 icon-maskable-512:512:3 apple-touch-icon:180:4)
    string(REPLACE ":" ";" icon ${icon})
    list(GET icon 0 name)
    list(GET icon 1 size)
    list(GET icon 2 fifths)
    math(EXPR drawing "${size} * ${fifths} / 5")
    math(EXPR margin "(${size} - ${drawing}) / 2")
    execute_process(COMMAND ${RSVG_CONVERT} -w ${drawing} -h ${drawing} --page-width ${size} --page-height ${size}
                            --left ${margin} --top ${margin} --background-color ${home_screen_background}
                            -o ${OUT}/${name}.png ${ICON}
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()

file(SIZE ${OUT}/quorvel.wasm WASM_SIZE)
# The program's files, which the page and the service worker check before they
# keep them: a version's files must never be mixed with another's.
file(SHA256 ${OUT}/quorvel.wasm WASM_HASH)
file(SHA256 ${OUT}/quorvel.js JS_HASH)
file(SHA256 ${OUT}/qtloader.js LOADER_HASH)
# The cache's version is made of every file the worker keeps, as written (the
# page as yet without the version), and of the worker itself: a change to any
# of them reaches a pupil who has played before.
set(CACHE_VERSION "")
configure_file(${SOURCE_DIR}/index.html.in ${OUT}/index.html @ONLY)
configure_file(${SOURCE_DIR}/manifest.webmanifest.in ${OUT}/manifest.webmanifest @ONLY)
set(kept "")
foreach(name index.html quorvel.js quorvel.wasm qtloader.js manifest.webmanifest icon-192.png icon-512.png
             icon-maskable-192.png icon-maskable-512.png apple-touch-icon.png)
    file(SHA256 ${OUT}/${name} hash)
    string(APPEND kept "${name} ${hash}\n")
endforeach()
file(SHA256 ${SOURCE_DIR}/service-worker.js.in hash)
string(APPEND kept "service-worker.js.in ${hash}\n")
string(SHA256 CACHE_VERSION "${kept}")
string(SUBSTRING ${CACHE_VERSION} 0 12 CACHE_VERSION)
configure_file(${SOURCE_DIR}/index.html.in ${OUT}/index.html @ONLY)
configure_file(${SOURCE_DIR}/service-worker.js.in ${OUT}/service-worker.js @ONLY)

foreach(name index.html quorvel.js quorvel.wasm qtloader.js manifest.webmanifest service-worker.js)
    execute_process(COMMAND ${GZIP} -9 -n -k ${OUT}/${name} COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${BROTLI} -q 11 -k ${OUT}/${name} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

file(GLOB names RELATIVE ${OUT} ${OUT}/*)
list(SORT names)
execute_process(COMMAND ${ZIP} -q -X ${OUT}/quorvel-web.zip ${names}
                WORKING_DIRECTORY ${OUT} COMMAND_ERROR_IS_FATAL ANY)
