// The window's design: every control where it belongs, with its texts, fonts,
// colours and tool tips, the menus, the keyboard order, and the window events.

#include "support/fakeplatform.h"
#include "support/tavolaview.h"

#include "window/design.h"
#include "window/fonts.h"
#include "window/tavola.h"

#include <QFontDatabase>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

namespace {

struct Look {
    QString family;
    qreal points;
    bool bold;
    bool italic;
};

QColor textColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}

QColor backColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::Base);
}

// The family a design family is laid out with: itself where it is installed
// (on Windows, or on Debian with Microsoft's core fonts), else its Liberation twin.
QString laidOut(const QString &design)
{
    if (QFontDatabase::families().contains(design))
        return design;
    return design == QLatin1String("Times New Roman") ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans");
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void textBoxes_data();
    void textBoxes();
    void labels_data();
    void labels();
    void autoSizedLabelsFollowTheirCaption();
    void fontsAreDrawnAsDesignedOrByTheirTwins_data();
    void fontsAreDrawnAsDesignedOrByTheirTwins();
    void drawnFamily_data();
    void drawnFamily();
    void buttons();
    void lines();
    void everyVisibleControlInsideTheClientArea();
    void tabOrder();
    void menus();
    void ruleEntriesChangeNothing();
    void timerAndCaption();
    void minimisedCaption();
};

void TestWindow::textBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");   // in pixels, 15 twips each
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QString>("family");   // as designed
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<int>("maxLength");

    const QColor red(255, 0, 0), green(0, 128, 0), white(255, 255, 255);
    const QString arial = QStringLiteral("Arial"), times = QStringLiteral("Times New Roman");
    QTest::newRow("sommanumtxt") << "sommanumtxt" << QRect(176, 8, 121, 83) << "9" << red << arial << 48.0 << true << "" << 32767;
    QTest::newRow("sommadentxt") << "sommadentxt" << QRect(176, 104, 121, 83) << "10" << red << arial << 48.0 << true << "" << 32767;
    QTest::newRow("txtAnswer") << "txtAnswer" << QRect(576, 8, 121, 80) << "9" << green << arial << 48.0 << true
                               << "Inserisci il risultato e  premi il tasto  Invio" << 15;
    QTest::newRow("Text3") << "Text3" << QRect(576, 104, 121, 80) << "10" << green << arial << 48.0 << true
                           << "Inserisci il risultato e  premi il tasto  Invio oppure con il mouse vai al numeratore" << 15;
    QTest::newRow("Text1") << "Text1" << QRect(32, 8, 97, 57) << "1" << white << times << 36.0 << false << "" << 32767;
    QTest::newRow("Text2") << "Text2" << QRect(32, 80, 97, 57) << "2" << white << times << 36.0 << false << "" << 32767;
    QTest::newRow("Text5") << "Text5" << QRect(328, 8, 97, 57) << "5" << white << times << 36.0 << false << "" << 32767;
    QTest::newRow("Text6") << "Text6" << QRect(328, 136, 97, 57) << "6" << white << times << 36.0 << false << "" << 32767;
    QTest::newRow("Text9") << "Text9" << QRect(176, 16, 121, 81) << "9" << white << arial << 48.0 << false << "" << 32767;
    QTest::newRow("Text10") << "Text10" << QRect(176, 120, 121, 79) << "10" << white << arial << 48.0 << false << "" << 32767;
}

void TestWindow::textBoxes()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, text);
    QFETCH(QColor, background);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(bool, visible);
    QFETCH(QString, toolTip);
    QFETCH(int, maxLength);

    FakePlatform platform;
    Tavola window(&platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QLineEdit *box = named<QLineEdit>(window, name);
    QCOMPARE(box->geometry(), place);
    QCOMPARE(box->text(), text);
    if (visible)
        QCOMPARE(backColour(box), background);
    QCOMPARE(box->font().family(), laidOut(family));
    QCOMPARE(box->font().pointSizeF(), points);
    QVERIFY(box->font().bold());
    QCOMPARE(box->alignment(), Qt::AlignCenter);
    QCOMPARE(box->isVisible(), visible);
    QCOMPARE(box->toolTip(), toolTip);
    QCOMPARE(box->maxLength(), maxLength);
}

