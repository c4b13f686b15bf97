#pragma once

#include "platform/platform.h"

#include <random>

class QWidget;

// The real platform: Qt's dialogs, the system clock and the user's data directory.
class QtPlatform : public Platform
{
public:
    // Dialogs are centred on `parent` when it is visible.
    void setDialogParent(QWidget *parent) { m_parent = parent; }

    Answer messageBox(const QString &text, Style style, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title) override;
    void beep() override;
    double secondsSinceMidnight() override;
    void randomize(double seed) override;
    float nextRandom() override;
    QString recordDirectory(QString *error) override;

protected:
    QWidget *dialogParent() const;

private:
    QWidget *m_parent = nullptr;
    std::mt19937 m_generator{std::random_device{}()};
};
