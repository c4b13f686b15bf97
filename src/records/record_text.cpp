#include "records/record_text.h"
#include "records/system/code_page.h"

namespace records {

std::optional<QByteArray> encodeRecordLine(const QString &text, const char *encoding)
{
    // Character by character, so that a character the code page cannot hold
    // becomes "?" (as the code page's own conversion writes it) rather than
    // whatever the converter puts in its place.
    CodePageEncoder encoder(encoding);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve(text.size() + 2);
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size()
                          && text.at(i + 1).isLowSurrogate();
        const QStringView character = QStringView(text).mid(i, pair ? 2 : 1);
        i += character.size();
        bytes += encoder.byteOf(character).value_or('?');
    }
    bytes += "\r\n";
    return bytes;
}

std::optional<QString> decodeRecordText(const QByteArray &bytes, const char *encoding)
{
    // A record file made on the first start is empty: opening the code page's
    // converter for it would cost a megabyte and a few per cent of start-up.
    if (bytes.isEmpty())
        return QString();
    // Every one of the 256 bytes has a character in this code page.
    return decodeCodePage(bytes, encoding);
}

} // namespace records