void TestWindow::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");   // in pixels, 15 twips each
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("family");   // as designed
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("border");
    QTest::addColumn<bool>("centred");
    QTest::addColumn<bool>("autoSize");
    QTest::addColumn<QString>("toolTip");

    const QString sans = QStringLiteral("MS Sans Serif"), times = QStringLiteral("Times New Roman");
    const QColor yellow(255, 255, 0), red(255, 0, 0), blue(0, 0, 255), cyan(0, 255, 255), green(0, 128, 0);
    QTest::newRow("Label4") << "Label4" << QRect(376, 48, 121, 105) << "=" << QColor(255, 255, 255) << "Arial" << 72.0 << true << true << false << true << false << "";
    QTest::newRow("Label11") << "Label11" << QRect(8, 16, 161, 25) << "Tempo restante" << yellow << sans << 13.5 << true << false << false << false << false
                             << "Se premi invio passo al denominatore";
    QTest::newRow("lblconto") << "lblconto" << QRect(24, 56, 105, 33) << "00.00.00" << red << "Arial Black" << 12.0 << true << false << true << false << false << "";
    QTest::newRow("lblMessage") << "lblMessage" << QRect(136, 192, 441, 41) << "" << red << sans << 24.0 << true << true << false << true << false << "";
    QTest::newRow("Label6") << "Label6" << QRect(24, 232, 171, 33) << "Risposte esatte" << yellow << sans << 18.0 << false << false << true << true << true << "";
    QTest::newRow("Label1") << "Label1" << QRect(288, 232, 168, 33) << "Risposte errate" << red << sans << 18.0 << false << false << true << false << true << "";
    QTest::newRow("Label3") << "Label3" << QRect(544, 232, 156, 33) << "Risposte totali" << blue << sans << 18.0 << false << false << true << false << true << "";
    QTest::newRow("lblScore") << "lblScore" << QRect(88, 280, 37, 59) << "0" << yellow << times << 36.0 << true << false << true << true << true
                              << "Questo è il tuo punteggio. Forza con il  record";
    QTest::newRow("lblScore1") << "lblScore1" << QRect(344, 280, 36, 59) << "0" << red << times << 36.0 << true << false << true << true << true << "";
    QTest::newRow("lblScore2") << "lblScore2" << QRect(608, 272, 37, 59) << "0" << blue << times << 36.0 << true << false << true << true << true << "";
    QTest::newRow("Label14") << "Label14" << QRect(48, 360, 119, 49) << "Sfidante" << green << sans << 24.0 << false << false << true << true << false << "";
    QTest::newRow("lblnome1") << "lblnome1" << QRect(48, 432, 12, 33) << "" << green << sans << 18.0 << true << false << true << false << true << "";
    QTest::newRow("Label12") << "Label12" << QRect(8, 480, 153, 25) << "Il record  è di " << cyan << sans << 18.0 << false << false << false << false << false << "";
    QTest::newRow("lblnome") << "lblnome" << QRect(168, 480, 369, 33) << "" << cyan << sans << 18.0 << false << false << false << false << false << "";
    QTest::newRow("Label13") << "Label13" << QRect(552, 480, 97, 29) << "con punti" << cyan << sans << 18.0 << false << false << false << false << true << "";
    QTest::newRow("lblpunti") << "lblpunti" << QRect(664, 472, 18, 37) << "0" << QColor(0, 255, 0) << sans << 24.0 << false << false << false << false << true << "";
}

