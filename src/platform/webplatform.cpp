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

// While the name is asked, a tap on the page gives the keyboard focus to the
// text element that Qt's prompt takes letters from, in the tap's own event
// (phones and tablets open their keyboard only then), and the keyboard is the
// device's own for letters; otherwise the answers come from the page's keypad.
EM_JS(void, tellPageItAsksName, (int asking), {
    if (typeof document === "undefined")
        return;
    document.body.classList.toggle("asking-name", asking !== 0);
    for (const input of document.querySelectorAll("body > input")) {
        if (input["data-qinputcontext"] !== undefined)
            input.inputMode = asking ? "text" : "none";
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
    tellPageItAsksName(1);
    const bool given = dialog.exec() == QDialog::Accepted;
    tellPageItAsksName(0);
    return given ? dialog.textValue() : QString();
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
