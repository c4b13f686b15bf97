#include "window/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>

#include <utility>

namespace fonts {

namespace {

const std::pair<QString, QString> twins[] = {
    {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
    {QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans")},
    {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
    {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
};

} // namespace

void substituteWindowsFonts()
{
    for (const auto &[design, twin] : twins)
        QFont::insertSubstitution(design, twin);
}

QString drawnFamily(const QString &designFamily)
{
    // A font that names a family Qt does not know makes Qt ask fontconfig for a
    // list of fallback families, for every such name in every slant, and again
    // for the twin it then draws with: a tenth of start-up's work. A font that
    // names an installed family needs that list only for a character the
    // family lacks.
    static QHash<QString, QString> drawn;
    if (const auto known = drawn.constFind(designFamily); known != drawn.cend())
        return *known;
    const QStringList installed = QFontDatabase::families();
    QString family = designFamily;
    if (!installed.contains(designFamily, Qt::CaseInsensitive)) {
        for (const auto &[design, twin] : twins) {
            if (design == designFamily && installed.contains(twin, Qt::CaseInsensitive))
                family = twin;
        }
    }
    drawn.insert(designFamily, family);
    return family;
}

} // namespace fonts
