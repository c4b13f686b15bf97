// What a screen reader announces: the boxes and buttons by Italian names that
// say what each is for, the labels by their own changing text, the buttons'
// access keys, nothing of the hidden boxes, and during a match the fraction,
// the verdict and the exercise's plain numbers.

#include "support/fakeplatform.h"
#include "support/tavolaview.h"

#include "window/tavola.h"

#include <QAccessible>
#include <QTest>

namespace {

QAccessibleInterface *announced(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void boxesAndButtons_data();
    void boxesAndButtons();
    void labelsAnnounceTheirOwnText_data();
    void labelsAnnounceTheirOwnText();
    void buttonsAnnounceTheirAccessKeys();
    void hiddenBoxesAreNotShown();
    void matchIsHeard_data();
    void matchIsHeard();
};

void TestAccessibility::boxesAndButtons_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    const int box = QAccessible::EditableText, button = QAccessible::Button;
    QTest::newRow("sommanumtxt") << "sommanumtxt" << box << "Numeratore della frazione da semplificare"
                                 << "Il numero sopra la linea della frazione da ridurre ai minimi termini";
    QTest::newRow("sommadentxt") << "sommadentxt" << box << "Denominatore della frazione da semplificare"
                                 << "Il numero sotto la linea della frazione da ridurre ai minimi termini";
    QTest::newRow("txtAnswer") << "txtAnswer" << box << "Numeratore della risposta"
                               << "Scrivi il numeratore della frazione ridotta ai minimi termini e premi Invio per passare al denominatore";
    QTest::newRow("Text3") << "Text3" << box << "Denominatore della risposta"
                           << "Scrivi il denominatore della frazione ridotta ai minimi termini e premi Invio per la correzione";
    QTest::newRow("cmdNext") << "cmdNext" << button << "Nuovo calcolo"
                             << "Mostra una nuova frazione da semplificare; si può premere dopo la correzione della risposta";
    QTest::newRow("cmdExit") << "cmdExit" << button << "Exit, esci dalla gara"
                             << "Chiede conferma e termina la gara; se hai battuto il record, il tuo punteggio viene salvato";
}

void TestAccessibility::boxesAndButtons()
{
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);

    FakePlatform platform;
    Tavola window(&platform);
    QAccessibleInterface *face = announced(named<QWidget>(window, control));
    QVERIFY(face);
    QCOMPARE(int(face->role()), role);
    QCOMPARE(face->text(QAccessible::Name), name);
    QCOMPARE(face->text(QAccessible::Description), description);
    // The tool tip stays the tool tip: the description does not replace it.
    if (control == QLatin1String("txtAnswer"))
        QCOMPARE(box(window, "txtAnswer")->toolTip(), QStringLiteral("Inserisci il risultato e  premi il tasto  Invio"));
}

void TestAccessibility::labelsAnnounceTheirOwnText_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("designText");
    QTest::addColumn<QString>("laterText");

    QTest::newRow("clock") << "lblconto" << "00.00.00" << "00:09:59";
    QTest::newRow("message") << "lblMessage" << "" << "Bravo!";
    QTest::newRow("score") << "lblScore" << "0" << "12";
    QTest::newRow("wrong answers") << "lblScore1" << "0" << "3";
    QTest::newRow("player") << "lblnome1" << "" << "Anna";
    QTest::newRow("record holder") << "lblnome" << "" << "Marco";
    QTest::newRow("heading") << "Label11" << "Tempo restante" << "Tempo restante";
    QTest::newRow("record heading") << "Label12" << "Il record  è di " << "Il record  è di ";
}

void TestAccessibility::labelsAnnounceTheirOwnText()
{
    QFETCH(QString, label);
    QFETCH(QString, designText);
    QFETCH(QString, laterText);

    FakePlatform platform;
    Tavola window(&platform);
    Label *control = named<Label>(window, label);
    QAccessibleInterface *face = announced(control);
    QCOMPARE(int(face->role()), int(QAccessible::StaticText));
    QCOMPARE(face->text(QAccessible::Name), designText);
    control->setText(laterText);
    QCOMPARE(face->text(QAccessible::Name), laterText);
}

