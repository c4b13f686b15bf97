#include "records/record_store.h"
#include "numbers/number_reading.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace records {

namespace {

constexpr int staleLockMs = 1000;

QString lockReason(const QLockFile &lock)
{
    switch (lock.error()) {
    case QLockFile::LockFailedError:
        return QStringLiteral("un'altra copia di Quorvel lo tiene bloccato");
    case QLockFile::PermissionError:
        return QStringLiteral("permesso negato");
    default: {
        // QLockFile keeps the system's reason to itself; opening the path for
        // reading (which creates nothing) usually tells it.
        QFile probe(lock.fileName());
        return probe.open(QIODevice::ReadOnly) ? QStringLiteral("errore sconosciuto") : probe.errorString();
    }
    }
}

std::optional<FileVersion> fileVersion(const QString &path)
{
    const auto entry = entryAt(path);
    if (!entry || !entry->regularFile)
        return std::nullopt;
    return entry->version;
}

} // namespace

std::optional<PairVersion> pairVersion(const QString &dir)
{
    if (dir.isEmpty())
        return std::nullopt;
    const auto score = fileVersion(dir + scoreFileName);
    const auto name = fileVersion(dir + nameFileName);
    if (!score || !name)
        return std::nullopt;
    return PairVersion{*score, *name};
}

std::optional<PairVersion> quietPairVersion(const QString &dir)
{
    // The versions come first: a store caught between its two renames after
    // them still has its intent file in place here.
    const auto versions = pairVersion(dir);
    if (!versions || !folderIsTheRecord() || entryAt(dir + lockFileName) || entryAt(dir + intentFileName) || !storeLeftovers(dir).isEmpty())
        return std::nullopt;
    return versions;
}

double recordScore(const QString &caption)
{
    return numbers::lenientNumber(caption);
}

RecordLock::RecordLock(const QString &dir, int lockTimeout)
    : m_guard(dir, lockTimeout), m_lock(dir + lockFileName)
{
    if (dir.isEmpty()) {
        m_failure = Failure{Failure::Directory, QString(), QStringLiteral("non è stata trovata all'avvio del gioco")};
        return;
    }
    if (m_guard.failure()) {
        m_failure = Failure{Failure::Lock, m_lock.fileName(), *m_guard.failure()};
        return;
    }
    // A copy that died while holding the lock leaves its lock file behind. One
    // naming a dead process is cleared at once; an empty one (death right after
    // creating it) would block for QLockFile's default 30 s. A live holder keeps
    // the file locked (an flock on Debian; on Windows it holds the file open
    // without sharing its removal), which stops anyone clearing it, so a short
    // time is safe.
    m_lock.setStaleLockTime(staleLockMs);
    if (!m_lock.tryLock(lockTimeout))
        m_failure = Failure{Failure::Lock, m_lock.fileName(), lockReason(m_lock)};
    else
        m_failure = finishInterruptedStore(dir);
}

StoreResult storeIfHigher(const QString &dir, double loadedRecord, const QString &scoreText,
                          const QString &nameText, int lockTimeout)
{
    const double score = recordScore(scoreText);
    if (!(loadedRecord < score))
        return {};
    const RecordLock lock(dir, lockTimeout);
    if (lock.failure()) {
        // An intent file the lock could not finish is an earlier store's: this
        // score was written nowhere, and no later start stores it.
        Failure failure = *lock.failure();
        failure.intentLeft = false;
        return {false, failure};
    }

    const QString scorePath = dir + scoreFileName;
    double currentRecord = 0;   // a score file deleted meanwhile holds no record
    if (QFileInfo::exists(scorePath) || QFileInfo(scorePath).isSymLink()) {
        const FileText current = readWholeFile(scorePath);
        if (current.failure)
            return {false, current.failure};
        currentRecord = recordScore(current.text);
    }
    if (!(currentRecord < score))
        return {};
    if (auto failure = writeRecordFiles(dir, scoreText, nameText))
        return {false, failure};
    return {true, std::nullopt};
}

} // namespace records
