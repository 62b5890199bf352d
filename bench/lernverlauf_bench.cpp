// The learning history: adding one exercise (a transaction on the disk), reading a learner's
// 10,000 exercises for the chart, and the class overview of 30 learners over two years
// (about 100,000 exercises) built and exported as CSV.
#include "../tests/core/fakes.h"
#include "session/benutzerdatei.h"
#include "verlauf/csv.h"
#include "verlauf/lernverlauf.h"

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace tastwerk;

namespace {

Uebungseintrag beispiel(const std::string& name, int nummer) {
    Uebungseintrag e;
    e.name = name;
    char zeit[32];
    std::snprintf(zeit, sizeof zeit, "20%02d-%02d-%02d %02d:%02d:00", 25 + nummer / 50000,
                  1 + nummer / 4500 % 12, 1 + nummer / 150 % 28, 8 + nummer / 10 % 10, nummer % 60);
    e.beginn = zeit;
    e.ende = zeit;
    e.lektion = 1 + nummer % 16;
    e.stufe = nummer % 2 ? StufeWort : StufeBuchstaben;
    e.anschlaege = 300;
    e.fehler = std::uint32_t(nummer % 9);
    e.sekunden = 120;
    e.tempo = 90 + nummer % 70;
    e.fehlerquote = e.fehler / 3.0;
    e.bestanden = nummer % 3 == 0;
    for (int f = 0; f < FingergruppenAnzahl; ++f) {
        e.finger[std::size_t(f)] = {30, std::uint32_t((nummer + f) % 3)};
    }
    for (int z = 0; z < 30; ++z) {
        e.zeichen.push_back({Zeichen('a' + z % 26 + (z >= 26 ? 0x80 : 0)), 10, std::uint32_t(z % 2)});
    }
    return e;
}

// Fills a history quickly: one transaction for many rows, as a test fixture, not as the program writes.
void fuellen(const std::string& ordner, int lernende, int jeLernendem) {
    Lernverlauf verlauf(ordner);
    Benutzerdatei datei(ordner);
    for (int l = 0; l < lernende; ++l) {
        const std::string name = "LERNENDE " + std::to_string(l);
        datei.anmelden(name, [&] { return neuerBenutzer(name, {2026, 12, 1, 3}, 1024); });
    }
    std::vector<Uebungseintrag> eintraege;
    for (int i = 0; i < lernende * jeLernendem; ++i) {
        eintraege.push_back(beispiel("LERNENDE " + std::to_string(i % lernende), i));
    }
    verlauf.eintragen(eintraege);
}

void BM_UebungEintragen(benchmark::State& state) {
    test::TempOrdner ordner;
    Lernverlauf verlauf(ordner.pfad());
    verlauf.eintragen(beispiel("ANNA", 0));
    int i = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(verlauf.eintragen(beispiel("ANNA", i++)));
    }
}
BENCHMARK(BM_UebungEintragen)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

void BM_ZehntausendUebungenLesen(benchmark::State& state) {
    test::TempOrdner ordner;
    fuellen(ordner.pfad(), 1, 10000);
    for (auto _ : state) {
        Lernverlauf verlauf(ordner.pfad());
        benchmark::DoNotOptimize(verlauf.uebungen("LERNENDE 0", 0, false));
    }
}
BENCHMARK(BM_ZehntausendUebungenLesen)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_KlassenuebersichtAusgeben(benchmark::State& state) {
    test::TempOrdner ordner;
    fuellen(ordner.pfad(), 30, 3400);
    const std::string ziel = ordner.datei("klasse.csv");
    for (auto _ : state) {
        benchmark::DoNotOptimize(klassenlisteAusgeben(ordner.pfad(), ziel));
    }
}
BENCHMARK(BM_KlassenuebersichtAusgeben)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_LernverlaufAusgeben(benchmark::State& state) {
    test::TempOrdner ordner;
    fuellen(ordner.pfad(), 30, 3400);
    const std::string ziel = ordner.datei("verlauf.csv");
    for (auto _ : state) {
        benchmark::DoNotOptimize(lernverlaufAusgeben(ordner.pfad(), ziel));
    }
}
BENCHMARK(BM_LernverlaufAusgeben)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
