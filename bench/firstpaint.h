#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

// Quits the application right after the watched widget has painted for the first time.
class QuitAfterFirstPaint : public QObject
{
public:
    explicit QuitAfterFirstPaint(QObject *watched) { watched->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return false;
    }
};
