#include "records/system/file_system.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace records {

bool removeFile(const QString &path, QString *error, int *attempts)
{
    if (attempts)
        *attempts = 1;
    QFile file(path);
    if (file.remove() || !QFileInfo::exists(path))
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

// QSaveFile writes a temporary file beside the file and renames it over the
// file on commit; a rename here never waits for another program.
struct ReplacementFile::Native {
    explicit Native(const QString &path) : file(path) {}
    QSaveFile file;
};

ReplacementFile::ReplacementFile(const QString &path) : m_path(path), m_native(std::make_unique<Native>(path)) {}

ReplacementFile::~ReplacementFile() = default;

bool ReplacementFile::write(const QByteArray &bytes)
{
    QSaveFile &file = m_native->file;
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        m_error = file.errorString();
        return false;
    }
    if (::fsync(file.handle()) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

bool ReplacementFile::commit()
{
    if (m_native->file.commit())
        return true;
    m_error = m_native->file.errorString();
    return false;
}

void syncFolder(const QString &dir)
{
    // Syncing a file keeps its bytes, not its name.
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace records
