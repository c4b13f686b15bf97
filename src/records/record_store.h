#pragma once

#include "records/record_files.h"

#include <QString>

#include <optional>

namespace records {

// The number a record caption (or a score caption) stands for; an empty or
// non-numeric caption counts as 0.
double recordScore(const QString &caption);

// How long leaving waits for another copy of the game to finish storing its record.
constexpr int lockTimeoutMs = 5000;

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
