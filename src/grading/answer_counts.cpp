#include "grading/answer_counts.h"

namespace grading {

AnswerCounts counted(AnswerCounts counts, bool right)
{
    // The total is never below either count, so it reaches the limit first.
    if (counts.total() >= countLimit)
        return counts;
    if (right)
        ++counts.right;
    else
        ++counts.wrong;
    return counts;
}

} // namespace grading
