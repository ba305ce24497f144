#include "app/CTessalyApp.h"
#include "bench/BenchPlans.h"
#include "cli/StderrUiServices.h"
#include "platform/qt/QtSettingsStore.h"
#include "view/CTessalyView.h"
#include "view/ProjectionChart.h"

#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <QSlider>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

// The program started with settings of its own and a user who answers nothing: messages go
// nowhere, questions are declined.
struct BenchProgram {
    QTemporaryDir folder;
    QtSettingsStore settings{folder.filePath(QStringLiteral("Orbelan.ini")).toStdString()};
    std::ostringstream messages;
    StderrUiServices ui{messages};
    CTessalyApp app{settings, ui};

    BenchProgram() { app.InitInstance({}); }
};

// Calculate from the menu command, as the user does, with the list, the chart and the Year
// Details pane showing; then a row is chosen and the whole window painted once: one frame.
void BM_CalculateInTheWindow(benchmark::State& state) {
    BenchProgram program;
    CTessalyApp& app = program.app;
    CMainFrame& frame = app.GetMainFrame();
    frame.GetAction("ID_VIEW_YEAR_DETAILS")->setChecked(true);
    app.GetDocument().m_plan = DrainedPlan(state.range(0));
    QAction* calculate = frame.GetAction("ID_EDIT_CALCULATE");
    CTessalyView& list = frame.GetView();
    for (auto _ : state) {
        calculate->trigger();
        list.setCurrentItem(list.topLevelItem(list.topLevelItemCount() / 2));
        benchmark::DoNotOptimize(frame.grab());
    }
    state.counters["rows"] = list.topLevelItemCount();
}
BENCHMARK(BM_CalculateInTheWindow)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// One step of the What If pane's expenses slider: the variant projected again and the chart,
// with the plan's projection and the variant's dashed lines, painted.
void BM_WhatIfSliderMove(benchmark::State& state) {
    BenchProgram program;
    CTessalyApp& app = program.app;
    CMainFrame& frame = app.GetMainFrame();
    app.GetDocument().m_plan = DrainedPlan(state.range(0));
    frame.GetAction("ID_EDIT_CALCULATE")->trigger();
    frame.GetAction("ID_VIEW_WHAT_IF")->setChecked(true);
    auto* expenses = frame.findChild<QSlider*>(QStringLiteral("whatIfExpensesSlider"));
    int step = 0;
    for (auto _ : state) {
        expenses->setValue(++step % 2 == 0 ? 90 : 110);
        benchmark::DoNotOptimize(frame.GetChart().grab());
    }
}
BENCHMARK(BM_WhatIfSliderMove)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // No display needed: the window is drawn offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
