// Answer entry and grading: the number readings, the answer keys and the verdict.

#include "grading/answer_keys.h"
#include "grading/number_reading.h"
#include "grading/verdict.h"

#include <QKeyEvent>
#include <QTest>

#include <limits>

namespace {

const QString correctionTwoThirds = QStringLiteral("Sbagliato!! 2 / 3");
const QString fantastico = QStringLiteral("F A N T A S T I C O!!!");

} // namespace

class TestGrading : public QObject
{
    Q_OBJECT

private slots:
    // Plain logic, no window.
    void lenientReading_data();
    void lenientReading();
    void strictReading_data();
    void strictReading();
    void answerCharacters();
    void typedCharacter_data();
    void typedCharacter();
    void verdict_data();
    void verdict();
};

void TestGrading::lenientReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("12 and CR LF") << QStringLiteral("12\r\n") << 12.0;
    QTest::newRow("blank between digits") << QStringLiteral("1 2") << 12.0;
    QTest::newRow("tab and line feed between digits") << QStringLiteral("\t4\n2") << 42.0;
    QTest::newRow("stops at /") << QStringLiteral("3/4") << 3.0;
    QTest::newRow("stops at a letter") << QStringLiteral("5a") << 5.0;
    QTest::newRow("stops at a comma") << QStringLiteral("1,5") << 1.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("blanks alone") << QStringLiteral("   ") << 0.0;
    QTest::newRow("no number first") << QStringLiteral("x12") << 0.0;
    QTest::newRow("leading zeros") << QStringLiteral("007") << 7.0;
    QTest::newRow("sign apart from the digits") << QStringLiteral(" - 3") << -3.0;
    QTest::newRow("plus") << QStringLiteral("+5") << 5.0;
    QTest::newRow("two signs") << QStringLiteral("+-5") << 0.0;
    QTest::newRow("no whole part") << QStringLiteral(".5") << 0.5;
    QTest::newRow("second point stops") << QStringLiteral("1.2.3") << 1.2;
    QTest::newRow("exponent") << QStringLiteral("1 e 2") << 100.0;
    QTest::newRow("negative exponent") << QStringLiteral("2E-1") << 0.2;
    QTest::newRow("exponent without digits") << QStringLiteral("7e+") << 7.0;
    QTest::newRow("exponent needs a number first") << QStringLiteral("e5") << 0.0;
    QTest::newRow("too large") << QStringLiteral("1e999") << std::numeric_limits<double>::infinity();
}

void TestGrading::lenientReading()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(lenientNumber(text), value);
}

void TestGrading::strictReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<double>("value");

    QTest::newRow("digits") << QStringLiteral("12") << QStringLiteral("C") << true << 12.0;
    QTest::newRow("blanks around") << QStringLiteral("  7 ") << QStringLiteral("C") << true << 7.0;
    QTest::newRow("leading zero") << QStringLiteral("02") << QStringLiteral("C") << true << 2.0;
    QTest::newRow("Italian decimal comma") << QStringLiteral("2,5") << QStringLiteral("it_IT") << true << 2.5;
    QTest::newRow("Italian thousands") << QStringLiteral("1.000") << QStringLiteral("it_IT") << true << 1000.0;
    QTest::newRow("decimal point in Italian") << QStringLiteral("2.5") << QStringLiteral("it_IT") << false << 0.0;
    QTest::newRow("fraction") << QStringLiteral("3/4") << QStringLiteral("C") << false << 0.0;
    QTest::newRow("blank inside") << QStringLiteral("1 2") << QStringLiteral("C") << false << 0.0;
    QTest::newRow("trailing letter") << QStringLiteral("5a") << QStringLiteral("C") << false << 0.0;
    QTest::newRow("blanks alone") << QStringLiteral("   ") << QStringLiteral("C") << false << 0.0;
    QTest::newRow("empty") << QString() << QStringLiteral("C") << false << 0.0;
}

void TestGrading::strictReading()
{
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QFETCH(bool, readable);
    QFETCH(double, value);
    const std::optional<double> read = strictNumber(text, QLocale(locale));
    QCOMPARE(read.has_value(), readable);
    if (readable)
        QCOMPARE(*read, value);
}

void TestGrading::answerCharacters()
{
    QList<int> found;
    for (int code = 0; code < 256; ++code) {
        if (grading::isAnswerCharacter(code))
            found.append(code);
    }
    QCOMPARE(found, (QList<int>{8, 32, 43, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57}));
}

void TestGrading::typedCharacter_data()
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

void TestGrading::typedCharacter()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, code);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(grading::typedCharacter(event).value_or(-1), code);
}

void TestGrading::verdict_data()
{
    // The readings follow the locale; the window's tests run in the C locale.
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("denominator");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("message");

    QTest::newRow("Italian decimal comma") << "2,0" << "3" << "it_IT" << fantastico;
    QTest::newRow("English decimal point") << "2.0" << "3" << "en_US" << fantastico;
    QTest::newRow("decimal point in Italian") << "2.0" << "3" << "it_IT" << correctionTwoThirds;
    // The lenient reading sees 3, the strict one 3000: wrong, not left uncounted.
    QTest::newRow("Italian thousands") << "2" << "3.000" << "it_IT" << correctionTwoThirds;
}

void TestGrading::verdict()
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

QTEST_MAIN(TestGrading)
#include "tst_grading.moc"
