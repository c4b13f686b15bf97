#include "window/label.h"

void Label::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on)
        adjustSize();
}

void Label::setText(const QString &text)
{
    QLabel::setText(text);
    if (m_autoSize)
        adjustSize();
}
