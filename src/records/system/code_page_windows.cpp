#include "records/system/code_page.h"

#include <windows.h>

#include <cstring>

namespace records {

namespace {

// The Windows code page of an ICU name such as "windows-1252"; 0 when the name
// is not of that form or Windows has no such code page.
UINT windowsCodePage(const char *name)
{
    static constexpr char prefix[] = "windows-";
    if (std::strncmp(name, prefix, sizeof prefix - 1) != 0)
        return 0;
    bool ok = false;
    const uint number = QByteArray(name + sizeof prefix - 1).toUInt(&ok);
    return ok && IsValidCodePage(number) ? number : 0;
}

const wchar_t *wide(QStringView text)
{
    return reinterpret_cast<const wchar_t *>(text.utf16());
}

} // namespace

struct CodePageEncoder::Converter {
    UINT codePage;
};

CodePageEncoder::CodePageEncoder(const char *name) : m_converter(std::make_unique<Converter>(Converter{windowsCodePage(name)})) {}

CodePageEncoder::~CodePageEncoder() = default;

bool CodePageEncoder::isValid() const
{
    return m_converter->codePage != 0;
}

std::optional<char> CodePageEncoder::byteOf(QStringView character)
{
    // No "best fit": a character the code page lacks is not traded for a look-alike.
    char bytes[4];
    BOOL lacking = FALSE;
    const int size = WideCharToMultiByte(m_converter->codePage, WC_NO_BEST_FIT_CHARS, wide(character),
                                         int(character.size()), bytes, sizeof bytes, nullptr, &lacking);
    if (size != 1 || lacking)
        return std::nullopt;
    return bytes[0];
}

std::optional<QString> decodeCodePage(const QByteArray &bytes, const char *name)
{
    const UINT codePage = windowsCodePage(name);
    if (codePage == 0)
        return std::nullopt;
    if (bytes.isEmpty())
        return QString();
    QString text(bytes.size(), Qt::Uninitialized);   // one character a byte in an 8-bit code page
    const int size = MultiByteToWideChar(codePage, 0, bytes.constData(), int(bytes.size()),
                                         reinterpret_cast<wchar_t *>(text.data()), int(text.size()));
    if (size <= 0)
        return std::nullopt;
    text.resize(size);
    return text;
}

QString missingCodePageReason(const char *name)
{
    return QStringLiteral("Windows non sa convertire la codifica %1").arg(QLatin1String(name));
}

} // namespace records
