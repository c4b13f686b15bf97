#include "images.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// Renders a picture at `size` logical pixels, sharp on the screen's scale.
QPixmap render(const QString &name, int size)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/images/") + name);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

namespace images {

QIcon windowIcon()
{
    // Qt's SVG icon engine draws each size only when it is asked for.
    return QIcon(QStringLiteral(":/images/icon.svg"));
}

QCursor handCursor() { return QCursor(render(QStringLiteral("cursor-hand.svg"), 32), 1, 1); }
QCursor iconCursor() { return QCursor(render(QStringLiteral("cursor-icon.svg"), 32), 16, 16); }
QCursor exitCursor() { return QCursor(render(QStringLiteral("cursor-exit.svg"), 32), 3, 3); }
QCursor nameCursor() { return QCursor(render(QStringLiteral("cursor-name.svg"), 32), 0, 0); }

QPixmap nextPicture() { return render(QStringLiteral("next.svg"), 32); }
QPixmap nextPressedPicture() { return render(QStringLiteral("next-pressed.svg"), 32); }
QPixmap nextDisabledPicture() { return render(QStringLiteral("next-disabled.svg"), 32); }
QPixmap exitPicture() { return render(QStringLiteral("exit.svg"), 32); }

} // namespace images
