#include "platform/keypad.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

namespace keypad {

void press(QStringView name)
{
    int key = 0;
    QString text;
    if (name.size() == 1 && name[0].isDigit()) {
        key = Qt::Key_0 + name[0].digitValue();
        text = name.toString();
    } else if (name == u"Cancella") {
        key = Qt::Key_Backspace;
        text = QStringLiteral("\b");
    } else if (name == u"Invio") {
        key = Qt::Key_Return;
        text = QStringLiteral("\r");
    } else {
        return;
    }
    QWindow *window = QGuiApplication::focusWindow();
    if (!window)
        return;
    // Posted, not sent: the page calls this from its own event, perhaps while a
    // message box waits for the pupil; the key then arrives from the event loop.
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

} // namespace keypad
