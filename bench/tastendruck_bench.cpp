// The cost of one keystroke: the core step (judge, count, draw, goal) and the whole way through the
// window (key event in, letter panel and keyboard repainted, offscreen).
#include "../tests/core/fakes.h"
#include "practice/uebungslauf.h"
#include "ui/buchstaben_seite.h"
#include "ui/hauptfenster.h"
#include "ui/hinweis_seite.h"
#include "ui/namensfeld.h"
#include "ui/uebungssteuerung.h"

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

using namespace tastwerk;

namespace {

void BM_Buchstabenschritt(benchmark::State& state) {
    Sitzung sitzung;
    sitzung.lektionNr = static_cast<int>(state.range(0));
    Buchstabenliste liste;
    Zufall zufall(4711);
    test::MerkKlang klang;
    // Through the practice run, as the window hands it a keystroke.
    Uebungslauf lauf(sitzung, liste, zufall, klang);
    lauf.buchstabenuebungVorbereiten();
    lauf.buchstabenuebungBeginnen();
    std::int64_t jetzt = 0;
    lauf.taste('x', jetzt);
    for (auto _ : state) {
        jetzt += 1000;
        benchmark::DoNotOptimize(lauf.taste(lauf.sollzeichen(), jetzt));
        if (lauf.buchstabenuebung().anschlaege() > 60000 || !lauf.laeuft()) {
            state.PauseTiming();
            sitzung.uebungsstufe = 0;
            lauf.buchstabenuebungVorbereiten();
            lauf.buchstabenuebungBeginnen();
            lauf.taste('x', jetzt);
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_Buchstabenschritt)->Arg(1)->Arg(8)->Arg(16);

void BM_Wortschritt(benchmark::State& state) {
    Sitzung sitzung;
    sitzung.lektionNr = 16;
    sitzung.wunschAnschlaege = 100000; // the goal never completes
    Zufall zufall(4711);
    test::MerkKlang klang;
    Wortuebung uebung(sitzung, zufall, klang);
    uebung.einrichten();
    uebung.taste('x', Ansicht::Tastatur);
    for (auto _ : state) {
        benchmark::DoNotOptimize(uebung.taste(uebung.anzeige().sollzeichen, Ansicht::Tastatur));
    }
}
BENCHMARK(BM_Wortschritt);

void BM_TastendruckImFenster(benchmark::State& state) {
    test::TempOrdner ordner;
    test::FesteUhr uhr;
    test::MerkKlang klang;
    test::FesterDatentraeger platte;
    platte.frei = 1ull << 30;
    ui::Umgebung u{&uhr, &klang, &platte, QString::fromStdString(ordner.pfad()), QSize(1024, 768), 96};
    ui::Hauptfenster fenster(u);
    fenster.setGeometry(0, 0, 1024, 768);
    fenster.show();
    auto taste = [&](int code, const QString& text, QWidget* ziel) {
        QKeyEvent druck(QEvent::KeyPress, code, Qt::NoModifier, text);
        QApplication::sendEvent(ziel, &druck);
    };
    for (QChar c : QStringLiteral("ANNA")) {
        taste(c.unicode(), c, fenster.namensfeld());
    }
    taste(Qt::Key_Return, QStringLiteral("\r"), fenster.namensfeld());
    fenster.sitzung().wunschAnschlaege = 100000;
    fenster.aktionen().start->trigger();
    fenster.hinweis()->startknopf()->click();
    taste('X', QStringLiteral("x"), &fenster);
    QApplication::processEvents();
    for (auto _ : state) {
        const Zeichen z = fenster.steuerung()->lauf().buchstabenuebung().anzeige().gefordert;
        const QString text(QChar(static_cast<char16_t>(z)));
        taste(z == ' ' ? int(Qt::Key_Space) : int(QChar(z).toUpper().unicode()), text, &fenster);
        // Paints what the keystroke changed.
        QApplication::processEvents();
    }
}
BENCHMARK(BM_TastendruckImFenster)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
