// The window's design-time state: every control, line, menu and image, built
// afresh each time the window is loaded.

#include "window/design.h"
#include "resources/images.h"
#include "window/exercisebox.h"
#include "window/fonts.h"
#include "window/label.h"
#include "window/picturebutton.h"
#include "window/pointers.h"
#include "window/surface.h"
#include "window/tavola.h"

#include <QFrame>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>

using design::twipsRect;
using design::twipsToPixels;

namespace {

QFont makeFont(const QString &family, qreal points, bool bold = false, bool italic = false)
{
    QFont font(fonts::drawnFamily(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

template <typename Box = QLineEdit>
Box *makeTextBox(QWidget *parent, const char *name, QRect place, const QString &text, const QFont &font)
{
    // The font before the text: a text given first would be laid out twice.
    auto *box = new Box(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place);
    box->setFont(font);
    box->setAlignment(Qt::AlignCenter);
    box->setText(text);
    return box;
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

Label *makeLabel(QWidget *parent, const char *name, QRect place, const QString &text,
                 const QColor &colour, const QFont &font)
{
    auto *label = new Label(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    // No extra indent beside the border: the caption sits right inside it.
    label->setIndent(0);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setText(text);
    return label;
}

void withBorder(Label *label)
{
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
}

void centred(Label *label)
{
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

QFrame *makeLine(QWidget *parent, const char *name, int x1, int x2, int y)
{
    // A horizontal line 5 pixels wide, centred on its y.
    auto *line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    const int left = twipsToPixels(x1);
    line->setGeometry(left, twipsToPixels(y) - 2, twipsToPixels(x2) - left + 1, 5);
    line->setAutoFillBackground(true);
    setBackground(line, QColor(255, 0, 255));
    return line;
}

PictureButton *makeButton(QWidget *parent, const char *name, QRect place, const QString &caption,
                          const QColor &face)
{
    auto *button = new PictureButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    button->setFont(makeFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    setBackground(button, face);
    button->setAutoDefault(false);
    return button;
}

} // namespace

void Tavola::loadDesign()
{
    setWindowTitle(QString(61, QLatin1Char(' ')) + design::title);
    setWindowIcon(images::windowIcon());

    surface = new Surface(this);
    surface->setObjectName(QStringLiteral("Tavola"));
    surface->setFixedSize(design::clientWidth, design::clientHeight);
    setCentralWidget(surface);

    const QFont arial48 = makeFont(QStringLiteral("Arial"), 48, true);
    const QFont times36 = makeFont(QStringLiteral("Times New Roman"), 36, true);
    const QFont sans18 = makeFont(QStringLiteral("MS Sans Serif"), 18);
    const QFont sans24 = makeFont(QStringLiteral("MS Sans Serif"), 24);

    // The exercise fraction, the equals sign and the answer fraction.
    sommanumtxt = makeTextBox<ExerciseBox>(surface, "sommanumtxt", twipsRect(2640, 120, 1815, 1245), QStringLiteral("9"), arial48);
    setBackground(sommanumtxt, QColor(255, 0, 0));
    Line1[2] = makeLine(surface, "Line1_2", 2280, 4800, 1440);
    sommadentxt = makeTextBox<ExerciseBox>(surface, "sommadentxt", twipsRect(2640, 1560, 1815, 1245), QStringLiteral("10"), arial48);
    setBackground(sommadentxt, QColor(255, 0, 0));

    Label4 = makeLabel(surface, "Label4", twipsRect(5640, 720, 1815, 1575), QStringLiteral("="),
                       QColor(255, 255, 255), makeFont(QStringLiteral("Arial"), 72, true, true));
    centred(Label4);

    txtAnswer = makeTextBox(surface, "txtAnswer", twipsRect(8640, 120, 1815, 1200), QStringLiteral("9"), arial48);
    setBackground(txtAnswer, QColor(0, 128, 0));
    txtAnswer->setToolTip(QStringLiteral("Inserisci il risultato e  premi il tasto  Invio"));
    txtAnswer->setMaxLength(15);
    Line1[4] = makeLine(surface, "Line1_4", 8280, 10680, 1440);
    Text3 = makeTextBox(surface, "Text3", twipsRect(8640, 1560, 1815, 1200), QStringLiteral("10"), arial48);
    setBackground(Text3, QColor(0, 128, 0));
    Text3->setToolTip(QStringLiteral("Inserisci il risultato e  premi il tasto  Invio oppure con il mouse vai al numeratore"));
    Text3->setMaxLength(15);

    // The clock.
    Label11 = makeLabel(surface, "Label11", twipsRect(120, 240, 2415, 375), QStringLiteral("Tempo restante"),
                        QColor(255, 255, 0), makeFont(QStringLiteral("MS Sans Serif"), 13.5, true));
    Label11->setToolTip(QStringLiteral("Se premi invio passo al denominatore"));
    lblconto = makeLabel(surface, "lblconto", twipsRect(360, 840, 1575, 495), QStringLiteral("00.00.00"),
                         QColor(255, 0, 0), makeFont(QStringLiteral("Arial Black"), 12, true));
    withBorder(lblconto);

    // The message line.
    lblMessage = makeLabel(surface, "lblMessage", twipsRect(2040, 2880, 6615, 615), QString(),
                           QColor(255, 0, 0), makeFont(QStringLiteral("MS Sans Serif"), 24, true, true));
    centred(lblMessage);

    // The three counters and their headings.
    Label6 = makeLabel(surface, "Label6", twipsRect(360, 3480, 2565, 495), QStringLiteral("Risposte esatte"),
                       QColor(255, 255, 0), sans18);
    withBorder(Label6);
    centred(Label6);
    Label6->setAutoSize(true);
    Label1 = makeLabel(surface, "Label1", twipsRect(4320, 3480, 2520, 495), QStringLiteral("Risposte errate"),
                       QColor(255, 0, 0), sans18);
    withBorder(Label1);
    Label1->setAutoSize(true);
    Label3 = makeLabel(surface, "Label3", twipsRect(8160, 3480, 2340, 495), QStringLiteral("Risposte totali"),
                       QColor(0, 0, 255), sans18);
    withBorder(Label3);
    Label3->setAutoSize(true);

    lblScore = makeLabel(surface, "lblScore", twipsRect(1320, 4200, 555, 885), QStringLiteral("0"),
                         QColor(255, 255, 0), times36);
    lblScore->setToolTip(QStringLiteral("Questo è il tuo punteggio. Forza con il  record"));
    lblScore1 = makeLabel(surface, "lblScore1", twipsRect(5160, 4200, 540, 885), QStringLiteral("0"),
                          QColor(255, 0, 0), times36);
    lblScore2 = makeLabel(surface, "lblScore2", twipsRect(9120, 4080, 555, 885), QStringLiteral("0"),
                          QColor(0, 0, 255), times36);
    for (Label *score : {lblScore, lblScore1, lblScore2}) {
        withBorder(score);
        centred(score);
        score->setAutoSize(true);
    }

    // The player.
    Label14 = makeLabel(surface, "Label14", twipsRect(720, 5400, 1785, 735), QStringLiteral("Sfidante"),
                        QColor(0, 128, 0), sans24);
    withBorder(Label14);
    centred(Label14);
    Label14->setAutoFillBackground(true);
    setBackground(Label14, QColor(128, 128, 255));
    lblnome1 = makeLabel(surface, "lblnome1", twipsRect(720, 6480, 180, 495), QString(),
                         QColor(0, 128, 0), makeFont(QStringLiteral("MS Sans Serif"), 18, true));
    withBorder(lblnome1);
    lblnome1->setAutoSize(true);

    // The two buttons.
    cmdNext = makeButton(surface, "cmdNext", twipsRect(4560, 5160, 1815, 1095), QStringLiteral("&Nuovo calcolo"),
                         QColor(0, 192, 192));
    cmdNext->setPictures(images::nextPicture, images::nextPressedPicture, images::nextDisabledPicture);
    cmdNext->setToolTip(QStringLiteral("Go"));
    cmdExit = makeButton(surface, "cmdExit", twipsRect(8520, 5040, 1815, 1095), QStringLiteral("E&xit"),
                         QColor(255, 128, 0));
    cmdExit->setPictures(images::exitPicture, images::exitPicture, images::exitPicture);
    cmdExit->setToolTip(QStringLiteral("Allora ti arrendi?"));
    // A click, Enter or the space bar on the focused button, or its access key.
    // An access key presses its button 100 ms later. If Enter or a click made the
    // next exercise meanwhile, the button is disabled when that press lands, and
    // it must not throw away the exercise the pupil has just been given.
    connect(cmdNext, &QPushButton::clicked, this, [this] {
        if (cmdNext->isEnabled())
            cmdNext_Click();
    });
    connect(cmdExit, &QPushButton::clicked, this, &Tavola::cmdExit_Click);

    // The record line.
    Label12 = makeLabel(surface, "Label12", twipsRect(120, 7200, 2295, 375), QStringLiteral("Il record  è di "),
                        QColor(0, 255, 255), sans18);
    lblnome = makeLabel(surface, "lblnome", twipsRect(2520, 7200, 5535, 495), QString(),
                        QColor(0, 255, 255), sans18);
    Label13 = makeLabel(surface, "Label13", twipsRect(8280, 7200, 1455, 435), QStringLiteral("con punti"),
                        QColor(0, 255, 255), sans18);
    Label13->setAutoSize(true);
    lblpunti = makeLabel(surface, "lblpunti", twipsRect(9960, 7080, 270, 555), QStringLiteral("0"),
                         QColor(0, 255, 0), sans24);
    lblpunti->setAutoSize(true);

    // The hidden boxes that hold the exercise as text. They are never shown.
    Text1 = makeTextBox(surface, "Text1", twipsRect(480, 120, 1455, 855), QStringLiteral("1"), times36);
    Text2 = makeTextBox(surface, "Text2", twipsRect(480, 1200, 1455, 855), QStringLiteral("2"), times36);
    Text5 = makeTextBox(surface, "Text5", twipsRect(4920, 120, 1455, 855), QStringLiteral("5"), times36);
    Text6 = makeTextBox(surface, "Text6", twipsRect(4920, 2040, 1455, 855), QStringLiteral("6"), times36);
    Text9 = makeTextBox(surface, "Text9", twipsRect(2640, 240, 1815, 1215), QStringLiteral("9"), arial48);
    Text10 = makeTextBox(surface, "Text10", twipsRect(2640, 1800, 1815, 1185), QStringLiteral("10"), arial48);
    for (QLineEdit *hidden : {Text1, Text2, Text5, Text6, Text9, Text10}) {
        hidden->setVisible(false);
        // They hold the expected answer: a screen reader must not read it out.
        hidden->setEchoMode(QLineEdit::NoEcho);
    }

    // Keyboard order: the only controls that take the focus.
    setTabOrder(cmdExit, cmdNext);
    setTabOrder(cmdNext, txtAnswer);
    setTabOrder(txtAnswer, Text3);
    setTabOrder(Text3, sommanumtxt);
    setTabOrder(sommanumtxt, sommadentxt);

    // What a screen reader says for the boxes and buttons; labels are announced by their own text.
    sommanumtxt->setAccessibleName(QStringLiteral("Numeratore della frazione da semplificare"));
    sommanumtxt->setAccessibleDescription(QStringLiteral("Il numero sopra la linea della frazione da ridurre ai minimi termini"));
    sommadentxt->setAccessibleName(QStringLiteral("Denominatore della frazione da semplificare"));
    sommadentxt->setAccessibleDescription(QStringLiteral("Il numero sotto la linea della frazione da ridurre ai minimi termini"));
    txtAnswer->setAccessibleName(QStringLiteral("Numeratore della risposta"));
    txtAnswer->setAccessibleDescription(design::numeratorDescription);
    Text3->setAccessibleName(QStringLiteral("Denominatore della risposta"));
    Text3->setAccessibleDescription(QStringLiteral("Scrivi il denominatore della frazione ridotta ai minimi termini e premi Invio per la correzione"));
    cmdNext->setAccessibleName(design::nextName);
    cmdNext->setAccessibleDescription(QStringLiteral("Mostra una nuova frazione da semplificare; si può premere dopo la correzione della risposta"));
    cmdExit->setAccessibleName(QStringLiteral("Exit, esci dalla gara"));
    cmdExit->setAccessibleDescription(QStringLiteral("Chiede conferma e termina la gara; se hai battuto il record, il tuo punteggio viene salvato"));

    // The countdown ticks once a second; a precise timer keeps the match at ten real minutes.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Tavola::Timer1_Timer);
    Timer1->start();

    // Menus.
    auto *bar = new QMenuBar(this);
    Ciao = bar->addMenu(design::credits);
    Ciao->setObjectName(QStringLiteral("Ciao"));
    Tmer = Ciao->addAction(design::postalAddress);
    Tmer->setObjectName(QStringLiteral("Tmer"));
    Next = bar->addAction(QStringLiteral("Nuova gara"));
    Next->setObjectName(QStringLiteral("Next"));
    connect(Next, &QAction::triggered, this, &Tavola::Next_Click, Qt::QueuedConnection);
    webMenu = bar->addMenu(design::webAddress);
    webMenu->setObjectName(QStringLiteral("webMenu"));
    institution = webMenu->addAction(design::institution);
    institution->setObjectName(QStringLiteral("institution"));
    HELP = bar->addAction(QStringLiteral("Aiuto"));
    HELP->setObjectName(QStringLiteral("HELP"));
    connect(HELP, &QAction::triggered, this, &Tavola::HELP_Click);
    crit = bar->addMenu(QStringLiteral("Alcuni criteri di divisibilità "));
    crit->setObjectName(QStringLiteral("crit"));
    due = crit->addAction(QStringLiteral("Un numero è disivibile per 2 se è pari ossia se l'ultima cifra (quella del'unità) è 0,2,4,6,8"));
    due->setObjectName(QStringLiteral("due"));
    tre = crit->addAction(QStringLiteral("Un numero è divisibile per 3 se la somma delle sue cifre è un multiplo di 3 es 126: sì 1+2+6 = 9"));
    tre->setObjectName(QStringLiteral("tre"));
    quattro = crit->addAction(QStringLiteral("Un numero è divisibile per 4 se lo è il numero formato dalle ultime due cifre "));
    quattro->setObjectName(QStringLiteral("quattro"));
    cinque = crit->addAction(QStringLiteral("Un numero è divisibile per 5 se termina con 0 oppure 5"));
    cinque->setObjectName(QStringLiteral("cinque"));
    sei = crit->addAction(QStringLiteral("Un numero è divisibile per 6 se è divisibile sia per 2 che per 3. Es. 912 Sì  poiché è divisibile sia per 2 che per 3"));
    sei->setObjectName(QStringLiteral("sei"));
    setMenuBar(bar);

    // Each pointer is drawn the first time the mouse comes over its control.
    setPointerOnEnter(surface, images::handCursor);
    setPointerOnEnter(lblMessage, images::iconCursor);
    setPointerOnEnter(cmdNext, images::iconCursor);
    setPointerOnEnter(cmdExit, images::exitCursor);
    setPointerOnEnter(lblnome, images::nameCursor);

    // Keys of the window's controls pass through the window first (Enter routing, answer entry).
    for (QWidget *child : surface->findChildren<QWidget *>())
        child->installEventFilter(this);
}

void Tavola::unloadDesign()
{
    // Deleting the surface takes every control with it.
    delete Timer1;
    Timer1 = nullptr;
    delete takeCentralWidget();
    surface = nullptr;
    // The old menu bar goes later: this may run from one of its own items.
    setMenuWidget(nullptr);
}