void TestAccessibility::buttonsAnnounceTheirAccessKeys()
{
    FakePlatform platform;
    Tavola window(&platform);
    const struct { PictureButton *button; QString keys; } rows[] = {
        {button(window, "cmdNext"), QStringLiteral("Alt+N")},
        {button(window, "cmdExit"), QStringLiteral("Alt+X")},
    };
    for (const auto &row : rows) {
        QAccessibleActionInterface *actions = announced(row.button)->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList{row.keys});
    }
}

void TestAccessibility::hiddenBoxesAreNotShown()
{
    FakePlatform platform;
    Tavola window(&platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.cmdNext_Click();
    for (const char *name : {"Text1", "Text2", "Text5", "Text6", "Text9", "Text10"}) {
        QLineEdit *hidden = box(window, name);
        QAccessibleInterface *face = announced(hidden);
        QVERIFY2(face->state().invisible, qPrintable(hidden->objectName()));
        // A screen reader must not read out the expected answer.
        QVERIFY(!hidden->text().isEmpty());
        QCOMPARE(face->text(QAccessible::Value), QString());
        QVERIFY(face->textInterface());
        QCOMPARE(face->textInterface()->text(0, face->textInterface()->characterCount()), QString());
    }
    QVERIFY(!announced(box(window, "txtAnswer"))->state().invisible);
}

void TestAccessibility::matchIsHeard_data()
{
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("denominator");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("right") << "2" << "3" << "F A N T A S T I C O!!!";
    QTest::newRow("wrong") << "4" << "6" << "Sbagliato!! 2 / 3";
    QTest::newRow("both boxes empty") << "" << "" << "Sbagliato!! 2 / 3";
}

void TestAccessibility::matchIsHeard()
{
    QFETCH(QString, numerator);
    QFETCH(QString, denominator);
    QFETCH(QString, verdict);

    FakePlatform platform;
    Tavola window(&platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // 1/3 + 1/3 with the factor 2: the pupil sees 4 over 6; the third praise is next.
    platform.randoms = {0.5f / 11, 0.5f / 8, 2.5f / 10, 0.0f, 2.5f / 6};
    window.cmdNext_Click();

    // The fraction, in what the focused numerator box says.
    QCOMPARE(window.focusWidget(), box(window, "txtAnswer"));
    QCOMPARE(announced(box(window, "txtAnswer"))->text(QAccessible::Description),
             QStringLiteral("Semplifica 4 su 6. Scrivi il numeratore della frazione ridotta ai minimi termini e premi Invio per passare al denominatore"));

    // The exercise's numbers plainly, though Tab selects them.
    box(window, "sommanumtxt")->selectAll();
    QAccessibleTextInterface *number = announced(box(window, "sommanumtxt"))->textInterface();
    QVERIFY(number);
    QCOMPARE(number->text(0, number->characterCount()), QStringLiteral("4"));
    QCOMPARE(number->selectionCount(), 0);

    // The verdict exactly as shown, then the button that has the focus now.
    box(window, "txtAnswer")->setText(numerator);
    box(window, "Text3")->setText(denominator);
    window.valutaRisposta();
    QCOMPARE(label(window, "lblMessage")->text(), verdict);
    QCOMPARE(window.focusWidget(), button(window, "cmdNext"));
    QCOMPARE(announced(button(window, "cmdNext"))->text(QAccessible::Name), verdict + QStringLiteral(" Nuovo calcolo"));

    // The next exercise has no verdict yet.
    window.cmdNext_Click();
    QCOMPARE(announced(button(window, "cmdNext"))->text(QAccessible::Name), QStringLiteral("Nuovo calcolo"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
