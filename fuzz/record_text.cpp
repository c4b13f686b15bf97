// Fuzz target: reading a record file's bytes (records/record_text.h and the
// score reading of records/record_store.h). Whatever a damaged file holds, every
// byte becomes one character, the score read from it is a number, and storing
// the text again gives back the same bytes, line end added: every byte of the
// code page stands for a character.

#include "fuzz_check.h"

#include "records/record_store.h"
#include "records/record_text.h"

#include <QByteArray>
#include <QString>

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QString> decoded = records::decodeRecordText(bytes);
    fuzzCheck(decoded.has_value(), "this Qt converts windows-1252", data, size);
    const QString text = *decoded;
    fuzzCheck(text.size() == bytes.size(), "one character per byte", data, size);
    fuzzCheck(!std::isnan(records::recordScore(text)), "the score is a number", data, size);

    const std::optional<QByteArray> encoded = records::encodeRecordLine(text);
    fuzzCheck(encoded.has_value(), "this Qt converts windows-1252", data, size);
    const QByteArray again = *encoded;
    fuzzCheck(again == bytes + "\r\n", "the same bytes back, then CR LF", data, size);
    return 0;
}
