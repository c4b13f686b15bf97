// The two number readings that grading and the record share: the lenient one
// that takes the number a text begins with, and the strict one of a whole text.

#include "numbers/number_reading.h"

#include <QLocale>
#include <QTest>

#include <limits>

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void lenientReading_data();
    void lenientReading();
    void strictReading_data();
    void strictReading();
};

void TestNumbers::lenientReading_data()
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

void TestNumbers::lenientReading()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(numbers::lenientNumber(text), value);
}

void TestNumbers::strictReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<double>("value");

    QTest::newRow("digits") << QStringLiteral("12") << QStringLiteral("C") << true << 12.0;
    QTest::newRow("blanks around") << QStringLiteral("  7 ") << QStringLiteral("C") << true << 7.0;
    QTest::newRow("leading zero") << QStringLiteral("02") << QStringLiteral("C") << true << 2.0;
    QTest::newRow("Italian decimal comma") << QStringLiteral("2,5") << QStringLiteral("it_IT") << true << 2.5;
    QTest::newRow("Italian thousands") << QStringLiteral("1.000") << QStringLiteral("it_IT") << false << 0.0;
    QTest::newRow("English thousands") << QStringLiteral("1,000") << QStringLiteral("en_US") << false << 0.0;
    QTest::newRow("decimal point in Italian") << QStringLiteral("2.5") << QStringLiteral("it_IT") << false << 0.0;
    QTest::newRow("fraction") << QStringLiteral("3/4") << QStringLiteral("C") << false << 0.0;
    QTest::newRow("blank inside") << QStringLiteral("1 2") << QStringLiteral("C") << false << 0.0;
    QTest::newRow("trailing letter") << QStringLiteral("5a") << QStringLiteral("C") << false << 0.0;
    QTest::newRow("blanks alone") << QStringLiteral("   ") << QStringLiteral("C") << false << 0.0;
    QTest::newRow("empty") << QString() << QStringLiteral("C") << false << 0.0;
}

void TestNumbers::strictReading()
{
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QFETCH(bool, readable);
    QFETCH(double, value);
    const std::optional<double> read = numbers::strictNumber(text, QLocale(locale));
    QCOMPARE(read.has_value(), readable);
    if (readable)
        QCOMPARE(*read, value);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
