#pragma once

#include <QColor>
#include <QWidget>

#include <optional>

// The window's own drawing surface, behind every control: a background colour
// and, for each exercise, the coloured bands. What is painted stays until it is
// cleared or the background colour is set, as a persistent drawing would.
class Surface : public QWidget
{
    Q_OBJECT

public:
    explicit Surface(QWidget *parent = nullptr);

    QColor backColor() const { return m_back; }
    // Setting the background colour also wipes the bands.
    void setBackColor(const QColor &colour);
    void clear();
    void paintBands(int red, int green);
    bool hasBands() const { return m_bands.has_value(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct BandColours { int red; int green; };
    QColor m_back;
    std::optional<BandColours> m_bands;
};
