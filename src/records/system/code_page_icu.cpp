#include "records/system/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace records {

namespace {

// What ICU puts in place of a character the code page lacks.
constexpr char converterSubstitute = '\x1a';

} // namespace

struct CodePageEncoder::Converter {
    explicit Converter(const char *name) : encoder(name, QStringConverter::Flag::Stateless) {}
    QStringEncoder encoder;
};

CodePageEncoder::CodePageEncoder(const char *name) : m_converter(std::make_unique<Converter>(name)) {}

CodePageEncoder::~CodePageEncoder() = default;

bool CodePageEncoder::isValid() const
{
    return m_converter->encoder.isValid();
}

std::optional<char> CodePageEncoder::byteOf(QStringView character)
{
    const QByteArray encoded = m_converter->encoder.encode(character);
    if (encoded.size() != 1 || (encoded.front() == converterSubstitute && character.front() != QChar(0x1a)))
        return std::nullopt;
    return encoded.front();
}

std::optional<QString> decodeCodePage(const QByteArray &bytes, const char *name)
{
    QStringDecoder decoder(name, QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    return QString(decoder.decode(bytes));
}

QString missingCodePageReason(const char *name)
{
    return QStringLiteral("questa versione di Qt non sa convertire la codifica %1 (manca ICU)").arg(QLatin1String(name));
}

} // namespace records
