// A click on "Calcola IMPOSTE PROGRESSIVE" with the worked example's ticks, until the labels,
// the summary and the chart are updated and the calculation page is painted; 1,000 clicks,
// the income alternating between two values so that every click changes what is shown.
#include "ui/NamedChild.h"
#include "text/FormatSettings.h"
#include "ui/FontSubstitutes.h"
#include "ui/Unit1.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <memory>

using namespace vareldo;

namespace {

struct Window {
    QTemporaryDir folder;
    std::unique_ptr<T_PRINCIPALE> window;

    Window()
    {
        FormatSettings = TFormatSettings{u',', u'.'};
        const auto ignore = [](const QString&) {};
        window = std::make_unique<T_PRINCIPALE>(
            WindowContext{folder.path() + u'/', ignore, ignore, [](const QUrl&) {}});
        NamedChild<QTabWidget>(*window, QStringLiteral("PageControl1")).setCurrentIndex(1);
        window->show();
        NamedChild<QCheckBox>(*window, QStringLiteral("CheckContributiPre")).setChecked(true);
        NamedChild<QCheckBox>(*window, QStringLiteral("ChecklavoroDipendente")).setChecked(true);
        QApplication::processEvents();
    }
};

std::unique_ptr<Window> window;

// What the event loop does after a handler: posted requests (the chart's relayout, the
// repaints of every changed region) and the deletions that were deferred.
void runEventLoopOnce()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void BM_CalcolaImposteProgressiveClick(benchmark::State& state)
{
    auto* income = &NamedChild<QComboBox>(*window->window, QStringLiteral("ComboBoxReddito"));
    auto* button = &NamedChild<QPushButton>(*window->window, QStringLiteral("ButtonCalcolaTasse"));
    static bool odd = false;
    for (auto _ : state) {
        state.PauseTiming();
        odd = !odd;
        income->setEditText(odd ? QStringLiteral("100000") : QStringLiteral("75000"));
        runEventLoopOnce();
        state.ResumeTiming();
        button->click();
        runEventLoopOnce();
    }
}
BENCHMARK(BM_CalcolaImposteProgressiveClick)
    ->Iterations(1)
    ->Repetitions(1000)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    SubstituteMissingFaces();
    window = std::make_unique<Window>();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window.reset(); // before the application goes
    return 0;
}
