#pragma once

#include <QTest>

// Qt for WebAssembly has no offscreen platform, and under node no page for its
// own: there the tests run without a GUI application, and only their plain
// functions are asked for (tests/web/CMakeLists.txt names them).
#ifdef Q_OS_WASM
#define QUORVEL_TEST_MAIN(TestObject) QTEST_GUILESS_MAIN(TestObject)
#else
#define QUORVEL_TEST_MAIN(TestObject) QTEST_MAIN(TestObject)
#endif
