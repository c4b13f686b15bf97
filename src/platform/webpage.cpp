#include "platform/webpage.h"

#include <QFontDatabase>
#include <QStringList>

#include <emscripten.h>

namespace webpage {

namespace {

EM_JS(void, dispatchProgramEnded, (), {
    if (typeof window !== "undefined")
        window.dispatchEvent(new CustomEvent("quorvel-ended"));
});

} // namespace

void addWindowFonts()
{
    // The Liberation fonts take the place of Arial and Times New Roman
    // (fonts::substituteWindowsFonts) once Qt knows them.
    const QStringList files{QStringLiteral(":/fonts/LiberationSans-Regular.ttf"),
                            QStringLiteral(":/fonts/LiberationSans-Bold.ttf"),
                            QStringLiteral(":/fonts/LiberationSans-BoldItalic.ttf"),
                            QStringLiteral(":/fonts/LiberationSerif-Bold.ttf")};
    for (const QString &file : files)
        QFontDatabase::addApplicationFont(file);
}

void enableScreenReaderSupport()
{
}

void tellProgramEnded()
{
    dispatchProgramEnded();
}

} // namespace webpage
