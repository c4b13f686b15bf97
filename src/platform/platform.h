#pragma once

#include <QString>

// Everything the game needs from the machine it runs on. The window receives one
// of these, so tests can answer dialogs, fix the clock and script the random numbers.
class Platform
{
public:
    // Message-box answers and style bits, in the numbering the game uses throughout.
    enum Answer { Ok = 1, Yes = 6, No = 7 };
    enum Style { OkOnly = 0, YesNo = 4, Question = 32, SecondButtonDefault = 256 };

    virtual ~Platform() = default;

    // A modal message box; `style` combines the Style bits. Returns an Answer.
    virtual int messageBox(const QString &text, int style, const QString &title) = 0;
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
