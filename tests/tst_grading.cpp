// Answer entry and grading: the verdict, the counts, and the keys of the
// answer boxes, Enter and the access keys through the window.

#include "support/fakeplatform.h"
#include "support/tavolaview.h"
#include "support/testparts.h"

#include "grading/answer_keys.h"
#include "grading/verdict.h"
#include "platform/keypad.h"
#include "platform/qtplatform.h"
#include "window/tavola.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <map>

namespace {

const QString correctionTwoThirds = QStringLiteral("Sbagliato!! 2 / 3");
const QString correctionFive = QStringLiteral("Sbagliato!! 5");
const QString fantastico = QStringLiteral("F A N T A S T I C O!!!");

// The r that makes Int(r x n + 1) draw k.
float rFor(int k, int n)
{
    return (float(k) - 0.5f) / float(n);
}

// A game window with the countdown held still, so only the keys act on it.
struct Game
{
    FakePlatform platform;
    Tavola window{&platform};

    Game() { named<QTimer>(window, "Timer1")->stop(); }

    bool showActive()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    // The exercise made from the operands a/d + c/d; the next praise drawn is the third.
    void exercise(int a, int c, int d)
    {
        platform.randoms = {rFor(a, 11), rFor(c, 8), rFor(d, 10), 0.0f, rFor(3, 6)};
        window.cmdNext_Click();
    }

    // Keys as a pupil types them, each to the control that has the focus then:
    // "\r" is Enter, "\b" Backspace.
    void type(const QString &keys)
    {
        for (const QChar c : keys) {
            QWidget *focus = QApplication::focusWidget();
            if (c == QLatin1Char('\r'))
                QTest::keyClick(focus, Qt::Key_Return);
            else if (c == QLatin1Char('\b'))
                QTest::keyClick(focus, Qt::Key_Backspace);
            else
                QTest::keyClick(focus, c.toLatin1());
        }
    }

    // A click near the right end of a box: the focus, and the cursor after its text.
    static void clickInto(QLineEdit *box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
    }

    // Graded: the background plain black, "Nuovo calcolo" enabled and holding the focus.
    bool isGraded() const
    {
        return surface(window)->backColor() == QColor(Qt::black) && !surface(window)->hasDrawing()
            && button(window, "cmdNext")->isEnabled() && window.focusWidget() == button(window, "cmdNext");
    }

    // A new exercise open: empty boxes and message, the bands back, "Nuovo
    // calcolo" disabled and the focus in the numerator box.
    bool isExerciseOpen() const
    {
        return box(window, "txtAnswer")->text().isEmpty() && box(window, "Text3")->text().isEmpty()
            && label(window, "lblMessage")->text().isEmpty() && surface(window)->hasDrawing()
            && !button(window, "cmdNext")->isEnabled() && window.focusWidget() == box(window, "txtAnswer");
    }
};

} // namespace

// The plain logic, no window.
class TestGradingRules : public QObject
{
    Q_OBJECT

private slots:
    void answerCharacters();
    void typedCharacter_data();
    void typedCharacter();
    void verdict_data();
    void verdict();
};

// Through the window.
class TestGrading : public QObject
{
    Q_OBJECT

private slots:
    void roadOfOneAnswer();
    void answerBoxKeys_data();
    void answerBoxKeys();
    void gradingOnEnter_data();
    void gradingOnEnter();
    void nextExerciseAfterGrading_data();
    void nextExerciseAfterGrading();
    void enterNeverReachesABoxWhileNextIsEnabled_data();
    void enterNeverReachesABoxWhileNextIsEnabled();
    void enterOnExitButtonPressesExit_data();
    void enterOnExitButtonPressesExit();
    void heldEnterIsOnePress_data();
    void heldEnterIsOnePress();
    void keypadKeysAreTheKeyboards();
    void praises_data();
    void praises();
    void praisesEquallyFrequent();
    void countsStopAtTheLimit_data();
    void countsStopAtTheLimit();
    void accessKeys_data();
    void accessKeys();
};

void TestGradingRules::answerCharacters()
{
    QList<int> found;
    for (int code = 0; code < 256; ++code) {
        if (grading::isAnswerCharacter(code))
            found.append(code);
    }
    QCOMPARE(found, (QList<int>{8, 32, 43, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57}));
}

