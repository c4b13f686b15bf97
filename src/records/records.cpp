// The record on the window: GetSystemDir, Leggifiletxt, record loading, and
// leaving the game (cmdExit_Click), which stores a better score.

#include "platform/platform.h"
#include "records/record_files.h"
#include "records/record_store.h"
#include "window/design.h"
#include "window/label.h"
#include "window/tavola.h"

#include <QDir>

namespace {

QString failureText(const records::Failure &failure)
{
    const QString file = QDir::toNativeSeparators(QDir::cleanPath(failure.file));
    switch (failure.step) {
    case records::Failure::Directory:
        return QStringLiteral("Non posso usare la cartella dei record: %1").arg(failure.reason);
    case records::Failure::Create:
        return QStringLiteral("Non posso creare il file del record %1: %2").arg(file, failure.reason);
    case records::Failure::Read:
        return QStringLiteral("Non posso leggere il file del record %1: %2").arg(file, failure.reason);
    case records::Failure::Write:
        return QStringLiteral("Non posso scrivere il file del record %1: %2").arg(file, failure.reason);
    case records::Failure::Lock:
        return QStringLiteral("Non posso bloccare il file %1: %2").arg(file, failure.reason);
    }
    return failure.reason;
}

void report(Platform *platform, const records::Failure &failure, const QString &consequence = QString())
{
    platform->messageBox(failureText(failure) + consequence, Platform::OkOnly, design::appTitle);
}

} // namespace

QString Tavola::GetSystemDir()
{
    QString reason;
    const QString dir = platform()->recordDirectory(&reason);
    if (dir.isEmpty())
        report(platform(), {records::Failure::Directory, QString(), reason});
    return dir;
}

QString Tavola::Leggifiletxt(const QString &nomefile)
{
    const records::FileText content = records::readWholeFile(nomefile);
    if (content.failure)
        report(platform(), *content.failure);
    return content.text;
}

void Tavola::loadRecord()
{
    const QString scorePath = dirSistema + records::scoreFileName;
    const QString namePath = dirSistema + records::nameFileName;
    // Usually the folder is in order and no other copy of the game is at work
    // in it: the record is then read as it stands, without the lock, whose file
    // would be written and synced to disk at every start. Should a store have
    // replaced a file meanwhile, the record is read again under the lock.
    if (const auto before = records::quietPairVersion(dirSistema)) {
        const QString score = Leggifiletxt(scorePath);
        const QString name = Leggifiletxt(namePath);
        if (records::pairVersion(dirSistema) == before) {
            lblpunti->setText(score);
            lblnome->setText(name);
            return;
        }
    }

    // Held while the record is read, so that a copy storing one meanwhile cannot
    // show its new score with the old name; a store left half done by a copy that
    // died is finished first, and said when it cannot be. A folder that cannot be
    // locked (read-only, say) is read as it is.
    const records::RecordLock lock(dirSistema);
    if (const auto &failure = lock.failure();
        failure && (failure->step == records::Failure::Write || failure->step == records::Failure::Read))
        report(platform(), *failure);
    // Without a directory (GetSystemDir has said why) there is no record to show.
    const auto createFile = [this](const QString &path) {
        if (dirSistema.isEmpty())
            return false;
        const auto failure = records::createIfMissing(path);
        if (failure)
            report(platform(), *failure);
        return !failure;
    };
    const bool scoreExists = createFile(scorePath);
    const bool nameExists = createFile(namePath);
    lblpunti->setText(scoreExists ? Leggifiletxt(scorePath) : QString());
    lblnome->setText(nameExists ? Leggifiletxt(namePath) : QString());
}

void Tavola::cmdExit_Click()
{
    // The countdown calls this from its tick: no tick may come back in here
    // while one of its message boxes is open.
    const HoldTicks hold(this);
    if (platform()->messageBox(QStringLiteral("Vuoi veramente lasciarmi  ?"),
                               Platform::YesNo | Platform::Question | Platform::SecondButtonDefault,
                               QStringLiteral("Uscire dal programma")) == Platform::Answer::No)
        return;

    const records::StoreResult result = records::storeIfHigher(
        dirSistema, records::recordScore(lblpunti->text()), lblScore->text(), lblnome1->text());
    if (result.stored)
        platform()->messageBox(QStringLiteral("Ok ho registrato il tuo record, C A M P I O N E\""),
                               Platform::OkOnly, design::appTitle);
    else if (result.failure)
        report(platform(), *result.failure,
               result.failure->intentLeft ? QStringLiteral("\nIl gioco proverà a registrare il record al prossimo avvio.")
                                          : QStringLiteral("\nIl record non è stato registrato."));
    endProgram();
}
