// Timings of one Karvelo calculation: the default one-load case and a 20-level spectrum with
// computed level factors.  Notices and window requests go nowhere.
#include <benchmark/benchmark.h>

#include "karvelo/calc/Geometrie.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/Vypocet.h"
#include "karvelo/calc/WindowHooks.h"
#include "runtime/Notice.h"

namespace {

using namespace karvelo;

class Silent : public rt::NoticeSink {
public:
    void ShowMessage(const std::string&) override {}
    int MessageBox(const std::string&, const std::string&, unsigned) override { return rt::IDOK; }
    void MessageBeep(unsigned) override {}
};

void Prepare() {
    static Silent silent;
    rt::SetNoticeSink(&silent);
    WindowHooks hooks;
    hooks.SetValidityButtonVisible = [](bool) {};
    hooks.AskResumeOrNewEntry = [](const std::string&) { G.ResumeCalculation = true; };
    InstallWindowHooks(hooks);
    G = GlobalData{};
    G.GearingType = kExternalPair;
    SetDefaultInputs();
    G.xsum = G.x1 + G.x2;
    ComputeCentreDistanceFromShifts();
    ComputeGearDimensions();
    ComputeTipThickness();
}

void OneLoad(benchmark::State& state) {
    Prepare();
    for (auto _ : state) {
        RunCalculation();
        benchmark::DoNotOptimize(G.SF1);
    }
    if (!G.ResumeCalculation) state.SkipWithError("the default case did not calculate");
}

// Miner with given equivalent loads and 20 levels whose Kv and KHalfa are computed per level.
void Spectrum20(benchmark::State& state) {
    Prepare();
    G.LoadInputMethod = kMultilevelLoading;
    G.CalcMethodics = kMethodicsMiner;
    G.SpectrumLevelsShown = false;
    G.LoadAsForce = true;
    G.FtFe1 = G.FtHe1 = G.FtFe2 = G.FtHe2 = 50000;
    G.NF1ekv = G.NH1ekv = 6e7;
    G.NF2ekv = G.NH2ekv = 3e7;
    G.LevelCount = 20;
    for (int i = 1; i <= 20; ++i) {
        G.FtLevel[i] = 3000.0 * i;
        G.n1Level[i] = 1000;
    }
    for (auto _ : state) {
        RunCalculation();
        benchmark::DoNotOptimize(G.KvLevel[20]);
    }
    if (!G.ResumeCalculation) state.SkipWithError("the spectrum case did not calculate");
}

BENCHMARK(OneLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(Spectrum20)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
