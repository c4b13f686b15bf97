#include "window/picturebutton.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// The style that draws the face. Windows' own style draws push buttons as the
// system does, whatever colour the palette gives them; Fusion, the default on
// Debian, fills them with the button colour. A Qt built without Fusion draws
// it with the button's own style, the application's: Qt owns that one and may
// replace it, so it is asked for at every paint, never kept.
QStyle *faceStyle(const QWidget *button)
{
    static QStyle *const fusion = [] {
        QStyle *style = QStyleFactory::create(QStringLiteral("Fusion"));
        if (style)
            style->setParent(qApp);
        return style;
    }();
    return fusion ? fusion : button->style();
}

} // namespace

void PictureButton::setPictures(PictureSource normal, PictureSource pressed, PictureSource disabled)
{
    m_normal = normal;
    m_pressed = pressed;
    m_disabled = disabled;
    m_drawn.clear();
    update();
}

QPixmap PictureButton::drawn(PictureSource source) const
{
    if (!source)
        return QPixmap();
    for (const auto &[known, picture] : m_drawn) {
        if (known == source)
            return picture;
    }
    m_drawn.emplace_back(source, source());
    return m_drawn.back().second;
}

QPixmap PictureButton::currentPicture() const
{
    if (!isEnabled())
        return drawn(m_disabled);
    return drawn(isDown() ? m_pressed : m_normal);
}

QSize PictureButton::sizeHint() const
{
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    const QSize picture = drawn(m_normal).deviceIndependentSize().toSize();
    return QSize(qMax(caption.width(), picture.width()) + 16, caption.height() + picture.height() + 16);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The face without its label: the picture and the caption are drawn below, one over the other.
    option.text.clear();
    option.icon = QIcon();
    faceStyle(this)->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

    const QPixmap picture = currentPicture();
    const QSize pictureSize = picture.deviceIndependentSize().toSize();
    const int textHeight = fontMetrics().height();
    const int gap = 2;
    int top = (height() - pictureSize.height() - gap - textHeight) / 2;
    if (isDown())
        top += 1;   // the whole face moves a little while pressed
    painter.drawPixmap((width() - pictureSize.width()) / 2, top, picture);

    const QRect textRect(0, top + pictureSize.height() + gap, width(), textHeight);
    painter.drawItemText(textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic,
                         palette(), isEnabled(), text(), QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
