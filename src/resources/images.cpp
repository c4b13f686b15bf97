#include "resources/images.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <memory>

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

// An icon drawn from an SVG file at whatever size it is asked for, and only
// then: nothing is drawn until a window system wants the icon, and no
// icon-engine plugin has to be found and loaded for it.
class SvgIcon : public QIconEngine
{
public:
    explicit SvgIcon(const QString &file) : m_file(file) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        // A window system asks for several sizes at once: the file is read once.
        if (!m_renderer)
            m_renderer = std::make_shared<QSvgRenderer>(m_file);
        m_renderer->render(painter, rect);
    }
    QIconEngine *clone() const override { return new SvgIcon(*this); }

private:
    QString m_file;
    std::shared_ptr<QSvgRenderer> m_renderer;
};

// A 32 x 32 pointer whose hot spot stays on the same spot of its picture at any scale.
QCursor pointer(const QString &name, QPoint hotSpot)
{
    const QPixmap picture = render(name, 32);
    const QPoint spot = images::cursorHotSpot(hotSpot, picture.devicePixelRatio(), QGuiApplication::platformName());
    return QCursor(picture, spot.x(), spot.y());
}

} // namespace

namespace images {

QPoint cursorHotSpot(QPoint logical, qreal ratio, const QString &platformName)
{
    if (platformName == QLatin1String("xcb"))
        return logical * ratio;
    return logical;
}

QIcon windowIcon()
{
    return QIcon(new SvgIcon(QStringLiteral(":/images/icon.svg")));
}

QCursor handCursor() { return pointer(QStringLiteral("cursor-hand.svg"), QPoint(1, 1)); }
QCursor iconCursor() { return pointer(QStringLiteral("cursor-icon.svg"), QPoint(16, 16)); }
QCursor exitCursor() { return pointer(QStringLiteral("cursor-exit.svg"), QPoint(3, 3)); }
QCursor nameCursor() { return pointer(QStringLiteral("cursor-name.svg"), QPoint(0, 0)); }

QPixmap nextPicture() { return render(QStringLiteral("next.svg"), 32); }
QPixmap nextPressedPicture() { return render(QStringLiteral("next-pressed.svg"), 32); }
QPixmap nextDisabledPicture() { return render(QStringLiteral("next-disabled.svg"), 32); }
QPixmap exitPicture() { return render(QStringLiteral("exit.svg"), 32); }

} // namespace images
