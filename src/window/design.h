#pragma once

#include <QRect>
#include <QString>

// Units and fixed texts of the window's design.
namespace design {

// 15 twips are one logical pixel.
constexpr int twipsToPixels(int twips) { return (twips * 2 + 15) / 30; }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// The client area: 10800 x 7710 twips.
constexpr int clientWidth = 720;
constexpr int clientHeight = 514;

inline const QString title = QStringLiteral("Giochiamo con le semplificazioni (Riduzione ai minimi termini)");
inline const QString appTitle = QStringLiteral("Quorvel");

// The captions of the menu items that are ours to choose.
inline const QString credits = QStringLiteral("Autori: gli insegnanti di Quorvel");
inline const QString postalAddress = QStringLiteral("Via dei Numeri 1, Paese delle Frazioni");
inline const QString webAddress = QStringLiteral("www.quorvel.example");
inline const QString institution = QStringLiteral("Scuola delle Frazioni");

// What a screen reader calls "Nuovo calcolo".
inline const QString nextName = QStringLiteral("Nuovo calcolo");

// What the numerator box tells a screen reader; during an exercise the fraction
// to reduce comes first, so that it is heard where the focus already is.
inline const QString numeratorDescription =
    QStringLiteral("Scrivi il numeratore della frazione ridotta ai minimi termini e premi Invio per passare al denominatore");
inline QString numeratorDescriptionFor(const QString &numerator, const QString &denominator)
{
    return QStringLiteral("Semplifica %1 su %2. ").arg(numerator, denominator) + numeratorDescription;
}

} // namespace design
