#include "records/record_files.h"
#include "records/record_text.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace records {

namespace {

const QString notAFile = QStringLiteral("non è un file normale");
const QString noCodePage = QStringLiteral("questa versione di Qt non sa convertire la codifica %1 (manca ICU)")
                               .arg(QLatin1String(codePage));

bool isRegularFile(const QString &path)
{
    return QFileInfo(path).isFile();
}

// Writes the whole line and pushes it to the disk, without replacing the file yet.
bool writeAndSync(QSaveFile &file, const QByteArray &bytes, QString *reason)
{
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        *reason = file.errorString();
        return false;
    }
    if (::fsync(file.handle()) != 0) {
        *reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

} // namespace

std::optional<Failure> createIfMissing(const QString &path)
{
    if (QFileInfo::exists(path))
        return std::nullopt;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return std::nullopt;
    // Another copy of the game may have made it meanwhile.
    if (QFileInfo::exists(path))
        return std::nullopt;
    return Failure{Failure::Create, path, file.errorString()};
}

FileText readWholeFile(const QString &path, qint64 limit)
{
    if (QFileInfo::exists(path) && !isRegularFile(path))
        return {QString(), Failure{Failure::Read, path, notAFile}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QString(), Failure{Failure::Read, path, file.errorString()}};
    const QByteArray bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError)
        return {QString(), Failure{Failure::Read, path, file.errorString()}};
    const std::optional<QString> text = decodeRecordText(bytes);
    if (!text)
        return {QString(), Failure{Failure::Read, path, noCodePage}};
    return {*text, std::nullopt};
}

std::optional<Failure> writeRecordFiles(const QString &dir, const QString &scoreText,
                                        const QString &nameText)
{
    const QString scorePath = dir + scoreFileName;
    const QString namePath = dir + nameFileName;
    const std::optional<QByteArray> scoreLine = encodeRecordLine(scoreText);
    const std::optional<QByteArray> nameLine = encodeRecordLine(nameText);
    if (!scoreLine || !nameLine)
        return Failure{Failure::Write, scorePath, noCodePage};
    QSaveFile scoreFile(scorePath);
    QSaveFile nameFile(namePath);
    const std::array writes{std::pair{&scoreFile, *scoreLine}, std::pair{&nameFile, *nameLine}};

    // Until a commit, the new contents live in temporary files that are thrown
    // away on the way out, and the old files are untouched.
    for (const auto &[file, bytes] : writes) {
        QString reason;
        if (!writeAndSync(*file, bytes, &reason))
            return Failure{Failure::Write, file->fileName(), reason};
    }
    for (const auto &[file, bytes] : writes) {
        if (!file->commit())
            return Failure{Failure::Write, file->fileName(), file->errorString()};
    }
    return std::nullopt;
}

} // namespace records
