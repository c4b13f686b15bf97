#pragma once

#include <QPixmap>
#include <QPushButton>

// A push button with its picture above the caption, showing another picture
// while it is held down or disabled.
class PictureButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

    void setPictures(const QPixmap &normal, const QPixmap &pressed, const QPixmap &disabled);
    // The picture drawn right now, for the state the button is in.
    QPixmap currentPicture() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_normal, m_pressed, m_disabled;
};
