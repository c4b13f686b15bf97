#include "surface.h"
#include "../exercise/bands.h"

#include <QPaintEvent>
#include <QPainter>

Surface::Surface(QWidget *parent)
    : QWidget(parent), m_back(0, 0, 255)
{
    // Everything is painted here; nothing of the parent needs to show through.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Surface::setBackColor(const QColor &colour)
{
    m_back = colour;
    m_bands.reset();
    update();
}

void Surface::clear()
{
    m_bands.reset();
    update();
}

void Surface::paintBands(int red, int green)
{
    m_bands = BandColours{red, green};
    update();
}

void Surface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_back);
    if (!m_bands)
        return;
    for (int i = 0; i < bands::count; ++i) {
        const QRect band = bands::bandRect(i, width(), height());
        if (band.top() >= height())
            break;
        if (band.intersects(event->rect()))
            painter.fillRect(band, bands::bandColour(m_bands->red, m_bands->green, i));
    }
}
