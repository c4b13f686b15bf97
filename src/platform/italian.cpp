#include "platform/italian.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

bool installQtItalian()
{
    // Debian's Qt keeps its translations in its own folder; the game for
    // Windows carries the one it needs in its resources.
    auto *translator = new QTranslator(QCoreApplication::instance());
    const auto load = [translator](const QString &folder) {
        return translator->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"), folder);
    };
    if (!load(QLibraryInfo::path(QLibraryInfo::TranslationsPath)) && !load(QStringLiteral(":/translations"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace platform
