#include "fakeplatform.h"

FakePlatform::FakePlatform()
{
    recordDir = m_dir.path() + QLatin1Char('/');
}

Platform::Answer FakePlatform::messageBox(const QString &text, Style style, const QString &title)
{
    const Dialog dialog{text, style, title, false};
    dialogs.append(dialog);
    if (whileOpen)
        whileOpen(dialog);
    if (!style.testFlag(YesNo))
        return Answer::Ok;
    return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

QString FakePlatform::inputBox(const QString &prompt, const QString &title)
{
    const Dialog dialog{prompt, OkOnly, title, true};
    dialogs.append(dialog);
    if (whileOpen)
        whileOpen(dialog);
    return inputs.isEmpty() ? QString() : inputs.takeFirst();
}

void FakePlatform::randomize(double seed)
{
    seeds.append(seed);
}

float FakePlatform::nextRandom()
{
    if (!randoms.isEmpty())
        return randoms.takeFirst();
    // A small linear congruential generator: repeatable, and good enough for tests.
    m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
    return float(m_state >> 40) * 0x1p-24f;
}

QString FakePlatform::recordDirectory(QString *error)
{
    if (!recordDirError.isEmpty() && error)
        *error = recordDirError;
    return recordDirError.isEmpty() ? recordDir : QString();
}

QStringList FakePlatform::texts() const
{
    QStringList result;
    for (const Dialog &dialog : dialogs)
        result.append(dialog.text);
    return result;
}
