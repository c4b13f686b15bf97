# The plain functions' tests built for WebAssembly, run under Debian's nodejs
# (tests/CMakeLists.txt includes this in the browser's build). Qt for
# WebAssembly has no offscreen platform and node has no page for the wasm one,
# so no window can be made there: each test program runs only its unit part. No process can be started either, so the record writers that
# race and are killed are left out; the window's tests run on Debian, on arm64
# and under Wine.
find_program(NODE_JS NAMES nodejs node REQUIRED)
set(node_runner ${CMAKE_CURRENT_SOURCE_DIR}/web/run-node-test.cjs)

function(quorvel_node_test name)
    cmake_parse_arguments(PARSE_ARGV 1 test "" "" "ARGS")
    qt_add_executable(${name} ${name}.cpp)
    # Linked with -O1, not the game's -Os: binaryen's size passes over each
    # 20 MB program took about three minutes a test, against twenty seconds.
    # The objects are the game's own; web-match plays the optimised game. The
    # flag goes among the libraries, after Qt's own -Os, so that it wins.
    target_link_libraries(${name} PRIVATE quorvel_testsupport -O1)
    target_link_options(${name} PRIVATE -sENVIRONMENT=node -sEXIT_RUNTIME=1
                        --pre-js ${CMAKE_CURRENT_SOURCE_DIR}/web/node-browser.js)
    add_test(NAME ${name} COMMAND ${NODE_JS} ${node_runner} $<TARGET_FILE_DIR:${name}>/${name}.js ${test_ARGS})
    set_tests_properties(${name} PROPERTIES LABELS unit)
endfunction()

# Each program's unit part: its plain functions (support/testparts.h).
quorvel_node_test(tst_numbers)   # plain functions only
# Less searchRefusesAValueNoFractionMatches: the browser's build has C++
# exceptions off (as Qt for WebAssembly is built), so the search's throw aborts
# there, as the uncaught exception ends the program on Debian.
quorvel_node_test(tst_exercise ARGS unit search draws factorDraws keptDenominator bandGeometry)
quorvel_node_test(tst_grading ARGS unit)
quorvel_node_test(tst_records ARGS unit)
# What the browser does differently: the record kept in the site's storage,
# here node-browser.js's stand-in for localStorage.
quorvel_node_test(tst_webstorage)
