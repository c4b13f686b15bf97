#include "records/file_system.h"

#include <QDir>
#include <QRandomGenerator>

#include <windows.h>

#include <string>

namespace records {

namespace {

std::wstring native(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

QString systemError(DWORD code)
{
    return qt_error_string(int(code));
}

// QSaveFile's names, which the store's leftovers are known by: the file's
// name, a dot and six letters or digits.
QString temporaryName(const QString &path)
{
    static constexpr char characters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString name = path + QLatin1Char('.');
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(characters[QRandomGenerator::global()->bounded(int(sizeof characters) - 1)]);
    return name;
}

// What a program that holds the file open without sharing it makes a
// replacement fail with, for as long as it holds it.
bool heldByAnother(DWORD code)
{
    return code == ERROR_SHARING_VIOLATION || code == ERROR_ACCESS_DENIED || code == ERROR_LOCK_VIOLATION;
}

constexpr int replaceTries = 20;
constexpr DWORD pauseBetweenTriesMs = 50;

} // namespace

std::optional<Entry> entryAt(const QString &path)
{
    // Opened for its attributes only, which no program's sharing forbids; a
    // link is looked at, not followed.
    const HANDLE handle = CreateFileW(native(path).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                                      nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        // Something is there that cannot be looked at: never taken for a record file.
        if (GetFileAttributesW(native(path).c_str()) != INVALID_FILE_ATTRIBUTES)
            return Entry{};
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_BASIC_INFO times{};
    const bool read = GetFileInformationByHandle(handle, &info)
                      && GetFileInformationByHandleEx(handle, FileBasicInfo, &times, sizeof times);
    CloseHandle(handle);
    if (!read)
        return Entry{};
    const DWORD notAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE;
    // The times count hundreds of nanoseconds.
    return Entry{(info.dwFileAttributes & notAFile) == 0,
                 {quint64(info.dwVolumeSerialNumber), (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
                  (qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow, times.LastWriteTime.QuadPart * 100,
                  times.ChangeTime.QuadPart * 100}};
}

// Qt gives no handle of QSaveFile's temporary file to push to the disk, so the
// new content is written and replaced here with Windows' own calls.
struct ReplacementFile::Native {
    QString temporary;
};

ReplacementFile::ReplacementFile(const QString &path) : m_path(path), m_native(std::make_unique<Native>()) {}

ReplacementFile::~ReplacementFile()
{
    if (!m_native->temporary.isEmpty())
        DeleteFileW(native(m_native->temporary).c_str());
}

bool ReplacementFile::write(const QByteArray &bytes)
{
    // A folder in the file's place is refused before anything is written, as
    // QSaveFile refuses it, so that a store fails before it replaces a file.
    const DWORD attributes = GetFileAttributesW(native(m_path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        m_error = systemError(ERROR_ACCESS_DENIED);
        return false;
    }
    const QString temporary = temporaryName(m_path);
    const HANDLE handle = CreateFileW(native(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        m_error = systemError(GetLastError());
        return false;
    }
    m_native->temporary = temporary;
    DWORD written = 0;
    const bool done = WriteFile(handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr)
                      && written == DWORD(bytes.size()) && FlushFileBuffers(handle);
    const DWORD code = GetLastError();
    CloseHandle(handle);
    if (!done) {
        m_error = systemError(code);
        return false;
    }
    return true;
}

bool ReplacementFile::commit()
{
    if (m_native->temporary.isEmpty()) {
        m_error = systemError(ERROR_INVALID_HANDLE);
        return false;
    }
    // Write-through: the rename is on the disk when the call returns, as a
    // folder sync makes it on Debian.
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(native(m_native->temporary).c_str(), native(m_path).c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            m_native->temporary.clear();
            return true;
        }
        const DWORD code = GetLastError();
        if (!heldByAnother(code) || attempt == replaceTries) {
            m_error = systemError(code);
            return false;
        }
        Sleep(pauseBetweenTriesMs);
    }
}

void syncFolder(const QString &)
{
    // Windows has no folder sync; every rename was written through.
}

} // namespace records
