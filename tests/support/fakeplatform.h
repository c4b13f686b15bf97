#pragma once

#include "platform/platform.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <functional>

// A platform for tests: dialogs answered from a script and recorded, a fixed
// clock, scripted random numbers and a temporary record directory.
class FakePlatform : public Platform
{
public:
    struct Dialog {
        QString text;
        Style style;
        QString title;
        bool input = false;
    };

    FakePlatform();

    // Answers given in turn to message boxes; when none is left, the default.
    QList<Answer> answers;
    Answer defaultAnswer = Answer::No;
    // Texts typed into input boxes in turn; a null QString stands for Cancel.
    QList<QString> inputs;
    // Runs while a dialog is "open", before it answers: lets a test act inside it.
    std::function<void(const Dialog &)> whileOpen;

    // Everything shown, in order.
    QList<Dialog> dialogs;
    int beeps = 0;

    // Random numbers handed out in turn; when the list runs dry, a simple
    // seeded generator goes on.
    QList<float> randoms;
    double clock = 12 * 3600.0;
    QList<double> seeds;

    QString recordDir;   // defaults to a fresh temporary directory, with "/" at the end
    QString recordDirError;

    Answer messageBox(const QString &text, Style style, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title) override;
    void beep() override { ++beeps; }
    double secondsSinceMidnight() override { return clock; }
    void randomize(double seed) override;
    float nextRandom() override;
    QString recordDirectory(QString *error) override;

    // The texts of all message and input boxes shown so far.
    QStringList texts() const;

private:
    QTemporaryDir m_dir;
    quint64 m_state = 1;
};
