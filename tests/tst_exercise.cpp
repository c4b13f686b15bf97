// New exercises: the draws, the decimal-to-fraction search, the bands and cmdNext_Click.

#include "support/fakeplatform.h"
#include "support/tavolaview.h"
#include "support/testparts.h"

#include "exercise/bands.h"
#include "exercise/draws.h"
#include "exercise/fraction_search.h"
#include "window/tavola.h"

#include <QTest>

#include <numeric>

namespace {

// The r that makes Int(r x n + 1) draw k.
float rFor(int k, int n)
{
    return (float(k) - 0.5f) / float(n);
}

} // namespace

// The plain functions, no window.
class TestExercise : public QObject
{
    Q_OBJECT

private slots:
    void search_data();
    void search();
    void searchRefusesAValueNoFractionMatches();
    void draws_data();
    void draws();
    void factorDraws();
    void keptDenominator_data();
    void keptDenominator();
    void bandGeometry();
};

// cmdNext_Click on the window.
class TestNewExercise : public QObject
{
    Q_OBJECT

private slots:
    void everyPossibleExercise();
    void stateAfterNewExercise_data();
    void stateAfterNewExercise();
    void bandsFollowTheAnswer();
};

void TestExercise::search_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("num");
    QTest::addColumn<int>("den");
    QTest::addColumn<int>("passes");

    QTest::newRow("whole number 4") << 4.0 << 4 << 1 << 3;
    QTest::newRow("whole number 1 needs no pass") << 1.0 << 1 << 1 << 0;
    QTest::newRow("0.5 is 1/2, never 2/4") << 0.5 << 1 << 2 << 1;
    QTest::newRow("0.25: 2 x 0.25 rounds to 0, half to even") << 0.25 << 1 << 4 << 4;
    QTest::newRow("2.5 goes 2/1, 3/1, 5/2") << 2.5 << 5 << 2 << 3;
    QTest::newRow("1/3 goes 1/2, then 1/3") << 1.0 / 3 << 1 << 3 << 2;
    QTest::newRow("19/7") << 19.0 / 7 << 19 << 7 << -1;
    QTest::newRow("12/8 is 3/2") << 12.0 / 8 << 3 << 2 << -1;
    QTest::newRow("largest answer 19/10") << 19.0 / 10 << 19 << 10 << -1;
}

void TestExercise::search()
{
    QFETCH(double, x);
    QFETCH(int, num);
    QFETCH(int, den);
    QFETCH(int, passes);
    qint32 n = -5, d = -5;
    const int used = exercise::findFraction(x, n, d);
    QCOMPARE(n, num);
    QCOMPARE(d, den);
    if (passes >= 0)
        QCOMPARE(used, passes);
}

