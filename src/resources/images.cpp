#include "resources/images.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPicture>

namespace {

// Every picture is drawn on a square of this many units.
constexpr qreal pictureUnits = 32;

// A picture as the painter commands recorded from its SVG drawing: drawn at any
// size as sharp as the SVG itself, with no SVG library.
QPicture picture(const QString &name)
{
    QPicture picture;
    picture.load(QStringLiteral(":/images/") + name + QStringLiteral(".pic"));
    return picture;
}

void draw(QPainter &painter, const QPicture &picture, const QRectF &place)
{
    painter.save();
    painter.translate(place.topLeft());
    painter.scale(place.width() / pictureUnits, place.height() / pictureUnits);
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

// Renders a picture at `size` logical pixels, sharp on the screen's scale.
QPixmap render(const QString &name, int size)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    draw(painter, picture(name), QRectF(QPointF(0, 0), pixmap.size()));
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// An icon drawn at whatever size it is asked for, and only then: nothing is
// drawn until a window system wants the icon, and no icon-engine plugin has to
// be found and loaded for it.
class PictureIcon : public QIconEngine
{
public:
    explicit PictureIcon(const QString &name) : m_name(name) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        // A window system asks for several sizes at once: the file is read once.
        if (m_picture.isNull())
            m_picture = picture(m_name);
        draw(*painter, m_picture, rect);
    }
    QIconEngine *clone() const override { return new PictureIcon(*this); }

private:
    QString m_name;
    QPicture m_picture;
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
    return QIcon(new PictureIcon(QStringLiteral("icon")));
}

QCursor handCursor() { return pointer(QStringLiteral("cursor-hand"), QPoint(1, 1)); }
QCursor iconCursor() { return pointer(QStringLiteral("cursor-icon"), QPoint(16, 16)); }
QCursor exitCursor() { return pointer(QStringLiteral("cursor-exit"), QPoint(3, 3)); }
QCursor nameCursor() { return pointer(QStringLiteral("cursor-name"), QPoint(0, 0)); }

QPixmap nextPicture() { return render(QStringLiteral("next"), 32); }
QPixmap nextPressedPicture() { return render(QStringLiteral("next-pressed"), 32); }
QPixmap nextDisabledPicture() { return render(QStringLiteral("next-disabled"), 32); }
QPixmap exitPicture() { return render(QStringLiteral("exit"), 32); }

} // namespace images