void TestGradingRules::typedCharacter_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");   // -1: types nothing

    QTest::newRow("digit") << int(Qt::Key_7) << 0 << QStringLiteral("7") << 55;
    QTest::newRow("slash with Shift") << int(Qt::Key_Slash) << int(Qt::ShiftModifier) << QStringLiteral("/") << 47;
    QTest::newRow("accented letter") << int(Qt::Key_Egrave) << 0 << QStringLiteral("è") << 0xE8;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << QStringLiteral("\b") << 8;
    QTest::newRow("Backspace without text") << int(Qt::Key_Backspace) << 0 << QString() << 8;
    QTest::newRow("Return") << int(Qt::Key_Return) << 0 << QStringLiteral("\r") << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << QStringLiteral("\r") << 13;
    QTest::newRow("Alt+N") << int(Qt::Key_N) << int(Qt::AltModifier) << QStringLiteral("n") << -1;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << QStringLiteral("\x16") << -1;
    QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << QString() << -1;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << QStringLiteral("\x7f") << -1;
}

void TestGradingRules::typedCharacter()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, code);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(grading::typedCharacter(event).value_or(-1), code);
}

void TestGradingRules::verdict_data()
{
    // The readings follow the locale; the window's tests run in the C locale.
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("denominator");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("message");

    QTest::newRow("Italian decimal comma") << "2,0" << "3" << "it_IT" << fantastico;
    QTest::newRow("English decimal point") << "2.0" << "3" << "en_US" << fantastico;
    QTest::newRow("decimal point in Italian") << "2.0" << "3" << "it_IT" << correctionTwoThirds;
    // The lenient reading sees 3, the strict one refuses the group separator:
    // wrong, not left uncounted.
    QTest::newRow("Italian thousands") << "2" << "3.000" << "it_IT" << correctionTwoThirds;
}

void TestGradingRules::verdict()
{
    QFETCH(QString, numerator);
    QFETCH(QString, denominator);
    QFETCH(QString, locale);
    QFETCH(QString, message);
    const grading::ExpectedAnswer twoThirds{QStringLiteral("2"), QStringLiteral("3"), 2, 3};
    const grading::Verdict verdict = grading::judge(numerator, denominator, twoThirds, 3, QLocale(locale));
    QCOMPARE(verdict.message, message);
    QCOMPARE(verdict.right, message == fantastico);
}

void TestGrading::roadOfOneAnswer()
{
    Game game;
    QVERIFY(game.showActive());
    Tavola &w = game.window;
    game.exercise(1, 1, 3);   // 2/3, shown as 4/6
    QCOMPARE(box(w, "sommanumtxt")->text(), QStringLiteral("4"));
    QCOMPARE(w.focusWidget(), box(w, "txtAnswer"));

    game.type(QStringLiteral("2"));
    QCOMPARE(box(w, "txtAnswer")->text(), QStringLiteral("2"));
    QCOMPARE(w.focusWidget(), box(w, "txtAnswer"));
    game.type(QStringLiteral("\r"));
    QCOMPARE(w.focusWidget(), box(w, "Text3"));
    QCOMPARE(scores(game.window), QStringLiteral("0 0 0"));

    game.type(QStringLiteral("3\r"));
    QCOMPARE(box(w, "Text3")->text(), QStringLiteral("3"));
    QCOMPARE(label(w, "lblMessage")->text(), fantastico);
    QCOMPARE(scores(game.window), QStringLiteral("1 0 1"));
    QVERIFY(game.isGraded());

    game.type(QStringLiteral("\r"));
    QCOMPARE(scores(game.window), QStringLiteral("1 0 1"));
    QVERIFY(game.isExerciseOpen());
}

