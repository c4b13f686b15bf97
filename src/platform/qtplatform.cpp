#include "platform/qtplatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTime>

#include <bit>
#include <filesystem>

QWidget *QtPlatform::dialogParent() const
{
    // While the window is hidden, at start-up and at a new match, a box goes in the
    // middle of the screen: Qt would centre it on the hidden window's last place,
    // which differs between a first start and a new match.
    return m_parent && m_parent->isVisible() ? m_parent : nullptr;
}

Platform::Answer QtPlatform::messageBox(const QString &text, Style style, const QString &title)
{
    QMessageBox box(dialogParent());
    box.setWindowTitle(title);
    // The text may hold a name as typed or a file's content: never read it as HTML.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    if (style.testFlag(YesNo)) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(style.testFlag(SecondButtonDefault) ? QMessageBox::No : QMessageBox::Yes);
        // No Cancel: Escape and the close button answer No.
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    if (style.testFlag(Question))
        box.setIcon(QMessageBox::Question);
    const int pressed = box.exec();
    if (style.testFlag(YesNo))
        return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
    return Answer::Ok;
}

QString QtPlatform::inputBox(const QString &prompt, const QString &title)
{
    bool ok = false;
    const QString text = QInputDialog::getText(dialogParent(), title, prompt, QLineEdit::Normal,
                                               QString(), &ok);
    return ok ? text : QString();
}

void QtPlatform::beep()
{
    QApplication::beep();
}

double QtPlatform::secondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void QtPlatform::randomize(double seed)
{
    // Every bit of the seed counts, so two seeds a millisecond apart differ.
    const auto bits = std::bit_cast<std::uint64_t>(seed);
    std::seed_seq sequence{std::uint32_t(bits), std::uint32_t(bits >> 32)};
    m_generator.seed(sequence);
}

float QtPlatform::nextRandom()
{
    // 24 random bits: every float on the grid k / 2^24, so 1 is never reached.
    return float(m_generator() >> 8) * 0x1p-24f;
}

QString QtPlatform::recordDirectory(QString *error)
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) {
        if (error)
            *error = QStringLiteral("nessuna cartella dei dati per questo utente");
        return {};
    }
    const QString dir = base + QStringLiteral("/quorvel");
    // std::filesystem, unlike QDir::mkpath, tells why the directory cannot be made.
    // The path goes as UTF-16, which Windows takes as it is and Debian as UTF-8.
    std::error_code failure;
    std::filesystem::create_directories(std::filesystem::path(dir.toStdU16String()), failure);
    if (failure || !QFileInfo(dir).isDir()) {
        const QString reason = failure ? QString::fromLocal8Bit(failure.message())
                                       : QStringLiteral("non è una cartella");
        if (error)
            *error = QStringLiteral("impossibile creare la cartella %1 (%2)")
                         .arg(QDir::toNativeSeparators(dir), reason);
        return {};
    }
    return dir + QLatin1Char('/');
}
