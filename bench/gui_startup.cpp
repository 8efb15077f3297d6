// Start-up of the main window to its first shown frame, beside a minimal Qt Widgets dialog
// measured in the same run; the resident memory each adds is reported as a counter.

#include "app/main_window.h"
#include "gui/brightwick_dlg.h"
#include "support/scripted_prompter.h"

#include <QApplication>
#include <QPushButton>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    return 0;
}

void BM_MainWindowFirstShown(benchmark::State& state) {
    const long before = residentKilobytes();
    long grown = 0;
    for (auto _ : state) {
        ScriptedPrompter person;
        tessaline::InlineIoRunner io;
        tessaline::PrintSpooler spooler;
        tessaline::ApplicationState app;
        app.configFolder = "/nonexistent";
        tessaline::MainWindowServices services;
        services.prompter = &person;
        services.io = &io;
        services.spooler = &spooler;
        tessaline::MainWindowModel model(app, services);
        tessaline::gui::CBrightwickDlg window(model, nullptr, person);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
        grown = std::max(grown, residentKilobytes() - before);
    }
    state.counters["rss_kB"] = static_cast<double>(grown);
}
BENCHMARK(BM_MainWindowFirstShown)->Unit(benchmark::kMillisecond);

void BM_MinimalDialogFirstShown(benchmark::State& state) {
    const long before = residentKilobytes();
    long grown = 0;
    for (auto _ : state) {
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(new QPushButton(QStringLiteral("OK"), &dialog));
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.grab());
        grown = std::max(grown, residentKilobytes() - before);
    }
    state.counters["rss_kB"] = static_cast<double>(grown);
}
BENCHMARK(BM_MinimalDialogFirstShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
