#pragma once

#include <QFlags>
#include <QString>

// Everything the game needs from the machine it runs on. The window receives one
// of these, so tests can answer dialogs, fix the clock and script the random numbers.
class Platform
{
public:
    // A message box's buttons, icon and default button, and the button that
    // closed it, numbered as in the game's design.
    enum StyleFlag { OkOnly = 0, YesNo = 4, Question = 32, SecondButtonDefault = 256 };
    Q_DECLARE_FLAGS(Style, StyleFlag)
    enum class Answer { Ok = 1, Yes = 6, No = 7 };

    virtual ~Platform() = default;

    // A modal message box: OK alone, or Yes and No as `style` says.
    virtual Answer messageBox(const QString &text, Style style, const QString &title) = 0;
    // A modal input box with OK and Cancel; Cancel gives the empty text.
    virtual QString inputBox(const QString &prompt, const QString &title) = 0;
    virtual void beep() = 0;

    // Seconds since midnight, with their fractional part.
    virtual double secondsSinceMidnight() = 0;
    // The one uniform generator of the game: re-seeding, and the next number in [0, 1).
    virtual void randomize(double seed) = 0;
    virtual float nextRandom() = 0;

    // The directory of the record files, ending with "/", created when missing.
    // Empty when it cannot be had; `error` then says why.
    virtual QString recordDirectory(QString *error) = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Platform::Style)
