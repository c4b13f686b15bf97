#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

// Quits the application right after the watched widget has painted for the
// first time. Started by startup_compare, it first reports how long start-up
// took to the file descriptor named in QUORVEL_STARTUP_REPORT: the monotonic
// clock, the processor time and the peak memory once the window has painted.
class QuitAfterFirstPaint : public QObject
{
public:
    explicit QuitAfterFirstPaint(QObject *watched) { watched->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, it runs when the whole window has painted, children included.
            QMetaObject::invokeMethod(
                this, [] {
                    report();
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    static void report()
    {
        const char *descriptor = std::getenv("QUORVEL_STARTUP_REPORT");
        if (!descriptor)
            return;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const long long cpuMicroseconds = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL
                                          + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
        dprintf(std::atoi(descriptor), "%lld %lld %ld\n", now.tv_sec * 1000000000LL + now.tv_nsec,
                cpuMicroseconds, usage.ru_maxrss);
    }
};
