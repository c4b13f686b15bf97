#pragma once

#include "fakeplatform.h"
#include "tavolaview.h"

#include <QApplication>
#include <QTest>

// Activates the window as a window manager would, and waits for it. The
// offscreen platform may keep its focus on a window that the widgets count as
// inactive (after a menu closed, or after the window was hidden and shown
// again), and asking it to activate that window then changes nothing: the
// activation passes through another window first.
inline bool activate(QWidget &window)
{
    if (QGuiApplication::focusWindow() == window.windowHandle() && QApplication::activeWindow() != &window) {
        QWidget other;
        other.show();
        other.activateWindow();
        if (!QTest::qWaitForWindowActive(&other))
            return false;
    }
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// A window after start-up, shown and active, as the pupil finds it; the
// countdown's ticks are driven by the test.
template<typename TestPlatform = FakePlatform>
struct StartedMatch {
    TestPlatform platform;
    Tavola window{&platform};
    const TavolaView state{window};

    explicit StartedMatch(const QString &name = QStringLiteral("Anna"))
    {
        platform.inputs = {name};
        window.Form_Load();
        window.show();
        if (!activate(window))
            qFatal("the window never became active");
    }

    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            window.Timer1_Timer();
    }
};

// The next exercise and its answer, through the handlers: right, or a numerator of 0.
inline void answerNext(Tavola &window, bool right)
{
    window.cmdNext_Click();
    box(window, "txtAnswer")->setText(right ? box(window, "Text9")->text() : QStringLiteral("0"));
    box(window, "Text3")->setText(box(window, "Text10")->text());
    window.valutaRisposta();
}
