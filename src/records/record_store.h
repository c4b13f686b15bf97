#pragma once

#include "records/record_files.h"

#include <QLockFile>
#include <QString>

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

    // Why the folder could not be held (Directory, Lock) or put in order (Write).
    const std::optional<Failure> &failure() const { return m_failure; }

private:
    QLockFile m_lock;
    std::optional<Failure> m_failure;
};

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
