// Unit Vypocet: the calculation of one case.
#pragma once

namespace karvelo {

// StaticF1Exceeded, StaticF2Exceeded, StaticH1Exceeded, StaticH2Exceeded: a stress above the
// static permissible stress of its gear.  One load (and the approximate spectrum methodics)
// compare the stresses of the case; a spectrum by Miner or Haibach, or current service-life
// results, also the stresses of the largest level.
void DetectStaticOverloads();

// One load or given equivalent loads (LoadInputMethod not 2) as a spectrum of one level:
// LevelCount = 1, the stresses and required cycles of pinion and wheel as level 1, and the
// damage NL / N of that level on the S-N curve (Haibach below the endurance limit, none there
// by Miner; with permissible pitting the contact curve through the knee at 1e7 cycles).
// Contact: SigmaH1Level, SigmaH2Level, SH1Level, SH2Level, SigmaHP1Level, SigmaHP2Level.
void StoreSingleContactLevel();
// Bending: SigmaF1Level, SigmaF2Level, SF1Level, SF2Level, SigmaFP1Level, SigmaFP2Level.
void StoreSingleBendingLevel();

}  // namespace karvelo
