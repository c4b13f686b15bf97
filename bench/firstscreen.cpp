// Saves a picture of the game's first screen, as the screen shows it: the game
// with the answering platform (always the name "Anna" and the same first
// exercise), shown, and the window's pixels read back from the screen once it
// has painted. Two pictures from two builds must be the same to the pixel.
//
//   firstscreen OUT.png

#include "instantplatform.h"

#include "platform/italian.h"
#include "window/tavola.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

// Reads the window back from the screen a little after its first paint, when
// every control has painted too.
class GrabAfterFirstPaint : public QObject
{
public:
    GrabAfterFirstPaint(QWidget *window, QWidget *watched, QString file)
        : m_window(window), m_file(std::move(file))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(300, this, [this] {
                const QPixmap shot = m_window->screen()->grabWindow(m_window->winId());
                const bool saved = !shot.isNull() && shot.save(m_file);
                if (!saved)
                    std::fprintf(stderr, "firstscreen: cannot save %s\n", qPrintable(m_file));
                QCoreApplication::exit(saved ? 0 : 1);
            });
        }
        return false;
    }

private:
    QWidget *m_window;
    QString m_file;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: firstscreen OUT.png\n");
        return 2;
    }
    QApplication::setQuitOnLastWindowClosed(false);
    platform::installQtItalian();

    InstantPlatform platform;
    Tavola window(&platform);
    window.Form_Load();
    // The window's drawing surface carries the window's name.
    GrabAfterFirstPaint grab(&window, window.findChild<QWidget *>(QStringLiteral("Tavola")), QString::fromLocal8Bit(argv[1]));
    window.show();
    return app.exec();
}
