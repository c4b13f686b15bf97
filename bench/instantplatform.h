#pragma once

#include "platform/platform.h"

#include <QDir>

#include <random>

// A platform whose dialogs answer at once (a name, OK, No), with a real seeded
// generator and a record folder of its own: the game's own work, without a pupil.
// The folder stays from run to run, as a pupil's does: making and removing a
// throw-away folder cost the file system more than the game's whole record work.
// No benchmark stores a record in it (leaving is always answered No), so the
// record shown stays empty.
class InstantPlatform : public Platform
{
public:
    Answer messageBox(const QString &, Style style, const QString &) override { return style.testFlag(YesNo) ? Answer::No : Answer::Ok; }
    QString inputBox(const QString &, const QString &) override { return QStringLiteral("Anna"); }
    void beep() override {}
    double secondsSinceMidnight() override { return m_clock += 0.001; }
    void randomize(double seed) override { m_generator.seed(unsigned(seed * 1000)); }
    float nextRandom() override { return float(m_generator() >> 8) * 0x1p-24f; }
    QString recordDirectory(QString *) override
    {
        const QString dir = QDir::tempPath() + QStringLiteral("/quorvel-bench-records/");
        QDir().mkpath(dir);
        return dir;
    }

private:
    double m_clock = 36000;
    std::mt19937 m_generator;
};