void TestWindow::labels()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, border);
    QFETCH(bool, centred);
    QFETCH(bool, autoSize);
    QFETCH(QString, toolTip);

    FakePlatform platform;
    Tavola window(&platform);
    const Label *label = named<Label>(window, name);
    // Every label keeps its place; one that sizes to its text takes its caption's size.
    QCOMPARE(label->pos(), place.topLeft());
    QCOMPARE(label->autoSize(), autoSize);
    if (autoSize)
        QCOMPARE(label->size(), label->sizeHint());
    else
        QCOMPARE(label->size(), place.size());
    QCOMPARE(label->text(), text);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(textColour(label), colour);
    QCOMPARE(label->font().family(), laidOut(family));
    QCOMPARE(label->font().pointSizeF(), points);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->font().italic(), italic);
    QCOMPARE(label->frameShape() == QFrame::Box, border);
    QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), centred);
    QCOMPARE(label->toolTip(), toolTip);
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    // Only "Sfidante" paints its own background.
    QCOMPARE(label->autoFillBackground(), name == QLatin1String("Label14"));
    if (name == QLatin1String("Label14"))
        QCOMPARE(label->palette().color(QPalette::Window), QColor(128, 128, 255));
}

void TestWindow::autoSizedLabelsFollowTheirCaption()
{
    FakePlatform platform;
    Tavola window(&platform);
    const QPoint place = label(window, "lblScore")->pos();
    const int narrow = label(window, "lblScore")->width();
    label(window, "lblScore")->setText(QStringLiteral("32767"));
    QVERIFY(label(window, "lblScore")->width() > 3 * narrow);
    QCOMPARE(label(window, "lblScore")->pos(), place);
    // A caption with a line end grows a second line, as the record line does.
    const int oneLine = label(window, "lblpunti")->height();
    label(window, "lblpunti")->setText(QStringLiteral("12\r\n"));
    QVERIFY(label(window, "lblpunti")->height() > oneLine);
}

void TestWindow::fontsAreDrawnAsDesignedOrByTheirTwins_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("design");
    QTest::newRow("Arial") << "sommanumtxt" << "Arial";
    QTest::newRow("Arial Black") << "lblconto" << "Arial Black";
    QTest::newRow("MS Sans Serif") << "Label3" << "MS Sans Serif";
    QTest::newRow("Times New Roman") << "lblScore" << "Times New Roman";
}

void TestWindow::fontsAreDrawnAsDesignedOrByTheirTwins()
{
    // Drawn with another family, the headings are wider and run off the window.
    QFETCH(QString, control);
    QFETCH(QString, design);
    FakePlatform platform;
    Tavola window(&platform);
    QCOMPARE(QFontInfo(named<QWidget>(window, control)->font()).family(), laidOut(design));
}

void TestWindow::drawnFamily_data()
{
    QTest::addColumn<QString>("design");
    QTest::addColumn<QString>("drawnWith");
    QTest::newRow("sans, with a twin") << "Arial Black" << laidOut("Arial Black");
    QTest::newRow("serif, with a twin") << "Times New Roman" << laidOut("Times New Roman");
    QTest::newRow("installed") << "Liberation Serif" << "Liberation Serif";
    QTest::newRow("missing, no twin") << "Quorvel Gothic" << "Quorvel Gothic";
}

void TestWindow::drawnFamily()
{
    // A family is only ever replaced by its own installed twin; what Qt
    // cannot resolve here is left for Qt's own fallbacks.
    QFETCH(QString, design);
    QFETCH(QString, drawnWith);
    QCOMPARE(fonts::drawnFamily(design), drawnWith);
}

