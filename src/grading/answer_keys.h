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

// Tells a new press of a key from the same key held down, whose repeats the
// system flags. A repeat counts as held only after a press of the key that
// this window saw: the release of a press that closed a message box goes to
// the box, and Windows may then flag the next press as a repeat.
class HeldKey
{
public:
    // Whether this press is a new one.
    bool pressIsNew(bool autoRepeat)
    {
        const bool isNew = !autoRepeat || !m_down;
        m_down = true;
        return isNew;
    }
    void released(bool autoRepeat)
    {
        if (!autoRepeat)
            m_down = false;
    }
    // The window lost the keyboard: the key is released elsewhere.
    void forget() { m_down = false; }

private:
    bool m_down = false;
};

} // namespace grading
