#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>
#include <optional>

// The few file system calls of the record store that differ between systems:
// file_system_posix.cpp on Debian, file_system_windows.cpp on Windows (with
// file_system_desktop.cpp for both), file_system_web.cpp in the browser; the
// names of the temporary files, which all share, in replacement_names.cpp.
namespace records {

// Tells one file at a path from another: every change a store makes to a
// record file replaces it by a rename, which brings another file number and times.
struct FileVersion {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    // Only ever compared, in the system's own units: nanoseconds since 1970
    // on Debian, hundreds of nanoseconds since 1601 on Windows.
    qint64 modified = 0;
    qint64 changed = 0;
    bool operator==(const FileVersion &) const = default;
};

// What is at a path itself, a link not followed.
struct Entry {
    bool regularFile = false;
    FileVersion version;
};

// Nothing when nothing is at the path.
std::optional<Entry> entryAt(const QString &path);

// A file's new content, written beside it and pushed to the disk, that then
// takes the file's place in one step. Dropped when it is not committed.
class ReplacementFile
{
public:
    explicit ReplacementFile(const QString &path);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile &) = delete;
    ReplacementFile &operator=(const ReplacementFile &) = delete;

    // Writes the whole new content and syncs it to the disk.
    bool write(const QByteArray &bytes);
    // Replaces the file with the new content. Where another program may hold
    // the file open for a moment (a virus scanner on Windows), it tries again
    // for about a second before it gives up.
    bool commit();

    QString fileName() const { return m_path; }
    QString errorString() const { return m_error; }

private:
    struct Native;
    QString m_path;
    QString m_error;
    std::unique_ptr<Native> m_native;
};

// Removes the file at `path`, trying again for about a second while another
// program holds it open. True when nothing is left there; otherwise `error`
// says why. `attempts` counts the tries.
bool removeFile(const QString &path, QString *error = nullptr, int *attempts = nullptr);

// The temporary files that replacements of the named files in `dir` left
// there, as a copy that died while writing leaves them: their names.
QStringList leftoversIn(const QString &dir, const QStringList &fileNames);

// Makes the folder's latest renames last through a power cut, where the system
// needs telling. Best effort: the names are in place already.
void syncFolder(const QString &dir);

// Whether the folder as it stands is the record every copy of the game sees: on
// a disk it is; in the browser it is the page's copy in memory, which only a
// FolderGuard brings up to date with what other pages stored.
bool folderIsTheRecord();

// Where the folder lives in memory and the record in the browser's storage, the
// folder held against the game's other pages (tabs) of the same site, and brought
// up to date from the storage; nothing on a desktop, whose QLockFile guards the
// folder itself. Held until the object goes.
class FolderGuard
{
public:
    FolderGuard(const QString &dir, int timeoutMs);
    ~FolderGuard();
    FolderGuard(const FolderGuard &) = delete;
    FolderGuard &operator=(const FolderGuard &) = delete;

    // Why the folder could not be held or brought up to date.
    const std::optional<QString> &failure() const { return m_failure; }

private:
    std::optional<QString> m_failure;
};

} // namespace records