void TestWindow::buttons()
{
    FakePlatform platform;
    Tavola window(&platform);
    struct Row { PictureButton *button; QRect place; QString text; QColor face; QString toolTip; };
    const Row rows[] = {
        {button(window, "cmdNext"), {304, 344, 121, 73}, QStringLiteral("&Nuovo calcolo"), QColor(0, 192, 192), QStringLiteral("Go")},
        {button(window, "cmdExit"), {568, 336, 121, 73}, QStringLiteral("E&xit"), QColor(255, 128, 0), QStringLiteral("Allora ti arrendi?")},
    };
    for (const Row &row : rows) {
        QCOMPARE(row.button->geometry(), row.place);
        QCOMPARE(row.button->text(), row.text);
        QCOMPARE(row.button->palette().color(QPalette::Button), row.face);
        QCOMPARE(row.button->toolTip(), row.toolTip);
        QCOMPARE(row.button->font().family(), QStringLiteral("Liberation Sans"));   // for MS Sans Serif
        QCOMPARE(row.button->font().pointSizeF(), 8.25);
        QVERIFY(row.button->font().bold());
        QVERIFY(!row.button->currentPicture().isNull());
        QCOMPARE(row.button->currentPicture().deviceIndependentSize(), QSizeF(32, 32));
    }
    // cmdNext shows another face while disabled and while held down.
    const QImage normal = button(window, "cmdNext")->currentPicture().toImage();
    button(window, "cmdNext")->setDown(true);
    const QImage pressed = button(window, "cmdNext")->currentPicture().toImage();
    button(window, "cmdNext")->setDown(false);
    button(window, "cmdNext")->setEnabled(false);
    const QImage disabled = button(window, "cmdNext")->currentPicture().toImage();
    QVERIFY(normal != pressed);
    QVERIFY(normal != disabled);
    QVERIFY(pressed != disabled);
    // The icon, drawn at the size asked for: the bar of its fraction.
    QCOMPARE(window.windowIcon().pixmap(64).toImage().pixelColor(32, 32), QColor(255, 0, 255));
    // The custom pointers, with their hot spots, drawn when the mouse first comes over their controls.
    QVERIFY(!surface(window)->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(pointerOver(button(window, "cmdExit")).hotSpot(), QPoint(3, 3));
    QCOMPARE(pointerOver(label(window, "lblnome")).hotSpot(), QPoint(0, 0));
    QCOMPARE(pointerOver(surface(window)).hotSpot(), QPoint(1, 1));
    QCOMPARE(pointerOver(label(window, "lblMessage")).shape(), Qt::BitmapCursor);
    QCOMPARE(pointerOver(button(window, "cmdNext")).shape(), Qt::BitmapCursor);
}

void TestWindow::lines()
{
    FakePlatform platform;
    Tavola window(&platform);
    QVERIFY(!window.findChild<QFrame *>("Line1_0") && !window.findChild<QFrame *>("Line1_1") && !window.findChild<QFrame *>("Line1_3"));
    // Element 2 from (2280, 1440) to (4800, 1440); element 4 from (8280, 1440) to (10680, 1440); 5 pixels wide.
    QCOMPARE(named<QFrame>(window, "Line1_2")->geometry(), QRect(152, 94, 169, 5));
    QCOMPARE(named<QFrame>(window, "Line1_4")->geometry(), QRect(552, 94, 161, 5));
    for (const char *element : {"Line1_2", "Line1_4"})
        QCOMPARE(named<QFrame>(window, element)->palette().color(QPalette::Window), QColor(255, 0, 255));
}

void TestWindow::everyVisibleControlInsideTheClientArea()
{
    FakePlatform platform;
    Tavola window(&platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(surface(window)->size(), QSize(720, 514));
    QCOMPARE(surface(window)->backColor(), QColor(0, 0, 255));
    for (QWidget *child : surface(window)->findChildren<QWidget *>()) {
        if (child->isVisible())
            QVERIFY2(surface(window)->rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
    // The lowest control, lblnome, reaches down to 7200 + 495 twips, 513 pixels.
    QCOMPARE(label(window, "lblnome")->geometry().bottom() + 1, 513);
}

void TestWindow::tabOrder()
{
    FakePlatform platform;
    Tavola window(&platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto visit = [&](QWidget *start) {
        QStringList names;
        QWidget *w = start;
        do {
            names.append(w->objectName());
            w = w->nextInFocusChain();
            while (w != start && !(w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)))
                w = w->nextInFocusChain();
        } while (w != start && names.size() < 20);
        return names;
    };
    QCOMPARE(visit(button(window, "cmdExit")), (QStringList{"cmdExit", "cmdNext", "txtAnswer", "Text3", "sommanumtxt", "sommadentxt"}));
    // A disabled control is skipped.
    button(window, "cmdNext")->setEnabled(false);
    QCOMPARE(visit(button(window, "cmdExit")), (QStringList{"cmdExit", "txtAnswer", "Text3", "sommanumtxt", "sommadentxt"}));
    // There is no hidden or covered button to lose the focus to.
    QCOMPARE(surface(window)->findChildren<QPushButton *>().size(), 2);
}

void TestWindow::menus()
{
    FakePlatform platform;
    Tavola window(&platform);
    const QList<QAction *> bar = window.menuBar()->actions();
    QCOMPARE(bar.size(), 5);
    QCOMPARE(bar[0]->menu(), named<QMenu>(window, "Ciao"));
    QCOMPARE(bar[0]->text(), design::credits);
    QCOMPARE(named<QMenu>(window, "Ciao")->actions(), QList<QAction *>{named<QAction>(window, "Tmer")});
    QCOMPARE(bar[1], named<QAction>(window, "Next"));
    QCOMPARE(named<QAction>(window, "Next")->text(), QStringLiteral("Nuova gara"));
    QCOMPARE(bar[2]->menu(), named<QMenu>(window, "webMenu"));
    QCOMPARE(named<QMenu>(window, "webMenu")->actions(), QList<QAction *>{named<QAction>(window, "institution")});
    QCOMPARE(bar[3], named<QAction>(window, "HELP"));
    QCOMPARE(named<QAction>(window, "HELP")->text(), QStringLiteral("Aiuto"));
    QCOMPARE(bar[4]->menu(), named<QMenu>(window, "crit"));
    QCOMPARE(bar[4]->text(), QStringLiteral("Alcuni criteri di divisibilità "));
    QStringList rules;
    for (QAction *rule : named<QMenu>(window, "crit")->actions())
        rules.append(rule->text());
    QCOMPARE(rules, (QStringList{
        "Un numero è disivibile per 2 se è pari ossia se l'ultima cifra (quella del'unità) è 0,2,4,6,8",
        "Un numero è divisibile per 3 se la somma delle sue cifre è un multiplo di 3 es 126: sì 1+2+6 = 9",
        "Un numero è divisibile per 4 se lo è il numero formato dalle ultime due cifre ",
        "Un numero è divisibile per 5 se termina con 0 oppure 5",
        "Un numero è divisibile per 6 se è divisibile sia per 2 che per 3. Es. 912 Sì  poiché è divisibile sia per 2 che per 3",
    }));
    // Our own captions name no one: no "&" access keys anywhere in the menus.
    for (QAction *item : window.menuBar()->findChildren<QAction *>())
        QVERIFY(!item->text().contains(QLatin1Char('&')));
}

void TestWindow::ruleEntriesChangeNothing()
{
    FakePlatform platform;
    Tavola window(&platform);
    window.cmdNext_Click();
    const QString shown = box(window, "sommanumtxt")->text() + QLatin1Char('/') + box(window, "sommadentxt")->text();
    for (const char *item : {"due", "tre", "quattro", "cinque", "sei", "Tmer", "institution"})
        named<QAction>(window, item)->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(box(window, "sommanumtxt")->text() + QLatin1Char('/') + box(window, "sommadentxt")->text(), shown);
    QVERIFY(platform.dialogs.isEmpty());
    QCOMPARE(TavolaView(window).risposteEsatte() + TavolaView(window).risposteErrate(), 0);
}

void TestWindow::timerAndCaption()
{
    FakePlatform platform;
    Tavola window(&platform);
    QCOMPARE(named<QTimer>(window, "Timer1")->interval(), 1000);
    QCOMPARE(named<QTimer>(window, "Timer1")->timerType(), Qt::PreciseTimer);
    QVERIFY(named<QTimer>(window, "Timer1")->isActive());   // on by design; start-up turns it off at once
    QCOMPARE(window.windowTitle(), QString(61, QLatin1Char(' ')) + design::title);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QString(60, QLatin1Char(' ')) + design::title);
}

void TestWindow::minimisedCaption()
{
    FakePlatform platform;
    Tavola window(&platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.AvviaConto();
    window.Timer1_Timer();
    window.setWindowState(Qt::WindowMinimized);
    QTRY_COMPARE(window.windowTitle(), QStringLiteral("00:09:59"));
    window.setWindowState(Qt::WindowNoState);
    QTRY_COMPARE(window.windowTitle(), QString(60, QLatin1Char(' ')) + design::title);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
