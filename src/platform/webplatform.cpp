#include "platform/webplatform.h"

#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QTimer>

#include <emscripten.h>

namespace {

// The folder the record files have in the page's memory, and the prefix of
// their keys in the site's storage.
const QString recordFolder = QStringLiteral("/quorvel/");

// A private window or blocked cookies make reading localStorage itself throw.
EM_JS(int, siteStorageAvailable, (), {
    try {
        return typeof localStorage === "object" && localStorage !== null && localStorage.length >= 0 ? 1 : 0;
    } catch (e) {
        return 0;
    }
});

} // namespace

QString WebPlatform::inputBox(const QString &prompt, const QString &title)
{
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    // In the page a dialog opened before the window may show without the
    // keyboard: typed letters then reach the dialog, not its text box.
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.activateWindow();
        if (auto *box = dialog.findChild<QLineEdit *>())
            box->setFocus(Qt::ActiveWindowFocusReason);
    });
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString WebPlatform::recordDirectory(QString *error)
{
    if (!siteStorageAvailable()) {
        if (error)
            *error = QStringLiteral("il browser non permette a questa pagina di salvare dati "
                                    "(finestra anonima o cookie bloccati)");
        return {};
    }
    if (!QDir().mkpath(recordFolder)) {
        if (error)
            *error = QStringLiteral("impossibile creare la cartella %1 nella memoria della pagina").arg(recordFolder);
        return {};
    }
    return recordFolder;
}
