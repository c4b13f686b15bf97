#pragma once

#include "grading/answer_keys.h"

#include <QMainWindow>
#include <QString>

#include <array>

class Platform;
class Label;
class PictureButton;
class Surface;
class TavolaView;
class QAction;
class QFrame;
class QLineEdit;
class QMenu;
class QTimer;

// The game's one window. It holds the game state and the controls, both
// private, and its handlers are the game: each is defined in the folder of its
// subsystem. Each control carries its design name as its object name, which is
// how tests, like any user's tool, find it.
class Tavola : public QMainWindow
{
    Q_OBJECT

public:
    explicit Tavola(Platform *platform, QWidget *parent = nullptr);
    ~Tavola() override;

    // --- Start-up and window events (window/) ---
    void Form_Load();
    void Form_Activate();
    void Form_Resize();

    // --- New exercise (exercise/) ---
    void cmdNext_Click();
    void CercaFrazione(double x, qint32 &n, qint32 &d);

    // --- Answer entry and grading (grading/) ---
    void txtAnswer_KeyPress(int keyAscii);
    void Text3_KeyPress(int keyAscii);
    void valutaRisposta();

    // --- Countdown (countdown/) ---
    void AvviaConto();
    void Timer1_Timer();
    void MostraTempo();

    // --- Records, leaving and a new match (records/) ---
    QString GetSystemDir();
    QString Leggifiletxt(const QString &nomefile);
    void loadRecord();
    void cmdExit_Click();
    void Next_Click();

    // --- Help (help/) ---
    void HELP_Click();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Tests read the game state through this view (tests/support/tavolaview.h),
    // which writes nothing but the answer counts, to stand them at their limit.
    friend class TavolaView;

    Platform *platform() const { return m_platform; }

    // True once the program has been ended by a confirmed leave.
    bool hasEnded() const { return m_ended; }

    // Holds the countdown back while it lives: ticks that arrive meanwhile are
    // dropped. Qt delivers timer ticks inside modal dialogs, and a tick must not
    // open a second leaving confirmation on top of the first.
    class HoldTicks
    {
    public:
        explicit HoldTicks(Tavola *window) : m_window(window) { ++m_window->m_ticksHeld; }
        ~HoldTicks() { --m_window->m_ticksHeld; }
        HoldTicks(const HoldTicks &) = delete;
        HoldTicks &operator=(const HoldTicks &) = delete;
    private:
        Tavola *m_window;
    };
    bool ticksHeld() const { return m_ticksHeld > 0; }

    // Builds every control and menu in its design-time state (window/design.cpp).
    void loadDesign();
    // Destroys the controls, as unloading the window does; the object and its state stay.
    void unloadDesign();
    // Start-up's seconds left and clock, once the record is loaded (countdown/).
    void showStartingTime();
    // Ends the program after a confirmed leave.
    void endProgram();

    // --- Game state ---
    qint32 numRidotto = 0;
    qint32 denRidotto = 0;
    qint16 fattore = 0;
    qint16 risposteEsatte = 0;
    qint16 risposteErrate = 0;
    qint16 ore = 0;
    qint16 minuti = 0;
    float secondi = 0;
    qint16 secondiRestanti = 0;
    QString dirSistema;

    // --- Controls, rebuilt from their design every time the window is loaded ---
    Surface *surface = nullptr;
    QLineEdit *sommanumtxt = nullptr;
    QLineEdit *sommadentxt = nullptr;
    QLineEdit *txtAnswer = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text5 = nullptr;
    QLineEdit *Text6 = nullptr;
    QLineEdit *Text9 = nullptr;
    QLineEdit *Text10 = nullptr;
    std::array<QFrame *, 5> Line1{};   // elements 2 and 4 exist
    Label *Label4 = nullptr;
    Label *Label11 = nullptr;
    Label *lblconto = nullptr;
    Label *lblMessage = nullptr;
    Label *Label6 = nullptr;
    Label *Label1 = nullptr;
    Label *Label3 = nullptr;
    Label *lblScore = nullptr;
    Label *lblScore1 = nullptr;
    Label *lblScore2 = nullptr;
    Label *Label14 = nullptr;
    Label *lblnome1 = nullptr;
    Label *Label12 = nullptr;
    Label *lblnome = nullptr;
    Label *Label13 = nullptr;
    Label *lblpunti = nullptr;
    PictureButton *cmdNext = nullptr;
    PictureButton *cmdExit = nullptr;
    QTimer *Timer1 = nullptr;

    // Menus
    QMenu *Ciao = nullptr;
    QAction *Tmer = nullptr;
    QAction *Next = nullptr;
    QMenu *webMenu = nullptr;
    QAction *institution = nullptr;
    QAction *HELP = nullptr;
    QMenu *crit = nullptr;
    QAction *due = nullptr;
    QAction *tre = nullptr;
    QAction *quattro = nullptr;
    QAction *cinque = nullptr;
    QAction *sei = nullptr;

    Platform *m_platform;
    bool m_ended = false;
    bool m_activationPending = false;
    int m_ticksHeld = 0;
    grading::HeldKey m_enter;
};
