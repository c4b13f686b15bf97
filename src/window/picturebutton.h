#pragma once

#include <QPixmap>
#include <QPushButton>

#include <utility>
#include <vector>

// A push button with its picture above the caption, showing another picture
// while it is held down or disabled.
class PictureButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

    // What draws a picture. Each is called the first time its picture is
    // shown, and once only for all the states that show the same picture.
    using PictureSource = QPixmap (*)();
    void setPictures(PictureSource normal, PictureSource pressed, PictureSource disabled);
    // The picture drawn right now, for the state the button is in.
    QPixmap currentPicture() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap drawn(PictureSource source) const;

    PictureSource m_normal = nullptr, m_pressed = nullptr, m_disabled = nullptr;
    mutable std::vector<std::pair<PictureSource, QPixmap>> m_drawn;
};
