#pragma once

#include "fakeplatform.h"
#include "window/tavola.h"

#include <QTest>

// A window after start-up, shown and active, as the pupil finds it; the
// countdown's ticks are driven by the test.
template<typename TestPlatform = FakePlatform>
struct StartedMatch {
    TestPlatform platform;
    Tavola window{&platform};

    explicit StartedMatch(const QString &name = QStringLiteral("Anna"))
    {
        platform.inputs = {name};
        window.Form_Load();
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the window never became active");
    }

    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            window.Timer1_Timer();
    }
};
