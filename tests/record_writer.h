#pragma once

#include <QString>

// The name stored with record k by record_writer's loop: its length changes from
// one record to the next, so a file cut short or mixed shows up.
inline QString sequenceName(qint64 k)
{
    return QStringLiteral("Nome %1 ").arg(k) + QString(int(k % 40), QChar(0xe8));
}
