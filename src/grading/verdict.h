#pragma once

#include <QLocale>
#include <QString>

// The verdict on an answer: right or wrong, and the message the pupil reads.
namespace grading {

// The exercise's answer in both the forms the game keeps: the hidden boxes'
// texts and the numbers.
struct ExpectedAnswer {
    QString numeratorText;
    QString denominatorText;
    qint32 numerator = 0;
    qint32 denominator = 0;
};

struct Verdict {
    bool right = false;
    QString message;   // the praise, or the correction
};

constexpr int praiseCount = 6;

// The praise for a draw from 1 to praiseCount.
QString praise(int draw);

// "Sbagliato!! " and the expected fraction; a whole number shows no " / 1".
QString correctionText(const QString &numeratorText, const QString &denominatorText);

// An answer is right when its lenient readings match the expected texts and its
// strict readings are the expected numbers. Everything else is wrong, including
// text the strict reading cannot read (3/4, 1 2, 5a, blanks alone): every
// answer counts exactly once, one way or the other.
Verdict judge(const QString &numerator, const QString &denominator, const ExpectedAnswer &expected,
              int praiseDraw, const QLocale &locale = QLocale::system());

} // namespace grading
