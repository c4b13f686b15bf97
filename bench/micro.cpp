// Micro-benchmarks of the game's work per key: the decimal-to-fraction search
// over every possible exercise, a whole new exercise with its painting, and a
// whole grading from the Enter key.

#include "instantplatform.h"

#include "exercise/fraction_search.h"
#include "window/surface.h"
#include "window/tavola.h"

#include <QApplication>
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
            const int passes = findFraction(x, n, d);
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
        window.Timer1->stop();
    }
};

void BM_NewExercise_withPainting(benchmark::State &state)
{
    ShownWindow shown;
    for (auto _ : state) {
        shown.window.cmdNext_Click();
        // Paint now, as the next frame would.
        shown.window.surface->repaint();
    }
}
BENCHMARK(BM_NewExercise_withPainting)->Unit(benchmark::kMicrosecond);

void BM_Grading_fromEnterKey(benchmark::State &state)
{
    ShownWindow shown;
    Tavola &w = shown.window;
    for (auto _ : state) {
        state.PauseTiming();
        w.cmdNext_Click();
        w.txtAnswer->setText(w.Text9->text());
        w.Text3->setFocus();
        w.Text3->setText(w.Text10->text());
        state.ResumeTiming();
        QTest::keyClick(w.Text3, Qt::Key_Return);
        w.surface->repaint();
    }
    if (w.risposteEsatte == 0)
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