void TestGrading::answerBoxKeys_data()
{
    QTest::addColumn<bool>("startInDenominator");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("denominator");
    QTest::addColumn<bool>("focusInDenominator");

    QTest::newRow("digits, / and blank stay") << false << "3/4" << "3/4" << "" << false;
    QTest::newRow("digits, + and blank stay") << false << "1 2+" << "1 2+" << "" << false;
    QTest::newRow("Backspace never moves on") << false << "12\b" << "1" << "" << false;
    QTest::newRow("Enter moves on, box empty") << false << "\r" << "" << "" << true;
    QTest::newRow("Enter moves on") << false << "7\r" << "7" << "" << true;
    QTest::newRow("a letter lands, then moves on") << false << "a" << "a" << "" << true;
    QTest::newRow("a second letter goes below") << false << "ab" << "a" << "b" << true;
    QTest::newRow("minus lands, then moves on") << false << "-" << "-" << "" << true;
    QTest::newRow("point lands, then moves on") << false << "2.5" << "2." << "5" << true;
    QTest::newRow("the denominator keeps letters") << true << "x-y" << "" << "x-y" << true;
    QTest::newRow("at most 15 characters") << false << "1234567890123456" << "123456789012345" << "" << false;
}

void TestGrading::answerBoxKeys()
{
    QFETCH(bool, startInDenominator);
    QFETCH(QString, keys);
    QFETCH(QString, numerator);
    QFETCH(QString, denominator);
    QFETCH(bool, focusInDenominator);

    Game game;
    QVERIFY(game.showActive());
    game.exercise(1, 1, 3);
    if (startInDenominator)
        Game::clickInto(box(game.window, "Text3"));
    game.type(keys);
    QCOMPARE(box(game.window, "txtAnswer")->text(), numerator);
    QCOMPARE(box(game.window, "Text3")->text(), denominator);
    QCOMPARE(game.window.focusWidget(), focusInDenominator ? box(game.window, "Text3") : box(game.window, "txtAnswer"));
    QCOMPARE(scores(game.window), QStringLiteral("0 0 0"));
    QVERIFY(!button(game.window, "cmdNext")->isEnabled());
}

void TestGrading::gradingOnEnter_data()
{
    QTest::addColumn<QList<int>>("operands");   // a, c, d: the exercise (a + c) / d
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("denominator");
    QTest::addColumn<QString>("message");

    const QList<int> twoThirds{1, 1, 3}, five{4, 1, 1}, one{1, 1, 2}, twelveFifths{11, 1, 5};
    QTest::newRow("2/3 right") << twoThirds << "2\r3\r" << "2" << "3" << fantastico;
    QTest::newRow("4/6 wrong") << twoThirds << "4\r6\r" << "4" << "6" << correctionTwoThirds;
    QTest::newRow("3/2 wrong") << twoThirds << "3\r2\r" << "3" << "2" << correctionTwoThirds;
    QTest::newRow("leading zeros right") << twoThirds << "02\r03\r" << "02" << "03" << fantastico;
    QTest::newRow("blanks around right") << twoThirds << " 2 \r3 \r" << " 2 " << "3 " << fantastico;
    QTest::newRow("5 over an empty denominator") << five << "5\r\r" << "5" << "1" << fantastico;
    QTest::newRow("5/2 for 5: no \" / 1\"") << five << "5\r2\r" << "5" << "2" << correctionFive;
    QTest::newRow("both empty, 1/1 asked") << one << "\r\r" << "1" << "1" << fantastico;
    QTest::newRow("both empty, 2/3 asked") << twoThirds << "\r\r" << "1" << "1" << correctionTwoThirds;
    // Text the strict reading cannot read counts once, as wrong.
    QTest::newRow("2/3 in the numerator") << twoThirds << "2/3\r3\r" << "2/3" << "3" << correctionTwoThirds;
    QTest::newRow("1 2 for 12") << twelveFifths << "1 2\r5\r" << "1 2" << "5" << QStringLiteral("Sbagliato!! 12 / 5");
    QTest::newRow("5a for 5, the letter moves on") << five << "5a\r" << "5a" << "1" << correctionFive;
    QTest::newRow("blanks alone") << twoThirds << "  \r3\r" << "  " << "3" << correctionTwoThirds;
}

void TestGrading::gradingOnEnter()
{
    QFETCH(QList<int>, operands);
    QFETCH(QString, keys);
    QFETCH(QString, numerator);
    QFETCH(QString, denominator);
    QFETCH(QString, message);

    Game game;
    QVERIFY(game.showActive());
    Tavola &w = game.window;
    game.exercise(operands[0], operands[1], operands[2]);
    game.type(keys);

    QCOMPARE(box(w, "txtAnswer")->text(), numerator);
    QCOMPARE(box(w, "Text3")->text(), denominator);
    QCOMPARE(label(w, "lblMessage")->text(), message);
    QCOMPARE(scores(game.window), message == fantastico ? QStringLiteral("1 0 1") : QStringLiteral("0 1 1"));
    // The praise is drawn for wrong answers too.
    QVERIFY(game.platform.randoms.isEmpty());
    QVERIFY(game.isGraded());
}

