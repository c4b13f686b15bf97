#include "countdown/clock.h"

#include <cmath>

namespace countdown {

namespace {
QString twoDigits(long value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}
} // namespace

QString clockText(int ore, int minuti, float secondi)
{
    return twoDigits(ore) + QLatin1Char(':') + twoDigits(minuti) + QLatin1Char(':')
         + twoDigits(std::lrint(secondi));
}

int wholeSeconds(float value)
{
    return int(std::nearbyint(value));
}

} // namespace countdown

namespace countdown {

void tickDown(qint16 &ore, qint16 &minuti, float &secondi, qint16 &secondiRestanti)
{
    if (secondi == 0) {
        if (minuti > 0) {
            --minuti;
            secondi = 60;
        } else if (minuti == 0) {
            if (ore > 0) {
                --ore;
                minuti = 59;
                secondi = 60;
            } else {
                ore = 0;
                minuti = 0;
            }
        }
    }
    secondi -= 1;
    --secondiRestanti;
}

} // namespace countdown
