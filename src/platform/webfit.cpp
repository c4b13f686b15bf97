#include "platform/webpage.h"

#include "platform/page_fit.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

#include <emscripten.h>

#include <utility>

namespace webpage {

namespace {

// The page's scale for the window, for the elements a screen reader finds over
// each widget (pressScreenReaderButton): a finger exploring the screen then
// finds each where it is drawn.
EM_JS(void, tellPageTheScale, (double scale), {
    if (typeof document !== "undefined")
        document.documentElement.style.setProperty("--quorvel-scale", String(scale));
});

// Qt draws its windows at a scale of the page's own (Qt's high-DPI scaling of
// the screen): the window keeps its layout in its own pixels, and the page's
// CSS pixels per window pixel change. The window's text is drawn for the
// device's pixels at that scale, so it stays sharp.
class PageFit : public QObject
{
public:
    explicit PageFit(QWidget &window) : QObject(&window), m_window(window)
    {
        connect(window.screen(), &QScreen::geometryChanged, this, &PageFit::fit);
        QCoreApplication::instance()->installEventFilter(this);
        fit();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto *shown = static_cast<QWidget *>(watched);
        if (!shown->isWindow())
            return false;
        // Shown, the game's window has its caption: the scale takes it in.
        if (shown == &m_window)
            QTimer::singleShot(0, this, &PageFit::fit);
        // Qt places the screen reader's element of each widget once, as the
        // window shows, before the window has its place and its layout: a
        // message box's OK would lie beside the button, where no finger finds it.
        QTimer::singleShot(0, shown, [shown] {
            for (QWidget *widget : shown->findChildren<QWidget *>()) {
                if (widget->isVisible()) {
                    QAccessibleEvent placed(widget, QAccessible::ObjectShow);
                    QAccessible::updateAccessibility(&placed);
                }
            }
        });
        return false;
    }

private:
    QWidget &m_window;
    double m_scale = 1.0;
    bool m_fitting = false;

    void fit()
    {
        if (m_fitting)
            return;
        m_fitting = true;
        // The page's free area and the window's caption and borders, in CSS
        // pixels whatever the scale; before the window is first shown (while
        // the name prompt and the instructions are open) it has no caption yet.
        QScreen *screen = m_window.screen();
        QWindow *handle = m_window.windowHandle();
        const QSizeF area = QSizeF(screen->geometry().size()) * m_scale;
        const QMarginsF frame = handle ? QMarginsF(handle->frameMargins()) * m_scale : QMarginsF();
        const QSize size = m_window.isVisible() ? m_window.size() : m_window.sizeHint();
        const double scale = pagefit::scaleToFit(size, area.shrunkBy(frame));
        if (!qFuzzyCompare(scale, m_scale)) {
            // Each open window keeps its size in its own pixels at the new scale.
            QList<std::pair<QPointer<QWindow>, QRect>> open;
            for (QWindow *window : QGuiApplication::topLevelWindows()) {
                if (window->isVisible() && window->handle())
                    open.append({window, window->geometry()});
            }
            m_scale = scale;
            QHighDpiScaling::setScreenFactor(screen, scale);
            for (const auto &[window, geometry] : open) {
                if (!window || !window->handle())
                    continue;
                window->handle()->setGeometry(QHighDpi::toNativeWindowGeometry(geometry, window.data()));
                QWindowSystemInterface::handleWindowDevicePixelRatioChanged<QWindowSystemInterface::SynchronousDelivery>(window);
            }
            tellPageTheScale(scale);
        }
        // Every open window in the middle of the page: the game's, and the
        // message box or prompt in front of it.
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                centreOnPage(*window);
        }
        m_fitting = false;
    }

    static void centreOnPage(QWidget &window)
    {
        const QRect page = window.screen()->availableGeometry();
        const QRect frame = window.frameGeometry();
        window.move(page.center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
};

} // namespace

void fitToPage(QWidget &window)
{
    new PageFit(window);
}

} // namespace webpage
