#include "records/system/code_page.h"
#include "records/system/windows_1252.h"

#include <cstring>

// In the browser Qt has no ICU: the one code page the record files use comes
// from the game's own table.
namespace records {

namespace {

bool isWindows1252(const char *name)
{
    return std::strcmp(name, "windows-1252") == 0;
}

} // namespace

struct CodePageEncoder::Converter {
    bool known;
};

CodePageEncoder::CodePageEncoder(const char *name) : m_converter(std::make_unique<Converter>(Converter{isWindows1252(name)})) {}

CodePageEncoder::~CodePageEncoder() = default;

bool CodePageEncoder::isValid() const
{
    return m_converter->known;
}

std::optional<char> CodePageEncoder::byteOf(QStringView character)
{
    if (!m_converter->known || character.size() != 1)
        return std::nullopt;
    const auto byte = windows1252Byte(character.front().unicode());
    if (!byte)
        return std::nullopt;
    return char(*byte);
}

std::optional<QString> decodeCodePage(const QByteArray &bytes, const char *name)
{
    if (!isWindows1252(name))
        return std::nullopt;
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(windows1252Character(static_cast<unsigned char>(bytes[i])));
    return text;
}

QString missingCodePageReason(const char *name)
{
    return QStringLiteral("il gioco nel browser non sa convertire la codifica %1").arg(QLatin1String(name));
}

} // namespace records
