#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

// The bytes of the intent file a store writes for the pair, to put one in a
// record folder as an interrupted store would leave it.
inline QByteArray intentBytes(const QByteArray &score, const QByteArray &name)
{
    QByteArray intent;
    QDataStream out(&intent, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << score << name;
    return intent;
}
