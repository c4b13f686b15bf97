#pragma once

#include <QByteArray>
#include <QString>

namespace records {

// A record file holds one line in the Western 8-bit code page (windows-1252):
// the text, one byte per character, then CR LF. Other copies of the game read
// these exact bytes.
QByteArray encodeRecordLine(const QString &text);

// The characters of a record file's bytes, every byte kept (line end included).
QString decodeRecordText(const QByteArray &bytes);

} // namespace records
