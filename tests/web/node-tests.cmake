# The plain functions' tests built for WebAssembly, run under Debian's nodejs
# (tests/CMakeLists.txt includes this in the browser's build). Qt for
# WebAssembly has no offscreen platform and node has no page for the wasm one,
# so no window can be made there: each test program runs only its unit part. No process can be started either, so the record writers that
# race and are killed are left out; the window's tests run on Debian, on arm64
# and under Wine.
find_program(NODE_JS NAMES nodejs node REQUIRED)
set(node_runner ${CMAKE_CURRENT_SOURCE_DIR}/web/run-node-test.cjs)

function(quorvel_node_test name)
    cmake_parse_arguments(PARSE_ARGV 1 test "" "" "ARGS;LINK_OPTIONS")
    qt_add_executable(${name} ${name}.cpp)
    target_link_libraries(${name} PRIVATE quorvel_testsupport)
    target_link_options(${name} PRIVATE -sENVIRONMENT=node -sEXIT_RUNTIME=1 ${test_LINK_OPTIONS})
    add_test(NAME ${name} COMMAND ${NODE_JS} ${node_runner} $<TARGET_FILE_DIR:${name}>/${name}.js ${test_ARGS})
    set_tests_properties(${name} PROPERTIES LABELS unit)
endfunction()

# Each program's unit part: its plain functions (support/testparts.h).
quorvel_node_test(tst_numbers)   # plain functions only
quorvel_node_test(tst_exercise ARGS unit)
quorvel_node_test(tst_grading ARGS unit)
quorvel_node_test(tst_records ARGS unit)
# What the browser does differently: the record kept in the site's storage,
# here a stand-in for localStorage with a quota and a switch to refuse.
quorvel_node_test(tst_webstorage
    LINK_OPTIONS --pre-js ${CMAKE_CURRENT_SOURCE_DIR}/web/node-storage.js)
