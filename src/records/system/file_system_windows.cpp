#include "records/system/file_system.h"
#include "records/system/replacement_names.h"

#include <QDir>

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

// What a program that holds the file open without sharing it (a virus
// scanner, an editor) makes a replacement or a removal fail with, for as long
// as it holds it. Windows also denies access to a file that is read-only, or
// in the way as a folder, which no waiting changes.
bool heldByAnother(DWORD code, const QString &path)
{
    if (code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION)
        return true;
    if (code != ERROR_ACCESS_DENIED)
        return false;
    const DWORD attributes = GetFileAttributesW(native(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES
        && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

constexpr int replaceTries = 20;
constexpr DWORD pauseBetweenTriesMs = 50;

// Calls `attempt` until it succeeds, for about a second while another program
// holds the file at `path`. Returns how many times it was called, and 0 in
// `code` on success or the last error.
template <typename Attempt>
int tryWhileHeld(const QString &path, Attempt attempt, DWORD *code)
{
    for (int attempts = 1;; ++attempts) {
        if (attempt()) {
            *code = 0;
            return attempts;
        }
        *code = GetLastError();
        if (attempts == replaceTries || !heldByAnother(*code, path))
            return attempts;
        Sleep(pauseBetweenTriesMs);
    }
}

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
    return Entry{(info.dwFileAttributes & notAFile) == 0,
                 {quint64(info.dwVolumeSerialNumber), (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
                  (qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow, times.LastWriteTime.QuadPart,
                  times.ChangeTime.QuadPart}};
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
    const QString temporary = temporaryNameFor(m_path);
    const HANDLE handle = CreateFileW(native(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        m_error = systemError(GetLastError());
        return false;
    }
    m_native->temporary = temporary;
    DWORD written = 0;
    const bool wrote = WriteFile(handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
    if (!wrote)
        m_error = systemError(GetLastError());
    else if (written != DWORD(bytes.size()))
        m_error = QStringLiteral("scritti solo %1 byte su %2").arg(written).arg(bytes.size());
    else if (!FlushFileBuffers(handle))
        m_error = systemError(GetLastError());
    CloseHandle(handle);
    return m_error.isEmpty();
}

bool ReplacementFile::commit()
{
    if (m_native->temporary.isEmpty()) {
        m_error = systemError(ERROR_INVALID_HANDLE);
        return false;
    }
    // The file's bytes are on the disk already (write flushed them). The rename
    // itself is not flushed: MOVEFILE_WRITE_THROUGH waits only for a move made
    // as a copy, and Windows flushes a folder only as part of the whole volume,
    // which needs administrator rights. What keeps the pair whole after a power
    // cut is NTFS's journal: it replays the folder's changes in the order they
    // were made, so a replacement that survives comes with the intent file
    // written before it.
    DWORD code = 0;
    tryWhileHeld(m_path, [&] {
        return MoveFileExW(native(m_native->temporary).c_str(), native(m_path).c_str(), MOVEFILE_REPLACE_EXISTING);
    }, &code);
    if (code != 0) {
        m_error = systemError(code);
        return false;
    }
    m_native->temporary.clear();
    return true;
}

bool removeFile(const QString &path, QString *error, int *attempts)
{
    DWORD code = 0;
    const int tries = tryWhileHeld(
        path, [&] { return DeleteFileW(native(path).c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND; }, &code);
    if (attempts)
        *attempts = tries;
    if (code != 0 && error)
        *error = systemError(code);
    return code == 0;
}

void syncFolder(const QString &)
{
    // Windows has no folder sync: see ReplacementFile::commit.
}

} // namespace records
