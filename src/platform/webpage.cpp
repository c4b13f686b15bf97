#include "platform/webpage.h"

#include "platform/keypad.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QFontDatabase>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>

#include <emscripten.h>
#include <emscripten/bind.h>

#include <algorithm>
#include <string>

namespace webpage {

namespace {

EM_JS(void, dispatchProgramEnded, (), {
    if (typeof window !== "undefined")
        window.dispatchEvent(new CustomEvent("quorvel-ended"));
});

// 1 when the page is hidden now or has been since the last question. A tick
// while hidden keeps it so for the next: the first tick after the pupil comes
// back, which may come once the page shows again, catches up the time since.
EM_JS(int, pageWasHidden, (), {
    if (typeof document === "undefined")
        return 0;
    if (!Module.quorvelWatchesVisibility) {
        Module.quorvelWatchesVisibility = true;
        document.addEventListener("visibilitychange", () => {
            if (document.hidden)
                Module.quorvelWasHidden = true;
        });
    }
    const hidden = document.hidden || Module.quorvelWasHidden === true;
    Module.quorvelWasHidden = document.hidden;
    return hidden ? 1 : 0;
});

// Watches the ticks of the window's Timer1 (a new one each match) and, when
// one comes late while the page was hidden, sends the timer the ticks that
// should have come meanwhile, before the late one.
class RealTimeTicks : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Timer || m_sending || watched->objectName() != QLatin1String("Timer1"))
            return false;
        auto *timer = qobject_cast<QTimer *>(watched);
        if (!timer || static_cast<QTimerEvent *>(event)->timerId() != timer->timerId())
            return false;
        const qint64 now = m_clock.elapsed();
        const bool hidden = pageWasHidden();
        if (timer != m_timer || !hidden || timer->interval() <= 0) {
            m_timer = timer;
            m_lastTick = now;
            return false;
        }
        // The part of a second left over counts towards the next tick.
        const qint64 due = std::max<qint64>((now - m_lastTick) / timer->interval(), 1);
        m_lastTick += due * timer->interval();
        m_sending = true;
        for (qint64 i = 1; i < due && timer->isActive(); ++i) {
            QTimerEvent tick(timer->timerId());
            QCoreApplication::sendEvent(timer, &tick);
        }
        m_sending = false;
        return false;
    }

private:
    QPointer<QTimer> m_timer;
    QElapsedTimer m_clock = started();
    qint64 m_lastTick = 0;
    bool m_sending = false;

    static QElapsedTimer started()
    {
        QElapsedTimer clock;
        clock.start();
        return clock;
    }
};

// Qt puts an "Enable Screen Reader" button, visible only to screen readers,
// into each new window until one is pressed; pressing it as soon as it is
// there puts the widgets into the page's accessibility tree from the first
// window on, and no pupil has to find it. The screen's style is set there too.
EM_JS(void, pressScreenReaderButton, (), {
    if (typeof document === "undefined" || typeof MutationObserver === "undefined")
        return;
    // Each widget has an element for the screen reader behind the window's
    // picture, and one reaching past the window's edge would show on the page
    // beside it. Qt lays those out in the window's own pixels: at the page's
    // scale for the window (--quorvel-scale) each lies over its widget again.
    // Qt asks for a Mac font for the captions; a browser without it would draw
    // them in a serif font.
    const styleWindows = (screen) => {
        const style = document.createElement("style");
        style.textContent = ".qt-window-a11y-container { overflow: hidden; transform-origin: 0 0;"
            + " transform: scale(var(--quorvel-scale, 1));"
            + " width: calc(100% / var(--quorvel-scale, 1)) !important;"
            + " height: calc(100% / var(--quorvel-scale, 1)) !important; }"
            + " .title-bar .window-name { font-family: sans-serif; }";
        screen.appendChild(style);
    };
    // Qt's windows live in the shadow root of its screen, which may come later.
    let watchedScreen = null;
    let observer = null;
    const look = () => {
        const host = document.querySelector("#qt-shadow-container");
        const screen = host && host.shadowRoot;
        if (screen && screen !== watchedScreen) {
            watchedScreen = screen;
            observer.observe(screen, {childList: true, subtree: true});
            styleWindows(screen);
        }
        const button = screen && screen.querySelector("button.hidden-visually-read-by-screen-reader");
        if (button) {
            observer.disconnect();
            button.click();
        }
    };
    observer = new MutationObserver(look);
    observer.observe(document.body, {childList: true, subtree: true});
    look();
});

// Under emscripten QApplication::exec() never returns: the program's end is
// the quit that the game asks for.
class QuitWatch : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Quit && watched == QCoreApplication::instance())
            dispatchProgramEnded();
        return false;
    }
};

void pressKeypadKey(const std::string &name)
{
    keypad::press(QString::fromStdString(name));
}

// Until the program runs, the page's keypad has nothing to press.
EM_JS(void, giveKeypadItsKeys, (), {
    if (typeof globalThis !== "undefined")
        globalThis.quorvelKeypad = (name) => Module.quorvelKeypad(name);
});

} // namespace

EMSCRIPTEN_BINDINGS(quorvel_keypad)
{
    emscripten::function("quorvelKeypad", &pressKeypadKey);
}

void keepCountdownInRealTime()
{
    QCoreApplication::instance()->installEventFilter(new RealTimeTicks(QCoreApplication::instance()));
}

void addWindowFonts()
{
    // The Liberation fonts take the place of Arial and Times New Roman
    // (fonts::substituteWindowsFonts) once Qt knows them.
    const QStringList files{QStringLiteral(":/fonts/LiberationSans-Regular.ttf"),
                            QStringLiteral(":/fonts/LiberationSans-Bold.ttf"),
                            QStringLiteral(":/fonts/LiberationSans-BoldItalic.ttf"),
                            QStringLiteral(":/fonts/LiberationSerif-Bold.ttf")};
    for (const QString &file : files)
        QFontDatabase::addApplicationFont(file);
}

void useDebiansSystemFont()
{
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
}

void enableScreenReaderSupport()
{
    pressScreenReaderButton();
}

void takeKeypadKeys()
{
    giveKeypadItsKeys();
}

void tellPageWhenProgramEnds()
{
    QCoreApplication::instance()->installEventFilter(new QuitWatch(QCoreApplication::instance()));
}

} // namespace webpage
