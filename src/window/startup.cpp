// Start-up and the window events: Form_Load, Form_Activate, Form_Resize.

#include "platform/platform.h"
#include "window/design.h"
#include "window/label.h"
#include "window/tavola.h"

#include <QLineEdit>
#include <QTimer>

void Tavola::Form_Load()
{
    Timer1->stop();

    const QString name = platform()->inputBox(QStringLiteral("Come ti chiami?"), design::appTitle);
    platform()->messageBox(QLatin1Char(' ') + name + QStringLiteral(" vediamo se sei un vero campione a Quorvel "),
                           Platform::OkOnly, design::appTitle);
    platform()->messageBox(QStringLiteral("Premi il tasto invio(Return) dopo aver scritto il numeratore"),
                           Platform::OkOnly, design::appTitle);
    platform()->messageBox(QStringLiteral("ed ancora invio dopo aver inserito il denominatore"),
                           Platform::OkOnly, design::appTitle);
    platform()->messageBox(QStringLiteral("Puoi ritornare con il mouse al numeratore per correggere"),
                           Platform::OkOnly, design::appTitle);
    platform()->messageBox(QStringLiteral("Buona fortuna ") + name, Platform::OkOnly, design::appTitle);
    lblnome1->setText(name);

    AvviaConto();
    risposteEsatte = 0;
    risposteErrate = 0;
    dirSistema = GetSystemDir();
    loadRecord();
    showStartingTime();

    cmdNext_Click();

    // The countdown starts only now. Qt delivers ticks inside modal boxes, so a
    // message about the record above would otherwise take time off the match.
    Timer1->start();
}

void Tavola::Form_Activate()
{
    txtAnswer->setFocus();
}

void Tavola::Form_Resize()
{
    if (isMinimized())
        MostraTempo();
    else
        setWindowTitle(QString(60, QLatin1Char(' ')) + design::title);
}
