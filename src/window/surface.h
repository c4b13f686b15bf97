#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

class QPainter;

// The window's own drawing surface, behind every control: a background colour
// and a drawing on it, such as an exercise's coloured bands. The drawing stays
// until it is cleared or the background colour is set, as a persistent drawing would.
class Surface : public QWidget
{
    Q_OBJECT

public:
    // Paints its part within `exposed` on a surface of the given size.
    using Drawing = std::function<void(QPainter &painter, const QSize &size, const QRect &exposed)>;

    explicit Surface(QWidget *parent = nullptr);

    QColor backColor() const { return m_back; }
    // Setting the background colour also wipes the drawing.
    void setBackColor(const QColor &colour);
    void clear();
    void draw(Drawing drawing);
    bool hasDrawing() const { return bool(m_drawing); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_back;
    Drawing m_drawing;
};
