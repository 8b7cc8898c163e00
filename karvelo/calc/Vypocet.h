// Unit Vypocet: the calculation of one case.
#pragma once

namespace karvelo {

// StaticF1Exceeded, StaticF2Exceeded, StaticH1Exceeded, StaticH2Exceeded: a stress above the
// static permissible stress of its gear.  One load (and the approximate spectrum methodics)
// compare the stresses of the case; a spectrum by Miner or Haibach, or current service-life
// results, also the stresses of the largest level.
void DetectStaticOverloads();

}  // namespace karvelo
