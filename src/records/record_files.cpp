#include "records/record_files.h"
#include "records/system/code_page.h"
#include "records/system/file_system.h"
#include "records/record_text.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>

namespace records {

namespace {

const QString notAFile = QStringLiteral("non è un file normale");
const QString noCodePage = missingCodePageReason(codePage);

bool isRegularFile(const QString &path)
{
    return QFileInfo(path).isFile();
}

struct RecordLines {
    QByteArray score;
    QByteArray name;
};

// The intent file holds the two files' bytes, each after its length, so that
// any bytes fit and a file cut short or not ours is told apart.
constexpr auto intentFormat = QDataStream::Qt_6_0;

QByteArray intentBytes(const RecordLines &lines)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(intentFormat);
    out << lines.score << lines.name;
    return bytes;
}

// What an intent file holds: the pair, nothing when the file is not one we
// wrote, or why it cannot be read now (another program holds it, say).
struct Intent {
    std::optional<RecordLines> lines;
    std::optional<Failure> failure;
};

Intent readIntent(const QString &path)
{
    QFile file(path);
    // Larger than any two record files: not ours.
    if (file.size() > 2 * (readLimit + 4))
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, Failure{Failure::Read, path, file.errorString()}};
    QDataStream in(&file);
    in.setVersion(intentFormat);
    RecordLines lines;
    in >> lines.score >> lines.name;
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, Failure{Failure::Read, path, file.errorString()}};
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return {};
    return {lines, std::nullopt};
}

// Both files' new bytes go to temporary files first, so a file that cannot be
// written stops everything before anything is replaced. With `writeIntent` the
// pair is then stored in the intent file; when finishing an interrupted store,
// the intent file is there already.
std::optional<Failure> replacePair(const QString &dir, const RecordLines &lines, bool writeIntent)
{
    ReplacementFile scoreFile(dir + scoreFileName);
    ReplacementFile nameFile(dir + nameFileName);
    const std::array writes{std::pair{&scoreFile, lines.score}, std::pair{&nameFile, lines.name}};
    for (const auto &[file, bytes] : writes) {
        if (!file->write(bytes))
            return Failure{Failure::Write, file->fileName(), file->errorString()};
    }

    const QString intentPath = dir + intentFileName;
    if (writeIntent) {
        ReplacementFile intent(intentPath);
        if (!intent.write(intentBytes(lines)))
            return Failure{Failure::Write, intentPath, intent.errorString()};
        if (!intent.commit())
            return Failure{Failure::Write, intentPath, intent.errorString()};
        // The intent's name must be on disk before either file is replaced.
        syncFolder(dir);
    }
    if (!scoreFile.commit()) {
        // Nothing is replaced yet: the old pair stays the record once the
        // intent file is gone. An intent file that stays (another program
        // holds it) has the next copy to take the lock store the pair after all.
        Failure failure{Failure::Write, scoreFile.fileName(), scoreFile.errorString()};
        failure.intentLeft = !writeIntent || !removeFile(intentPath);
        // The pupil is told the record was not stored: the removal must last
        // as the renames do, or the next start would store it after all.
        if (!failure.intentLeft)
            syncFolder(dir);
        return failure;
    }
    // A failure from here on leaves the intent file, and the next copy to take
    // the lock completes the pair.
    if (!nameFile.commit()) {
        Failure failure{Failure::Write, nameFile.fileName(), nameFile.errorString()};
        failure.intentLeft = true;
        return failure;
    }
    syncFolder(dir);
    // Should the removal be lost or fail, the intent file only repeats the pair in place.
    removeFile(intentPath);
    return std::nullopt;
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
    const std::optional<QByteArray> scoreLine = encodeRecordLine(scoreText);
    const std::optional<QByteArray> nameLine = encodeRecordLine(nameText);
    if (!scoreLine || !nameLine)
        return Failure{Failure::Write, dir + scoreFileName, noCodePage};
    return replacePair(dir, {*scoreLine, *nameLine}, true);
}

QStringList storeLeftovers(const QString &dir)
{
    return leftoversIn(dir, {scoreFileName.mid(1), nameFileName.mid(1), intentFileName.mid(1)});
}

std::optional<Failure> finishInterruptedStore(const QString &dir)
{
    // All writing happens under the lock, so the temporary files of the record
    // files and of the intent file that are here now belong to a copy that died.
    const QDir folder(dir);
    for (const QString &leftover : storeLeftovers(dir))
        QFile::remove(folder.filePath(leftover));

    const QString intentPath = dir + intentFileName;
    if (!isRegularFile(intentPath))
        return std::nullopt;
    Intent intent = readIntent(intentPath);
    if (intent.failure) {
        // Kept for the next copy to take the lock: it may be readable then.
        intent.failure->intentLeft = true;
        return intent.failure;
    }
    if (!intent.lines) {
        removeFile(intentPath);
        return std::nullopt;
    }
    return replacePair(dir, *intent.lines, false);
}

} // namespace records
