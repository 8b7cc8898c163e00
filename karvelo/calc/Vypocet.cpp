#include "karvelo/calc/Vypocet.h"

#include "karvelo/calc/Global.h"

namespace karvelo {

void DetectStaticOverloads() {
    GlobalData& g = G;
    g.StaticF1Exceeded = g.StaticH1Exceeded = g.StaticF2Exceeded = g.StaticH2Exceeded = false;
    const bool spectrumByDamage = g.LoadInputMethod == 2 && g.CalcMethodics > 2;
    if (g.LoadInputMethod == 1 || g.LoadInputMethod == 3 || (g.LoadInputMethod == 2 && g.CalcMethodics < 3)) {
        g.StaticF1Exceeded = g.SigmaF1 > g.Sigmafpb1stat;
        g.StaticH1Exceeded = g.SigmaH1 > g.SigmaHP1stat;
        g.StaticF2Exceeded = g.SigmaF2 > g.Sigmafpb2stat;
        g.StaticH2Exceeded = g.SigmaH2 > g.SigmaHP2stat;
    }
    // The largest level (the last one once the spectrum is prepared) sets flags, never clears them.
    const int n = g.LevelCount;
    if ((spectrumByDamage || g.LifeValid) && n >= 1 && n <= kMaxLevels) {
        if (g.SigmaF1Level[n] > g.Sigmafpb1stat) g.StaticF1Exceeded = true;
        if (g.SigmaH1Level[n] > g.SigmaHP1stat) g.StaticH1Exceeded = true;
        if (g.SigmaF2Level[n] > g.Sigmafpb2stat) g.StaticF2Exceeded = true;
        if (g.SigmaH2Level[n] > g.SigmaHP2stat) g.StaticH2Exceeded = true;
    }
}

}  // namespace karvelo
