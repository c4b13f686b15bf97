#pragma once

#include <QString>

namespace help {

// How a fraction is reduced, with a worked example; it begins with a blank so
// that it reads well straight after the pupil's name.
inline const QString text = QStringLiteral(
    " Devi risolvere così: es  5/15 = Dividendo numeratore e denominatore (pr.inv.) per 5 (MCD) "
    "otteniamo 1/3 (soluzione) che è la frazione equivalente a 5/15 ma ridotta ai minimi termini "
    "Per fare i calcoli mentalmente ripassate i criteri di divisibilità - Ciao ");

// The message of "Aiuto": the name exactly as typed, then the text, with nothing between.
inline QString message(const QString &name) { return name + text; }

} // namespace help
