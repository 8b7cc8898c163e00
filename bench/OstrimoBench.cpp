// The central geometry computation on the default pair and on a helical pair of odd
// tooth numbers measured over balls of a chosen diameter.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Kontrola_geometrie.h"
#include "runtime/Notice.h"

namespace {

using ostrimo::G;

void DefaultCase() {
    G = ostrimo::GlobalData{};
    G.GearingType = 1;
    ostrimo::SetDefaultGearData();
}

void BM_GeometryCheckDefault(benchmark::State& state) {
    rt::NoticeRecorder notices;
    rt::SetNoticeSink(&notices);
    DefaultCase();
    for (auto _ : state) {
        ostrimo::ComputeGeometryCheck();
        benchmark::DoNotOptimize(G.epsilonalfa);
    }
    if (G.ErrorFlag || !notices.notices.empty()) state.SkipWithError("the default pair was refused");
    rt::SetNoticeSink(nullptr);
}
BENCHMARK(BM_GeometryCheckDefault);

// A helical pair of odd tooth numbers with shifts: the balls touching the working pitch
// circles, their admissible ranges and the dimensions over balls, chords on the
// reference cylinders.
void BM_GeometryCheckBalls(benchmark::State& state) {
    rt::NoticeRecorder notices;
    rt::SetNoticeSink(&notices);
    DefaultCase();
    G.z1 = 23;
    G.z2 = 57;
    G.betaDeg = 15;
    G.beta = 15 * std::numbers::pi / 180;
    G.x1 = 0.3;
    G.x2 = -0.2;
    G.ChordConstant1 = G.ChordConstant2 = false;
    G.ChordOnReference1 = G.ChordOnReference2 = true;
    for (auto _ : state) {
        ostrimo::ComputeGeometryCheck();
        benchmark::DoNotOptimize(G.M1);
        benchmark::DoNotOptimize(G.M2);
    }
    if (G.ErrorFlag || !notices.notices.empty()) state.SkipWithError("the helical pair was refused");
    rt::SetNoticeSink(nullptr);
}
BENCHMARK(BM_GeometryCheckBalls);

}  // namespace
