// The learner's history window over 10,000 recorded exercises: read, evaluated, laid out and painted.
#include "../tests/core/fakes.h"
#include "ui/lernverlauf_fenster.h"
#include "verlauf/lernverlauf.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace tastwerk;

namespace {

void BM_LernverlaufFensterMitZehntausendUebungen(benchmark::State& state) {
    test::TempOrdner ordner;
    std::vector<Uebungseintrag> eintraege;
    for (int i = 0; i < 10000; ++i) {
        Uebungseintrag e;
        e.name = "ANNA";
        char zeit[32];
        std::snprintf(zeit, sizeof zeit, "2026-%02d-%02d 10:%02d:00", 1 + i / 900 % 12, 1 + i / 30 % 28,
                      i % 60);
        e.beginn = e.ende = zeit;
        e.lektion = 1 + i % 16;
        e.anschlaege = 300;
        e.sekunden = 120;
        e.tempo = 90 + i % 70;
        e.fehlerquote = i % 9 / 3.0;
        e.zeichen = {{'a', 20, std::uint32_t(i % 3)}, {'j', 20, 1}};
        eintraege.push_back(e);
    }
    Lernverlauf verlauf(ordner.pfad());
    verlauf.eintragen(eintraege);
    for (auto _ : state) {
        ui::LernverlaufFenster fenster(verlauf);
        fenster.resize(1024, 700);
        fenster.zeigen("ANNA", 100, 3.5, Datum{2026, 12, 8, 3});
        // Painted as the screen would show it.
        benchmark::DoNotOptimize(fenster.grab());
    }
}
BENCHMARK(BM_LernverlaufFensterMitZehntausendUebungen)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
