#include "records/record_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace records {

namespace {

// What the converter puts in place of a character the code page lacks.
constexpr char converterSubstitute = '\x1a';

} // namespace

std::optional<QByteArray> encodeRecordLine(const QString &text, const char *encoding)
{
    // Character by character, so that a character the code page cannot hold
    // becomes "?" (as the code page's own conversion writes it) rather than the
    // converter's control byte 0x1A.
    QStringEncoder encoder(encoding, QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve(text.size() + 2);
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size()
                          && text.at(i + 1).isLowSurrogate();
        const QStringView character = QStringView(text).mid(i, pair ? 2 : 1);
        i += character.size();
        const QByteArray encoded = encoder.encode(character);
        const bool held = encoded.size() == 1
                          && (encoded.front() != converterSubstitute || character.front() == QChar(0x1a));
        bytes += held ? encoded.front() : '?';
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
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    return QString(decoder.decode(bytes));
}

} // namespace records
