#pragma once

#include "records/system/file_system.h"
#include "records/record_files.h"

#include <QLockFile>
#include <QString>

#include <array>
#include <optional>

namespace records {

// The number a record caption (or a score caption) stands for; an empty or
// non-numeric caption counts as 0.
double recordScore(const QString &caption);

// How long leaving waits for another copy of the game to finish storing its record.
constexpr int lockTimeoutMs = 5000;

// The record folder held by this copy of the game until the object goes: other
// copies wait to read or store the record meanwhile. Taking it first puts the
// folder in order after a copy that died while storing (finishInterruptedStore).
class RecordLock
{
public:
    explicit RecordLock(const QString &dir, int lockTimeout = lockTimeoutMs);
    RecordLock(const RecordLock &) = delete;
    RecordLock &operator=(const RecordLock &) = delete;

    // Why the folder could not be held (Directory, Lock) or put in order (Read, Write).
    const std::optional<Failure> &failure() const { return m_failure; }

private:
    // Taken first and let go last: in the browser the lock file is in the page's memory.
    FolderGuard m_guard;
    QLockFile m_lock;
    std::optional<Failure> m_failure;
};

using PairVersion = std::array<FileVersion, 2>;   // the score file's, the name file's

// The versions of the two record files, when both are regular files.
std::optional<PairVersion> pairVersion(const QString &dir);

// The versions of the two record files when, besides, no copy of the game holds
// the record lock and the folder needs no putting in order (no intent file, no
// temporary files): the usual start. A pair read after this is whole if
// pairVersion() is still the same after the reading: a store replaces the two
// files one after the other while its intent file is there, and any file
// replaced between the two readings shows in its version. Never in the browser,
// whose folder in memory may be behind another page's store.
std::optional<PairVersion> quietPairVersion(const QString &dir);

struct StoreResult {
    bool stored = false;
    std::optional<Failure> failure;
};

// Stores the score and the name as the new record when the score beats, strictly,
// both the record loaded at start and the one in the score file now (another copy
// of the game may have set a higher one meanwhile). The comparison and the writing
// happen under a lock in the record directory. Nothing is touched when the score
// is not higher or anything fails.
StoreResult storeIfHigher(const QString &dir, double loadedRecord, const QString &scoreText,
                          const QString &nameText, int lockTimeout = lockTimeoutMs);

} // namespace records
