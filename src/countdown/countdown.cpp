// The countdown of a match: AvviaConto, Timer1_Timer, MostraTempo, and the
// starting time that start-up shows.

#include "countdown/clock.h"
#include "platform/platform.h"
#include "window/design.h"
#include "window/label.h"
#include "window/tavola.h"

#include <QLineEdit>
#include <QTimer>

// Sets the clock to ten minutes. Start-up starts Timer1 once it has finished.
void Tavola::AvviaConto()
{
    ore = 0;
    minuti = 10;
    secondi = 0;
    secondiRestanti = 600;
    lblconto->setText(countdown::clockText(ore, minuti, secondi));
}

// Start-up's last look at the clock before the first exercise: the seconds left
// counted from the clock that AvviaConto set, and the clock shown again.
void Tavola::showStartingTime()
{
    secondiRestanti = qint16(countdown::wholeSeconds(secondi + 600));
    lblconto->setText(countdown::clockText(ore, minuti, secondi));
}

void Tavola::Timer1_Timer()
{
    // A tick while the countdown is not running, as after it has run out, is
    // none: it must not ask again whether to leave, nor say "Tempo scaduto" again.
    if (!Timer1->isActive() || ticksHeld())
        return;
    const HoldTicks hold(this);

    if (lblconto->text() == QLatin1String("00:00:00")) {
        cmdExit_Click();
        if (hasEnded())
            return;
    }
    if (secondiRestanti <= 0) {
        platform()->messageBox(QStringLiteral("Tempo scaduto"), Platform::OkOnly, design::appTitle);
        txtAnswer->setFocus();
        Timer1->stop();
        platform()->beep();
        return;
    }
    countdown::tickDown(ore, minuti, secondi, secondiRestanti);
    lblconto->setText(countdown::clockText(ore, minuti, secondi));
    // A minimised window shows the time left in its caption, kept up to date.
    if (isMinimized())
        MostraTempo();
}

void Tavola::MostraTempo()
{
    setWindowTitle(countdown::clockText(secondiRestanti / 3600, secondiRestanti / 60 % 60,
                                        secondiRestanti % 60));
}
