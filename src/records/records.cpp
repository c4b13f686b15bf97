// The record files: GetSystemDir, Leggifiletxt, record loading, and leaving (cmdExit_Click).
// (First, plain version: the record store grows its safeguards in its own change.)

#include "../platform/platform.h"
#include "../window/design.h"
#include "../window/label.h"
#include "../window/tavola.h"

#include <QFile>

QString Tavola::GetSystemDir()
{
    return platform()->recordDirectory(nullptr);
}

QString Tavola::Leggifiletxt(const QString &nomefile)
{
    QFile file(nomefile);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readAll());
}

void Tavola::loadRecord()
{
    for (const char *name : {"/quorvrec.txt", "/quorvrec1.txt"}) {
        QFile file(dirSistema + QLatin1String(name));
        file.open(QIODevice::Append);
    }
    lblpunti->setText(Leggifiletxt(dirSistema + QStringLiteral("/quorvrec.txt")));
    lblnome->setText(Leggifiletxt(dirSistema + QStringLiteral("/quorvrec1.txt")));
}

void Tavola::cmdExit_Click()
{
    const HoldTicks hold(this);
    if (platform()->messageBox(QStringLiteral("Vuoi veramente lasciarmi  ?"), Platform::YesNo | Platform::Question | Platform::SecondButtonDefault,
                               QStringLiteral("Uscire dal programma")) == Platform::No)
        return;
    endProgram();
}