void TestGrading::nextExerciseAfterGrading_data()
{
    QTest::addColumn<QString>("clicked");  // the box clicked into after grading; empty: none
    QTest::addColumn<QString>("keys");     // typed there before the last key
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("denominator");
    QTest::addColumn<char>("lastKey");

    QTest::newRow("Enter on Nuovo calcolo") << "" << "" << "2" << "3" << '\r';
    QTest::newRow("space bar on Nuovo calcolo") << "" << "" << "2" << "3" << ' ';
    QTest::newRow("typing in the numerator, then Enter") << "txtAnswer" << "7" << "27" << "3" << '\r';
    QTest::newRow("a letter in the numerator moves on") << "txtAnswer" << "ab" << "2a" << "3b" << '\r';
    QTest::newRow("typing in the denominator, then Enter") << "Text3" << "9" << "2" << "39" << '\r';
}

void TestGrading::nextExerciseAfterGrading()
{
    QFETCH(QString, clicked);
    QFETCH(QString, keys);
    QFETCH(QString, numerator);
    QFETCH(QString, denominator);
    QFETCH(char, lastKey);

    Game game;
    QVERIFY(game.showActive());
    Tavola &w = game.window;
    game.exercise(1, 1, 3);
    game.type(QStringLiteral("2\r3\r"));
    if (!clicked.isEmpty())
        Game::clickInto(box(w, clicked));
    game.type(keys);
    QCOMPARE(box(w, "txtAnswer")->text(), numerator);
    QCOMPARE(box(w, "Text3")->text(), denominator);

    game.type(QString(QLatin1Char(lastKey)));
    QCOMPARE(scores(game.window), QStringLiteral("1 0 1"));
    QCOMPARE(game.platform.seeds.size(), 2);
    QVERIFY(game.isExerciseOpen());
}

void TestGrading::heldEnterIsOnePress_data()
{
    QTest::addColumn<bool>("firstFlaggedAsRepeat");

    QTest::newRow("held down") << false;
    // Under Wine the Enter that closed the last instruction box is never seen
    // released, and the next press arrives flagged as a repeat.
    QTest::newRow("first press flagged as a repeat") << true;
}

void TestGrading::heldEnterIsOnePress()
{
    QFETCH(bool, firstFlaggedAsRepeat);
    Game game;
    QVERIFY(game.showActive());
    Tavola &w = game.window;
    game.exercise(1, 1, 3);
    const auto pressEnter = [](bool autoRepeat) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), autoRepeat);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    };
    game.type(QStringLiteral("2"));
    pressEnter(firstFlaggedAsRepeat);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text3"));
    game.type(QStringLiteral("3"));
    // The first press grades; the repeats of the key held down do nothing.
    QTest::keyPress(box(w, "Text3"), Qt::Key_Return);
    for (int i = 0; i < 10; ++i)
        pressEnter(true);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(scores(game.window), QStringLiteral("1 0 1"));
    QVERIFY(game.isGraded());
}

// A touch screen's keypad: its digits, "Cancella" and "Invio" act as the
// keyboard's keys, Enter's routing to "Nuovo calcolo" included; a name it does
// not have presses nothing.
void TestGrading::keypadKeysAreTheKeyboards()
{
    Game game;
    QVERIFY(game.showActive());
    Tavola &w = game.window;
    game.exercise(1, 1, 3);
    const auto pressKeypad = [](const QStringList &keys) {
        for (const QString &key : keys)
            keypad::press(key);
        QCoreApplication::processEvents();
    };
    pressKeypad({QStringLiteral("4"), QStringLiteral("Cancella"), QStringLiteral("2"), QStringLiteral("x"),
                 QStringLiteral("Invio"), QStringLiteral("3")});
    QCOMPARE(box(w, "txtAnswer")->text(), QStringLiteral("2"));
    QCOMPARE(box(w, "Text3")->text(), QStringLiteral("3"));
    pressKeypad({QStringLiteral("Invio")});
    QCOMPARE(label(w, "lblMessage")->text(), fantastico);
    QVERIFY(game.isGraded());
    pressKeypad({QStringLiteral("Invio")});
    QVERIFY(game.isExerciseOpen());
}

