#pragma once

#include "platform/platform.h"

#include <QTemporaryDir>

#include <random>

// A platform whose dialogs answer at once (a name, OK, No), with a real seeded
// generator and a throw-away record folder: the game's own work, without a pupil.
class InstantPlatform : public Platform
{
public:
    Answer messageBox(const QString &, Style style, const QString &) override { return style.testFlag(YesNo) ? Answer::No : Answer::Ok; }
    QString inputBox(const QString &, const QString &) override { return QStringLiteral("Anna"); }
    void beep() override {}
    double secondsSinceMidnight() override { return m_clock += 0.001; }
    void randomize(double seed) override { m_generator.seed(unsigned(seed * 1000)); }
    float nextRandom() override { return float(m_generator() >> 8) * 0x1p-24f; }
    QString recordDirectory(QString *) override { return m_dir.path() + QLatin1Char('/'); }

private:
    double m_clock = 36000;
    std::mt19937 m_generator;
    QTemporaryDir m_dir;
};
