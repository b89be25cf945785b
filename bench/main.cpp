// How long a press of Start takes, the program against the straightforward way of writing it.
// Sweep/*: the three detectors' path sums alone, for the start-up settings. Run/*: a whole run at
// the fastest pace drawn onto a headless canvas (the reference's QPainter image, the program's
// QtCanvas; Run/Program@K at K device pixels per pixel). Run/Window: the same run started by the
// real window, offscreen, which also brings the picture to the screen; Present/Window: the repaint
// that shows a whole new picture.
// Google Benchmark's own options apply; the ratios are printed at the end.

#include "bench/PainterSurface.h"
#include "bench/Ratios.h"
#include "reference/ReferenceSweep.h"

#include "reference/StartupSettings.h"
#include "sim/Cases.h"
#include "sim/PathSums.h"
#include "sim/Run.h"
#include "surface/QtCanvas.h"
#include "surface/RecordingSurface.h"

#include "app/MainWindow.h"
#include "window/form/Glossary.h"
#include "window/rules/Geometry.h"

#include <QApplication>
#include <QEventLoop>

#include <benchmark/benchmark.h>

#include <utility>

namespace {

// The window's client area in logical pixels.
const QSize clientArea(window::clientPixels().width, window::clientPixels().height);

sim::CaseParameters startupParameters()
{
    surface::RecordingSurface ignored;
    sim::Plotter plot(ignored);
    return sim::drawCase(reference::startupSettings(), sim::drawScene(reference::startupSettings(), plot), plot);
}

void sweepReference(benchmark::State& state)
{
    const sim::RunSettings settings = reference::startupSettings();
    const sim::CaseParameters parameters = startupParameters();
    reference::NoDrawing none;
    for (auto _ : state) {
        const std::vector<reference::StepTips> tips = reference::sweep(settings, parameters, none);
        benchmark::DoNotOptimize(tips.data());
    }
}

void sweepProgram(benchmark::State& state)
{
    const sim::RunSettings settings = reference::startupSettings();
    const sim::CaseParameters parameters = startupParameters();
    for (auto _ : state) {
        const sim::PathSums sums(settings, parameters);
        for (int k = 0; k < sim::sweepSteps; ++k) {
            const sim::StepSums step = sums.at(sim::sweepStep(k));
            benchmark::DoNotOptimize(step.h);
        }
    }
}

void runReference(benchmark::State& state)
{
    const sim::RunSettings settings = reference::startupSettings();
    PainterSurface surface(clientArea);
    for (auto _ : state)
        reference::run(settings, surface);
}

void runProgram(benchmark::State& state, double ratio)
{
    const sim::RunSettings settings = reference::startupSettings();
    surface::QtCanvas canvas(clientArea, ratio);
    for (auto _ : state)
        sim::run(settings, canvas);
}

// A whole run in the window, frame by frame from the event loop, with the window's repaints.
void runWindow(benchmark::State& state)
{
    QEventLoop runs;
    WindowObservers observers;
    observers.runEnded = [&runs] { runs.quit(); };
    MainWindow window(observers);
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.act(window.form().click(window::name::cmdStart));
        if (window.running())
            runs.exec();
    }
}

// What the window does to show a whole changed picture, as at the end of every run: the
// canvas's part of the window repainted, with the controls that lie over it.
void presentWindow(benchmark::State& state)
{
    MainWindow window;
    window.show();
    window.act(window.form().click(window::name::cmdStart));
    QWidget* canvas = window.findChild<QWidget*>(QStringLiteral("canvas"));
    for (auto _ : state) {
        canvas->update();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

template <class... Arguments> void registerCase(const char* name, Arguments&&... arguments)
{
    benchmark::RegisterBenchmark(name, std::forward<Arguments>(arguments)...)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Headless, unless a platform was asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    registerCase("Sweep/Reference", sweepReference);
    registerCase("Sweep/Program", sweepProgram);
    registerCase("Run/Reference", runReference);
    registerCase("Run/Program", runProgram, 1.0);
    // A high-resolution screen, and a laptop's and a projector's fractional scaling.
    for (const double ratio : {1.25, 2.0, 2.25, 3.0})
        registerCase(("Run/Program@" + QString::number(ratio).toStdString()).c_str(), runProgram, ratio);
    registerCase("Run/Window", runWindow);
    registerCase("Present/Window", presentWindow);

    RatioReporter reporter({{"Sweep/Reference", "Sweep/Program"},
                            {"Run/Reference", "Run/Program"},
                            {"Run/Window", "Run/Program"},
                            {"Present/Window", "Run/Program"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
