#pragma once

#include <QtGlobal>

// The counts of right and wrong answers in a match.
namespace grading {

// The counts are 16-bit, like their total.
constexpr int countLimit = 32767;

struct AnswerCounts {
    qint16 right = 0;
    qint16 wrong = 0;

    int total() const { return right + wrong; }
    bool operator==(const AnswerCounts &) const = default;
};

// The counts after one more answer. An answer that would take a count or the
// total past the limit leaves them as they are rather than wrap.
AnswerCounts counted(AnswerCounts counts, bool right);

} // namespace grading
