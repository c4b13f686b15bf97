#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>

// The system's own converter for an 8-bit code page, named as ICU names it
// ("windows-1252"): ICU through Qt on Debian (code_page_icu.cpp), the code-page
// API on Windows (code_page_windows.cpp), whose Qt is built without ICU.
namespace records {

class CodePageEncoder
{
public:
    explicit CodePageEncoder(const char *name);
    ~CodePageEncoder();
    CodePageEncoder(const CodePageEncoder &) = delete;
    CodePageEncoder &operator=(const CodePageEncoder &) = delete;

    // False when the system cannot convert to this code page.
    bool isValid() const;
    // The byte that stands for `character` (one UTF-16 unit, or a surrogate
    // pair); nothing when the code page has no such character.
    std::optional<char> byteOf(QStringView character);

private:
    struct Converter;
    std::unique_ptr<Converter> m_converter;
};

// The characters of the bytes; nothing when the system cannot convert from this code page.
std::optional<QString> decodeCodePage(const QByteArray &bytes, const char *name);

// Why the record files cannot be read or written when the system has no converter.
QString missingCodePageReason(const char *name);

} // namespace records
