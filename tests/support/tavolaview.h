#pragma once

#include "window/label.h"
#include "window/picturebutton.h"
#include "window/surface.h"
#include "window/tavola.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QLineEdit>

// How a test sees a window: its controls by their object names, their design
// names, as any user's tool finds them, and its game state through TavolaView.
// A control that is missing stops the test at once.
template<typename Control>
Control *named(const QObject &window, const QString &name)
{
    auto *control = window.findChild<Control *>(name);
    if (!control)
        qFatal("no %s named %s", Control::staticMetaObject.className(), qPrintable(name));
    return control;
}

// The kinds of control tests reach most; the drawing surface carries the window's name.
inline QLineEdit *box(const QObject &window, const QString &name) { return named<QLineEdit>(window, name); }
inline Label *label(const QObject &window, const QString &name) { return named<Label>(window, name); }
inline PictureButton *button(const QObject &window, const QString &name) { return named<PictureButton>(window, name); }
inline Surface *surface(const QObject &window) { return named<Surface>(window, QStringLiteral("Tavola")); }

// The pointer of a control as the pupil sees it: each is drawn once the mouse comes over its control.
inline QCursor pointerOver(QWidget *control)
{
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(control, &enter);
    return control->cursor();
}

// The three counters as the pupil reads them: right, wrong and total answers.
inline QString scores(const QObject &window)
{
    return label(window, "lblScore")->text() + QLatin1Char(' ') + label(window, "lblScore1")->text()
        + QLatin1Char(' ') + label(window, "lblScore2")->text();
}

// The game state by its own names, read-only: the window keeps it private and
// lets this view alone see it.
class TavolaView
{
public:
    explicit TavolaView(const Tavola &window) : m_window(window) {}
    qint32 numRidotto() const { return m_window.numRidotto; }
    qint32 denRidotto() const { return m_window.denRidotto; }
    qint16 fattore() const { return m_window.fattore; }
    qint16 risposteEsatte() const { return m_window.risposteEsatte; }
    qint16 risposteErrate() const { return m_window.risposteErrate; }
    qint16 secondiRestanti() const { return m_window.secondiRestanti; }
    QString dirSistema() const { return m_window.dirSistema; }
    bool hasEnded() const { return m_window.hasEnded(); }

    // The one write: the answer counts at their limit of 32767, which answering
    // through the handlers would take seconds to reach.
    static void setAnswerCounts(Tavola &window, qint16 right, qint16 wrong)
    {
        window.risposteEsatte = right;
        window.risposteErrate = wrong;
    }

private:
    const Tavola &m_window;
};
