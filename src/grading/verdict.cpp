#include "grading/verdict.h"
#include "numbers/number_reading.h"

#include <array>

namespace grading {

namespace {

bool readsAs(const QString &text, qint32 expected, const QLocale &locale)
{
    const std::optional<double> value = numbers::strictNumber(text, locale);
    return value && *value == double(expected);
}

} // namespace

QString praise(int draw)
{
    static const std::array<QString, praiseCount> praises = {
        QStringLiteral("Esatto. Sei eccezionale!!!"),
        QStringLiteral("OKKKKKKKKKKKKK!!!"),
        QStringLiteral("F A N T A S T I C O!!!"),
        QStringLiteral("M I T I C O!!!"),
        QStringLiteral("O T T I M O!!!"),
        QStringLiteral("SEI UN CAMPIONE!!!"),
    };
    Q_ASSERT(draw >= 1 && draw <= praiseCount);
    return praises.at(draw - 1);
}

QString correctionText(const QString &numeratorText, const QString &denominatorText)
{
    QString text = QStringLiteral("Sbagliato!! ") + numeratorText;
    if (numbers::lenientNumber(denominatorText) != 1)
        text += QStringLiteral(" / ") + denominatorText;
    return text;
}

Verdict judge(const QString &numerator, const QString &denominator, const ExpectedAnswer &expected,
              int praiseDraw, const QLocale &locale)
{
    const bool matchesTexts = numbers::lenientNumber(numerator) == numbers::lenientNumber(expected.numeratorText)
        && numbers::lenientNumber(denominator) == numbers::lenientNumber(expected.denominatorText);
    const bool right = matchesTexts && readsAs(numerator, expected.numerator, locale)
        && readsAs(denominator, expected.denominator, locale);
    if (right)
        return {true, praise(praiseDraw)};
    return {false, correctionText(expected.numeratorText, expected.denominatorText)};
}

} // namespace grading
