// Micro-benchmarks of the game's work per key: the decimal-to-fraction search
// over every possible exercise, a whole new exercise with its painting, and a
// whole grading from the Enter key.

#include "instantplatform.h"

#include "exercise/fraction_search.h"
#include "window/tavola.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

// Every quotient the game can hand to the search: operands a, c and the kept denominator d.
std::vector<double> everyExerciseValue()
{
    std::vector<double> values;
    for (int a = 1; a <= 11; ++a)
        for (int c = 1; c <= 8; ++c)
            for (int d = 1; d <= 10; ++d)
                if (QString::number(d) >= QString::number(c))
                    values.push_back(double(d * (a + c)) / (d * d));
    return values;
}

void BM_CercaFrazione_everyExercise(benchmark::State &state)
{
    const std::vector<double> values = everyExerciseValue();
    int mostPasses = 0;
    for (auto _ : state) {
        for (double x : values) {
            qint32 n, d;
            const int passes = exercise::findFraction(x, n, d);
            mostPasses = std::max(mostPasses, passes);
            benchmark::DoNotOptimize(n);
        }
    }
    state.counters["exercises"] = double(values.size());
    state.counters["most_passes"] = mostPasses;
    state.SetItemsProcessed(state.iterations() * int64_t(values.size()));
}
BENCHMARK(BM_CercaFrazione_everyExercise);

struct ShownWindow {
    InstantPlatform platform;
    Tavola window{&platform};
    ShownWindow()
    {
        window.Form_Load();
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the window was never shown");
        control<QTimer>("Timer1")->stop();
    }

    // A control by its design name, its object name; found before any timing starts.
    template<typename Control>
    Control *control(const char *name) const
    {
        auto *found = window.findChild<Control *>(QLatin1String(name));
        if (!found)
            qFatal("no control named %s", name);
        return found;
    }
};

void BM_NewExercise_withPainting(benchmark::State &state)
{
    ShownWindow shown;
    // The window's drawing surface carries the window's name.
    QWidget *const surface = shown.control<QWidget>("Tavola");
    for (auto _ : state) {
        shown.window.cmdNext_Click();
        // Paint now, as the next frame would.
        surface->repaint();
    }
}
BENCHMARK(BM_NewExercise_withPainting)->Unit(benchmark::kMicrosecond);

void BM_Grading_fromEnterKey(benchmark::State &state)
{
    ShownWindow shown;
    QWidget *const surface = shown.control<QWidget>("Tavola");
    QLineEdit *const numerator = shown.control<QLineEdit>("txtAnswer");
    QLineEdit *const denominator = shown.control<QLineEdit>("Text3");
    const QLineEdit *const expectedNumerator = shown.control<QLineEdit>("Text9");
    const QLineEdit *const expectedDenominator = shown.control<QLineEdit>("Text10");
    for (auto _ : state) {
        state.PauseTiming();
        shown.window.cmdNext_Click();
        numerator->setText(expectedNumerator->text());
        denominator->setFocus();
        denominator->setText(expectedDenominator->text());
        state.ResumeTiming();
        QTest::keyClick(denominator, Qt::Key_Return);
        surface->repaint();
    }
    if (shown.control<QLabel>("lblScore")->text() == QLatin1String("0"))
        state.SkipWithError("no answer was graded right");
}
BENCHMARK(BM_Grading_fromEnterKey)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
