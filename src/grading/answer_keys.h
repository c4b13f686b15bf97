#pragma once

#include <optional>

class QKeyEvent;

// What the keys typed into the answer boxes mean. The boxes' handlers take a
// character code: 8 for Backspace, 13 for Enter, otherwise the character's code.
namespace grading {

constexpr int backspaceCode = 8;
constexpr int enterCode = 13;

// The characters an answer is made of: the digits, blank, Backspace, "/" and "+".
bool isAnswerCharacter(int code);

// The character a key press types into a text box, if any. Keys held down with
// Ctrl, Alt or Meta type nothing: they are commands (paste, access keys, ...).
std::optional<int> typedCharacter(const QKeyEvent &event);

// Enter or Return, on the main keyboard or the keypad, with no Ctrl, Alt or Meta.
bool isEnterKey(const QKeyEvent &event);

// An Alt+character press. When no enabled access key took it, it still reaches
// the focused box, which would insert the character: the window eats it.
bool isAltCharacter(const QKeyEvent &event);

} // namespace grading
