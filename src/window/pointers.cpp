#include "window/pointers.h"

#include <QCursor>
#include <QEvent>
#include <QWidget>

namespace {

class PointerOnEnter : public QObject
{
public:
    PointerOnEnter(QWidget *widget, QCursor (*draw)()) : QObject(widget), m_draw(draw)
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Qt shows the pointer of the widget under the mouse right after the
        // Enter events, so one set here shows at once.
        auto *widget = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Enter && !widget->testAttribute(Qt::WA_SetCursor))
            widget->setCursor(m_draw());
        return false;
    }

private:
    QCursor (*m_draw)();
};

} // namespace

void setPointerOnEnter(QWidget *widget, QCursor (*draw)())
{
    new PointerOnEnter(widget, draw);
}
