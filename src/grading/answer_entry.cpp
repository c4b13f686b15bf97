// Answer entry: the keys of the two answer boxes, and Enter for the default button.

#include "grading/answer_keys.h"
#include "window/picturebutton.h"
#include "window/tavola.h"

#include <QKeyEvent>
#include <QLineEdit>

bool Tavola::eventFilter(QObject *watched, QEvent *event)
{
    // This runs before the control's own key handling.
    if (event->type() == QEvent::KeyRelease) {
        const auto &key = *static_cast<QKeyEvent *>(event);
        if (grading::isEnterKey(key))
            m_enter.released(key.isAutoRepeat());
    }
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const auto &key = *static_cast<QKeyEvent *>(event);

    if (grading::isEnterKey(key)) {
        // An Enter held down would otherwise race through grading, the next
        // exercise and grading its empty boxes, over and over: one press, one step.
        if (!m_enter.pressIsNew(key.isAutoRepeat()))
            return true;
        // A focused button takes Enter itself. Anywhere else Enter belongs to
        // "Nuovo calcolo" while it is enabled, and the control never sees it.
        if (auto *button = qobject_cast<QPushButton *>(watched)) {
            button->click();
            return true;
        }
        if (cmdNext->isEnabled()) {
            cmdNext->click();
            return true;
        }
    }

    // An Alt+letter that no enabled access key took is not typing.
    if (qobject_cast<QLineEdit *>(watched) && grading::isAltCharacter(key))
        return true;

    // The handlers see every character first; the key then goes on to the box
    // it was typed in, even when the handler has moved the focus away.
    if (watched == txtAnswer || watched == Text3) {
        if (const std::optional<int> code = grading::typedCharacter(key)) {
            if (watched == txtAnswer)
                txtAnswer_KeyPress(*code);
            else
                Text3_KeyPress(*code);
        }
    }
    return false;
}

void Tavola::txtAnswer_KeyPress(int keyAscii)
{
    // Enter, a letter, "-" or anything else that is not part of an answer moves
    // on to the denominator.
    if (!grading::isAnswerCharacter(keyAscii))
        Text3->setFocus();
}

void Tavola::Text3_KeyPress(int keyAscii)
{
    if (keyAscii == grading::enterCode)
        valutaRisposta();
}
