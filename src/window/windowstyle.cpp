#include "window/windowstyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>

namespace {

// An icon that asks the style for its picture the first time it is needed.
class DeferredIcon : public QIconEngine
{
public:
    DeferredIcon(const QStyle *style, QStyle::StandardPixmap which) : m_style(style), m_which(which) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QIconEngine *clone() const override { return new DeferredIcon(m_style, m_which); }

private:
    const QIcon &icon()
    {
        if (m_icon.isNull() && m_style)
            m_icon = m_style->standardIcon(m_which);
        return m_icon;
    }

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
};

} // namespace

QIcon WindowStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton)
        return QIcon(new DeferredIcon(baseStyle(), icon));
    return QProxyStyle::standardIcon(icon, option, widget);
}

void WindowStyle::install()
{
    if (!qobject_cast<WindowStyle *>(QApplication::style()))
        QApplication::setStyle(new WindowStyle);
}
