#include "records/system/file_system.h"

// What Debian and Windows share: the folder is on a disk that every copy of the
// game sees, guarded by QLockFile.
namespace records {

FolderGuard::FolderGuard(const QString &, int) {}

FolderGuard::~FolderGuard() = default;

bool folderIsTheRecord()
{
    return true;
}

} // namespace records