void TestGrading::enterNeverReachesABoxWhileNextIsEnabled_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("graded");

    for (const char *box : {"txtAnswer", "Text3", "sommanumtxt", "sommadentxt"})
        QTest::addRow("%s after grading", box) << QString::fromLatin1(box) << true;
    QTest::newRow("sommanumtxt during the exercise") << "sommanumtxt" << false;
}

void TestGrading::enterNeverReachesABoxWhileNextIsEnabled()
{
    QFETCH(QString, box);
    QFETCH(bool, graded);

    Game game;
    QVERIFY(game.showActive());
    game.exercise(1, 1, 3);
    if (graded)
        game.window.valutaRisposta();
    auto *edit = game.window.findChild<QLineEdit *>(box);
    edit->setFocus();
    const QSignalSpy returnPressed(edit, &QLineEdit::returnPressed);
    game.type(QStringLiteral("\r"));

    QCOMPARE(returnPressed.size(), graded ? 0 : 1);
    QCOMPARE(game.platform.seeds.size(), graded ? 2 : 1);
    QVERIFY(!button(game.window, "cmdNext")->isEnabled());
}

void TestGrading::enterOnExitButtonPressesExit_data()
{
    QTest::addColumn<bool>("graded");
    QTest::newRow("during the exercise") << false;
    QTest::newRow("after grading, Nuovo calcolo enabled") << true;
}

void TestGrading::enterOnExitButtonPressesExit()
{
    QFETCH(bool, graded);

    Game game;
    QVERIFY(game.showActive());
    game.exercise(1, 1, 3);
    if (graded)
        game.window.valutaRisposta();
    button(game.window, "cmdExit")->setFocus();
    game.type(QStringLiteral("\r"));

    QCOMPARE(game.platform.texts(), QStringList{QStringLiteral("Vuoi veramente lasciarmi  ?")});
    QCOMPARE(game.platform.seeds.size(), 1);
    QCOMPARE(button(game.window, "cmdNext")->isEnabled(), graded);
}

void TestGrading::praises_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("praise");

    const QStringList praises{
        QStringLiteral("Esatto. Sei eccezionale!!!"), QStringLiteral("OKKKKKKKKKKKKK!!!"),
        QStringLiteral("F A N T A S T I C O!!!"),     QStringLiteral("M I T I C O!!!"),
        QStringLiteral("O T T I M O!!!"),             QStringLiteral("SEI UN CAMPIONE!!!"),
    };
    for (int draw = 1; draw <= 6; ++draw)
        QTest::addRow("draw %d", draw) << rFor(draw, 6) << praises[draw - 1];
    QTest::newRow("r = 0") << 0.0f << praises.first();
    QTest::newRow("largest r") << std::nextafter(1.0f, 0.0f) << praises.last();
}

void TestGrading::praises()
{
    QFETCH(float, r);
    QFETCH(QString, praise);

    Game game;
    game.exercise(1, 1, 3);
    box(game.window, "txtAnswer")->setText(QStringLiteral("2"));
    box(game.window, "Text3")->setText(QStringLiteral("3"));
    game.platform.randoms = {r};
    game.window.valutaRisposta();
    QCOMPARE(label(game.window, "lblMessage")->text(), praise);
}

namespace {

// The fake's dialogs and clock, with the real program's generator.
class SeededPlatform : public FakePlatform
{
public:
    void randomize(double seed) override { m_real.randomize(seed); }
    float nextRandom() override { return m_real.nextRandom(); }

private:
    QtPlatform m_real;
};

} // namespace

