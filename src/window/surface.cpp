#include "window/surface.h"

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
    m_drawing = nullptr;
    update();
}

void Surface::clear()
{
    m_drawing = nullptr;
    update();
}

void Surface::draw(Drawing drawing)
{
    m_drawing = std::move(drawing);
    update();
}

void Surface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_back);
    if (m_drawing)
        m_drawing(painter, size(), event->rect());
}
