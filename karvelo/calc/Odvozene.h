// Unit Odvozene: what a case holds that follows from its inputs, kept to the inputs it follows
// from.  The nominal load in its other unit and KA where the load mode fixes it are derived where
// they are taken.  The results of a spectrum (its equivalent loads and stresses, the level
// stresses, the KA of the approximate methodics) and the service lives carry the key of the inputs
// they were computed from (CaseInputsKey); once the inputs differ from it they no longer stand and
// are withdrawn where they would be shown or taken, whichever window or command changed them.
#pragma once

#include <functional>
#include <string>

namespace karvelo {

struct GlobalData;

// The inputs of a case as its data file holds them, without what a calculation gives: the results
// of a spectrum (its equivalent loads and stresses, level stresses, KA) and the service lives.
// Empty when the case cannot be stored; an empty key is that of no result.
std::string CaseInputsKey(const GlobalData& g);

// The eight equivalent loads of G 0 in both units; its four equivalent stresses 0.
void ZeroEquivalentLoads();
void ZeroEquivalentStresses();

// The results of the spectrum, or the service lives, were just computed from the inputs as they
// stand: they stand until the inputs change.
void StampSpectrumResults(GlobalData& g);
void StampServiceLives(GlobalData& g);

// The results of a spectrum (load mode 2) stand for the inputs as they are.
bool SpectrumResultsStand(const GlobalData& g);

// What the case (G) derives, brought into line with its inputs as they stand:
// - the nominal load in the other unit, where the nominal load is an input;
// - KA 1 where the load mode fixes it: a spectrum by Miner or Haibach (its levels are actual
//   loads) and equivalent loads given;
// - the results of a spectrum that no longer stand: withdrawn (0, and KA 0 for the approximate
//   methodics, whose KA is one of them);
// - service lives that no longer stand: withdrawn (LifeValid false).
void BringDerivedIntoLine();
// The first two only: what a command that computes the results afresh takes.
void DeriveLoadOfMode();
// A spectrum runs at the mean speed of its levels (with their totals of cycles and hours); a
// speed typed for all levels, which it equals but for rounding, stays as typed.  What a spectrum
// calculation takes; the speed and totals are one level's inputs otherwise, so a switch of the
// mode through the spectrum leaves them.
void DeriveSpectrumSpeed();

// `convert` changes the unit the case is held in, not the case: results that stood before it
// stand after it.
void ConvertKeepingResults(GlobalData& g, const std::function<void()>& convert);

// The largest of the four equivalent loads in the unit the loads are given in, 0 when none is.
double LargestEquivalentLoad(const GlobalData& g);

// An approximate spectrum (figure A.3, equation A.2) rated as one load: its nominal load times its
// KA.  Where that KA is below 1 (its largest equivalent load below the nominal load) the one load
// is the largest equivalent load with KA 1, the same load on the teeth with a KA that the
// one-level field takes.
void TakeApproximateLoadAsOneLoad(GlobalData& g);

}  // namespace karvelo