void TestExercise::searchRefusesAValueNoFractionMatches()
{
    // 0.1 + 0.2 carries a rounding error of its own: no fraction has it as its quotient.
    qint32 n = 0, d = 0;
    QVERIFY_THROWS_EXCEPTION(exercise::NoFractionFound, exercise::findFraction(0.1 + 0.2, n, d, 100'000));
    QVERIFY_THROWS_EXCEPTION(exercise::NoFractionFound, exercise::findFraction(0.0, n, d));
    QVERIFY_THROWS_EXCEPTION(exercise::NoFractionFound, exercise::findFraction(-2.0, n, d));
    QVERIFY_THROWS_EXCEPTION(exercise::NoFractionFound, exercise::findFraction(std::nan(""), n, d));
    // With the default bound it still ends, and with a clear error.
    QVERIFY_THROWS_EXCEPTION(exercise::NoFractionFound, exercise::findFraction(0.1 + 0.2, n, d));
    // At d = 2147483 this x puts the numerator on the largest 32-bit number, still
    // below x, so the next pass would add one to it: the search gives up there
    // instead of overflowing (the sanitizer build would stop on the overflow).
    QVERIFY_THROWS_EXCEPTION(exercise::NoFractionFound, exercise::findFraction(2147483647.4 / 2147483, n, d));
}

void TestExercise::draws_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("expected");

    const float largest = std::nextafter(1.0f, 0.0f);
    for (int n : {11, 8, 10}) {
        QTest::addRow("r = 0, n = %d", n) << 0.0f << n << 1;
        QTest::addRow("largest r, n = %d", n) << largest << n << n;
        QTest::addRow("r = 0.5, n = %d", n) << 0.5f << n << n / 2 + 1;
    }
}

void TestExercise::draws()
{
    QFETCH(float, r);
    QFETCH(int, n);
    QFETCH(int, expected);
    QCOMPARE(exercise::draws::wholeNumber(r, n), expected);
}

void TestExercise::factorDraws()
{
    QCOMPARE(exercise::draws::factor(0.0f), 2);
    QCOMPARE(exercise::draws::factor(std::nextafter(1.0f, 0.0f)), 7);
    QCOMPARE(exercise::draws::factor(0.5f), 5);
}

void TestExercise::keptDenominator_data()
{
    QTest::addColumn<int>("drawn");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("kept");

    QTest::newRow("10 with c = 3 becomes 5: \"10\" sorts before \"3\"") << 10 << 3 << 5;
    QTest::newRow("10 with c = 8 becomes 10") << 10 << 8 << 10;
    QTest::newRow("10 with c = 2 becomes 4") << 10 << 2 << 4;
    QTest::newRow("10 with c = 1 stays") << 10 << 1 << 10;
    QTest::newRow("2 with c = 7 becomes 9") << 2 << 7 << 9;
    QTest::newRow("equal texts stay") << 6 << 6 << 6;
    QTest::newRow("larger single digit stays") << 9 << 4 << 9;
}

void TestExercise::keptDenominator()
{
    QFETCH(int, drawn);
    QFETCH(int, c);
    QFETCH(int, kept);
    QCOMPARE(exercise::draws::keptDenominator(QString::number(drawn), QString::number(c)), QString::number(kept));
}

void TestNewExercise::everyPossibleExercise()
{
    // Every draw of the game: 11 x 8 x 10 operands and 6 factors, through the real handler.
    FakePlatform platform;
    Tavola window(&platform);
    const TavolaView state(window);
    int denominatorTenOnlyWithC = 0;
    for (int a = 1; a <= 11; ++a) {
        for (int c = 1; c <= 8; ++c) {
            for (int drawnD = 1; drawnD <= 10; ++drawnD) {
                for (int f = 2; f <= 7; ++f) {
                    platform.randoms = {rFor(a, 11), rFor(c, 8), rFor(drawnD, 10), (f - 2 + 0.5f) / 6};
                    window.cmdNext_Click();

                    const int d = box(window, "Text6")->text().toInt();
                    QCOMPARE(box(window, "Text1")->text().toInt(), a);
                    QCOMPARE(box(window, "Text5")->text().toInt(), c);
                    QVERIFY(d >= c || QString::number(d) >= QString::number(c));
                    if (d == 10)
                        denominatorTenOnlyWithC |= 1 << c;
                    const int g = std::gcd(a + c, d);
                    QCOMPARE(state.numRidotto(), (a + c) / g);
                    QCOMPARE(state.denRidotto(), d / g);
                    QVERIFY(state.numRidotto() <= 19 && state.denRidotto() <= 10);
                    QCOMPARE(box(window, "Text9")->text(), QString::number(state.numRidotto()));
                    QCOMPARE(box(window, "Text10")->text(), QString::number(state.denRidotto()));
                    QCOMPARE(state.fattore(), f);
                    const int shownNum = box(window, "sommanumtxt")->text().toInt();
                    const int shownDen = box(window, "sommadentxt")->text().toInt();
                    QCOMPARE(std::gcd(shownNum, shownDen), f);
                    QVERIFY(shownNum <= 133 && shownDen <= 70);

                    qint32 n = 0, den = 0;
                    QVERIFY(exercise::findFraction(double(d * (a + c)) / (d * d), n, den) <= 15);
                }
            }
        }
    }
    // A denominator of 10 survives only beside c = 1 (text comparison) or c = 8 (8 + 2).
    QCOMPARE(denominatorTenOnlyWithC, (1 << 1) | (1 << 8));
}

void TestNewExercise::stateAfterNewExercise_data()
{
    QTest::addColumn<bool>("graded");
    QTest::newRow("first exercise, never graded") << false;
    QTest::newRow("after a grading") << true;
}

void TestNewExercise::stateAfterNewExercise()
{
    QFETCH(bool, graded);
    FakePlatform platform;
    Tavola window(&platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (graded) {
        box(window, "txtAnswer")->setText(QStringLiteral("12"));
        box(window, "Text3")->setText(QStringLiteral("abc"));
        label(window, "lblMessage")->setText(QStringLiteral("Sbagliato!! 3 / 4"));
        box(window, "txtAnswer")->setEnabled(false);
        button(window, "cmdNext")->setEnabled(true);
        button(window, "cmdNext")->setFocus();
    }
    window.cmdNext_Click();
    QCOMPARE(box(window, "txtAnswer")->text(), QString());
    QCOMPARE(box(window, "Text3")->text(), QString());
    QCOMPARE(label(window, "lblMessage")->text(), QString());
    QVERIFY(box(window, "txtAnswer")->isEnabled());
    QVERIFY(!button(window, "cmdNext")->isEnabled());
    QCOMPARE(window.focusWidget(), box(window, "txtAnswer"));
    // Re-seeded from the clock for every exercise.
    QCOMPARE(platform.seeds.size(), 1);
}

void TestNewExercise::bandsFollowTheAnswer()
{
    FakePlatform platform;
    Tavola window(&platform);
    window.resize(720, 540);
    // a = 11, c = 8, drawn d = 5 -> d = 10: the answer 19/10, red saturated, green 200.
    platform.randoms = {rFor(11, 11), rFor(8, 8), rFor(5, 10), 0.99f};
    window.cmdNext_Click();
    QCOMPARE(box(window, "Text6")->text(), QStringLiteral("10"));
    QCOMPARE(box(window, "sommanumtxt")->text(), QStringLiteral("133"));
    QCOMPARE(box(window, "sommadentxt")->text(), QStringLiteral("70"));

    const QImage image = surface(window)->grab().toImage();
    // Band 10 lies at units 30..32: its colour is RGB(255, 200, 10).
    const QRect band = exercise::bands::bandRect(10, surface(window)->width(), surface(window)->height());
    QCOMPARE(QColor(image.pixel(5, band.top())), QColor(255, 200, 10));
    // The gap between bands shows the background colour.
    QCOMPARE(QColor(image.pixel(5, band.bottom() + 1)), QColor(0, 0, 255));

    // a = c = 1, d = 2: the answer 1/1 and bands of RGB(20, 20, i).
    platform.randoms = {0.0f, 0.0f, rFor(2, 10), 0.0f};
    window.cmdNext_Click();
    QCOMPARE(box(window, "Text2")->text(), QStringLiteral("2"));
    QCOMPARE(TavolaView(window).numRidotto(), 1);
    QCOMPARE(TavolaView(window).denRidotto(), 1);
    QCOMPARE(box(window, "sommanumtxt")->text(), QStringLiteral("2"));
    const QImage next = surface(window)->grab().toImage();
    QCOMPARE(QColor(next.pixel(700, exercise::bands::bandRect(0, 720, 514).top())), QColor(20, 20, 0));
}

void TestExercise::bandGeometry()
{
    // 171 bands fall inside the 512 units of the surface, each 2 units high with a 1-unit gap.
    int inside = 0;
    for (int i = 0; i < exercise::bands::count; ++i) {
        const QRect band = exercise::bands::bandRect(i, 720, 514);
        QVERIFY(band.height() >= 2);
        if (band.top() < 514)
            ++inside;
    }
    QCOMPARE(inside, 171);
    QCOMPARE(exercise::bands::bandColour(20 * 13, 20 * 10, 300), QColor(255, 200, 255));
}

int main(int argc, char **argv)
{
    TestApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);   // as QTEST_MAIN does
    TestExercise plain;
    TestNewExercise window;
    return runTestParts(argc, argv, {{"unit", &plain}, {"window", &window}});
}
#include "tst_exercise.moc"
