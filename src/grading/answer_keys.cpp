#include "grading/answer_keys.h"

#include <QKeyEvent>

namespace grading {

namespace {

bool isCommand(const QKeyEvent &event)
{
    return event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

bool isPrintable(const QKeyEvent &event)
{
    return !event.text().isEmpty() && event.text().front().isPrint();
}

} // namespace

bool isAnswerCharacter(int code)
{
    return (code >= '0' && code <= '9') || code == ' ' || code == backspaceCode || code == '/'
        || code == '+';
}

std::optional<int> typedCharacter(const QKeyEvent &event)
{
    if (isCommand(event))
        return std::nullopt;
    if (event.key() == Qt::Key_Backspace)
        return backspaceCode;
    if (isEnterKey(event))
        return enterCode;
    if (!isPrintable(event))
        return std::nullopt;
    return event.text().front().unicode();
}

bool isEnterKey(const QKeyEvent &event)
{
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) && !isCommand(event);
}

bool isAltCharacter(const QKeyEvent &event)
{
    return (event.modifiers() & Qt::AltModifier) && isPrintable(event);
}

} // namespace grading
