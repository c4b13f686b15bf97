#include "window/tavola.h"
#include "window/fonts.h"
#include "window/windowstyle.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QTimer>

Tavola::Tavola(Platform *platform, QWidget *parent)
    : QMainWindow(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("Tavola"));
    fonts::substituteWindowsFonts();
    WindowStyle::install();
    loadDesign();
    // The layout is fixed: the window is exactly as large as its controls need.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Tavola::~Tavola() = default;

bool Tavola::event(QEvent *event)
{
    // Activation puts the focus into the numerator box once per showing of the
    // window; coming back from one of the game's own message boxes is not a new
    // activation and must not pull the focus away from "Nuovo calcolo".
    if (event->type() == QEvent::Show) {
        m_activationPending = true;
        // A window shown again at the same size (a new match) gets no resize
        // event, yet its caption must be the one a first showing gives it.
        Form_Resize();
    }
    // A browser's page activates the window before it shows it: then the
    // showing itself brings the activation.
    const bool activated = event->type() == QEvent::WindowActivate
        || (event->type() == QEvent::Show && isActiveWindow());
    if (activated && m_activationPending) {
        m_activationPending = false;
        Form_Activate();
    }
    return QMainWindow::event(event);
}

void Tavola::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        m_enter.forget();
}

void Tavola::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Tavola::closeEvent(QCloseEvent *event)
{
    // The close button ends the program at once: no confirmation, no record.
    if (Timer1)
        Timer1->stop();
    event->accept();
    QCoreApplication::quit();
}

void Tavola::endProgram()
{
    m_ended = true;
    if (Timer1)
        Timer1->stop();
    hide();
    QCoreApplication::quit();
}
