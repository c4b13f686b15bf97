#pragma once

#include "window/tavola.h"

// The game state of a window as a test reads it, by the state's own names. The
// window keeps its state private and lets this view, and nothing else, read it.
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

private:
    const Tavola &m_window;
};

// The one write: the answer counts, set near their limit of 32767, which that
// many answers through the handlers would take seconds to reach.
void setAnswerCountsForTest(Tavola &window, qint16 right, qint16 wrong);
