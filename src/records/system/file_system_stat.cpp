#include "records/system/file_system.h"

#include <QFile>

#include <sys/stat.h>

// What is at a path, from lstat: Debian's files and the browser's in-memory
// folder answer the same call.
namespace records {

std::optional<Entry> entryAt(const QString &path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return Entry{S_ISREG(status.st_mode),
                 {quint64(status.st_dev), quint64(status.st_ino), qint64(status.st_size),
                  status.st_mtim.tv_sec * 1000000000LL + status.st_mtim.tv_nsec,
                  status.st_ctim.tv_sec * 1000000000LL + status.st_ctim.tv_nsec}};
}

} // namespace records
