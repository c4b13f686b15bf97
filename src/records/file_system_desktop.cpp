#include "records/file_system.h"

#include <QFile>

// What Debian and Windows share: the folder is on a disk that every copy of the
// game sees, guarded by QLockFile.
namespace records {

bool removeFile(const QString &path)
{
    return QFile::remove(path);
}

FolderGuard::FolderGuard(const QString &, int) {}

FolderGuard::~FolderGuard() = default;

} // namespace records
