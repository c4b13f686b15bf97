#pragma once

#include <QLabel>

// A label that can size itself to its caption, the way the window's counters
// and headings do. setText hides QLabel::setText on purpose: the window keeps
// its labels as Label pointers, so every caption change goes through here.
class Label : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    void setAutoSize(bool on);
    bool autoSize() const { return m_autoSize; }
    void setText(const QString &text);

private:
    bool m_autoSize = false;
};
