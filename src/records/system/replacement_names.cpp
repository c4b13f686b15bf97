#include "records/system/file_system.h"
#include "records/system/replacement_names.h"

#include <QDir>
#include <QRandomGenerator>

#include <algorithm>

namespace records {

namespace {

constexpr int randomLength = 6;

// Checked directly: QDir's wildcards compile to regular expressions, which
// would cost more at every start than the whole listing.
bool isTemporaryOf(const QString &entry, const QString &name)
{
    return entry.size() == name.size() + 1 + randomLength && entry.startsWith(name)
        && entry.at(name.size()) == u'.';
}

} // namespace

QString temporaryNameFor(const QString &path)
{
    static constexpr char characters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString name = path + QLatin1Char('.');
    for (int i = 0; i < randomLength; ++i)
        name += QLatin1Char(characters[QRandomGenerator::global()->bounded(int(sizeof characters) - 1)]);
    return name;
}

QStringList leftoversIn(const QString &dir, const QStringList &fileNames)
{
    QStringList leftovers;
    for (const QString &entry : QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort)) {
        if (std::any_of(fileNames.begin(), fileNames.end(),
                        [&](const QString &name) { return isTemporaryOf(entry, name); }))
            leftovers.append(entry);
    }
    return leftovers;
}

} // namespace records
