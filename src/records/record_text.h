#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace records {

// The Western 8-bit code page of the record files, converted by the system's
// own converter (records/code_page.h).
inline constexpr char codePage[] = "windows-1252";

// A record file holds one line in the code page: the text, one byte per
// character, then CR LF. Other copies of the game read these exact bytes.
// Nothing when the system cannot convert to `encoding`: a record is then not
// written at all, rather than as a line of "?".
std::optional<QByteArray> encodeRecordLine(const QString &text, const char *encoding = codePage);

// The characters of a record file's bytes, every byte kept (line end included).
// Nothing when the system cannot convert from `encoding`, rather than empty text.
std::optional<QString> decodeRecordText(const QByteArray &bytes, const char *encoding = codePage);

} // namespace records
