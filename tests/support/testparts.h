#pragma once

#include <QApplication>
#include <QTest>

#include <cstring>
#include <initializer_list>
#include <vector>

// The application a test program makes: Qt for WebAssembly has no offscreen
// platform and under node no page for its own, so there only the unit part
// runs, without a window system.
#ifdef Q_OS_WASM
using TestApplication = QCoreApplication;
#else
using TestApplication = QApplication;
#endif

// A test program whose test classes run apart, each as a ctest test of its own
// with its label (unit, window, soak): ctest names the label first, as in
// `tst_records soak -silent`. Without a label every class runs, in order.
struct TestPart {
    const char *label;
    QObject *tests;
};

inline int runTestParts(int argc, char **argv, std::initializer_list<TestPart> parts)
{
    const char *chosen = nullptr;
    for (const TestPart &part : parts) {
        if (argc > 1 && std::strcmp(argv[1], part.label) == 0)
            chosen = part.label;
    }
    // Qt Test reads its own options from what follows the label.
    std::vector<char *> args(argv, argv + argc);
    if (chosen)
        args.erase(args.begin() + 1);
    int failures = 0;
    for (const TestPart &part : parts) {
        if (!chosen || part.label == chosen)
            failures += QTest::qExec(part.tests, int(args.size()), args.data());
    }
    return failures;
}