void TestGrading::praisesEquallyFrequent()
{
    SeededPlatform platform;
    Tavola window(&platform);
    named<QTimer>(window, "Timer1")->stop();
    constexpr int gradings = 60'000;
    std::map<QString, int> seen;
    for (int i = 0; i < gradings; ++i) {
        // Exercises a little over a hundredth of a second apart, each re-seeded.
        platform.clock = 9 * 3600 + i * 0.013;
        window.cmdNext_Click();
        box(window, "txtAnswer")->setText(box(window, "Text9")->text());
        box(window, "Text3")->setText(box(window, "Text10")->text());
        window.valutaRisposta();
        ++seen[label(window, "lblMessage")->text()];
    }
    QCOMPARE(seen.size(), size_t(grading::praiseCount));
    for (int draw = 1; draw <= grading::praiseCount; ++draw) {
        const double share = double(seen[grading::praise(draw)]) / gradings;
        QVERIFY2(share >= 0.15 && share <= 0.184, qPrintable(QStringLiteral("praise %1: %2").arg(draw).arg(share)));
    }
}

void TestGrading::countsStopAtTheLimit_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<bool>("answerRight");
    QTest::addColumn<QString>("counters");

    QTest::newRow("right count reaches 32767") << 32766 << 0 << true << "32767 0 32767";
    QTest::newRow("right count at 32767") << 32767 << 0 << true << "32767 0 32767";
    QTest::newRow("wrong count at 32767") << 0 << 32767 << false << "0 32767 32767";
    QTest::newRow("total at 32767") << 20000 << 12767 << false << "20000 12767 32767";
}

void TestGrading::countsStopAtTheLimit()
{
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(bool, answerRight);
    QFETCH(QString, counters);

    Game game;
    game.exercise(1, 1, 3);
    TavolaView::setAnswerCounts(game.window, qint16(right), qint16(wrong));
    box(game.window, "txtAnswer")->setText(answerRight ? QStringLiteral("2") : QStringLiteral("4"));
    box(game.window, "Text3")->setText(answerRight ? QStringLiteral("3") : QStringLiteral("6"));
    game.window.valutaRisposta();

    // The verdict is shown all the same.
    QCOMPARE(label(game.window, "lblMessage")->text(), answerRight ? fantastico : correctionTwoThirds);
    QCOMPARE(scores(game.window), counters);
    QCOMPARE(TavolaView(game.window).risposteEsatte() + TavolaView(game.window).risposteErrate(), 32767);
}

void TestGrading::accessKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("graded");
    QTest::addColumn<bool>("newExercise");
    QTest::addColumn<bool>("exitAsked");

    QTest::newRow("Alt+N during the exercise") << int(Qt::Key_N) << false << false << false;
    QTest::newRow("Alt+N after grading") << int(Qt::Key_N) << true << true << false;
    QTest::newRow("Alt+X during the exercise") << int(Qt::Key_X) << false << false << true;
    QTest::newRow("Alt+X after grading") << int(Qt::Key_X) << true << false << true;
}

void TestGrading::accessKeys()
{
    QFETCH(int, key);
    QFETCH(bool, graded);
    QFETCH(bool, newExercise);
    QFETCH(bool, exitAsked);

    Game game;
    QVERIFY(game.showActive());
    Tavola &w = game.window;
    game.exercise(1, 1, 3);
    game.type(QStringLiteral("2"));
    if (graded) {
        game.type(QStringLiteral("\r3\r"));
        // Back into the numerator box: the access key must work from there too.
        Game::clickInto(box(w, "txtAnswer"));
    }
    QTest::keyClick(box(w, "txtAnswer"), Qt::Key(key), Qt::AltModifier);

    if (newExercise) {
        QTRY_COMPARE(game.platform.seeds.size(), 2);
        QVERIFY(game.isExerciseOpen());
        return;
    }
    if (exitAsked)
        QTRY_COMPARE(game.platform.texts(), QStringList{QStringLiteral("Vuoi veramente lasciarmi  ?")});
    // Nothing typed, nothing pressed: the letter is neither in the box nor a jump to the denominator.
    QVERIFY(!button(w, "cmdNext")->isDown());
    QCOMPARE(box(w, "txtAnswer")->text(), QStringLiteral("2"));
    QCOMPARE(w.focusWidget(), box(w, "txtAnswer"));
    QCOMPARE(game.platform.seeds.size(), 1);
}

int main(int argc, char **argv)
{
    TestApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);   // as QTEST_MAIN does
    TestGradingRules rules;
    TestGrading window;
    return runTestParts(argc, argv, {{"unit", &rules}, {"window", &window}});
}

#include "tst_grading.moc"
