// The synthesize program offscreen, as its window runs:
// - its steady processor share over 10 seconds with the twenty blinking
//   pipes and the chart fed by the form's timer (target: at most 2 % of one
//   core), reported as the counter cpu_percent;
// - one full repaint of its form, every control drawn again (target: at most
//   5 ms).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdlib>
#include <ctime>

#include "demos/synthesize/synthesize_form.h"
#include "qt/control_widget.h"

namespace brennix::bench {
namespace {

double processSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Runs the event loop, idle between events as a program's is, for ms.
void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct ShownForm {
    ShownForm() {
        (void)form.load();
        form.window().setAttribute(Qt::WA_DontShowOnScreen);
        form.window().show();
        runFor(200);  // past the first paints
    }
    ~ShownForm() { form.unload(); }
    demos::SynthesizeForm form;
};

void BM_SynthesizeProcessorShare(benchmark::State& state) {
    ShownForm shown;
    double share = 0.0;
    for (auto _ : state) {
        const double cpu0 = processSeconds();
        QElapsedTimer wall;
        wall.start();
        runFor(10'000);
        const double cpu = processSeconds() - cpu0;
        share = cpu / (static_cast<double>(wall.elapsed()) / 1000.0);
        state.SetIterationTime(cpu);
    }
    state.counters["cpu_percent"] = share * 100.0;
}
BENCHMARK(BM_SynthesizeProcessorShare)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_SynthesizeFullRepaint(benchmark::State& state) {
    ShownForm shown;
    shown.form.timer1().stop();
    const auto controls = shown.form.window().findChildren<qt::ControlWidget*>();
    for (auto _ : state) {
        for (auto* control : controls) {
            (void)control->callMethod(QStringLiteral("Refresh"));
        }
        shown.form.window().repaint();
    }
    state.counters["controls"] = static_cast<double>(controls.size());
}
BENCHMARK(BM_SynthesizeFullRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brennix::bench

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
