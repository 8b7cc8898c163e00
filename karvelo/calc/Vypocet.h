// Unit Vypocet: the calculation of one case.  A step that cannot go on shows its message and
// clears ResumeCalculation; the later steps are then skipped.
#pragma once

#include <string>
#include <vector>

namespace karvelo {

// The whole calculation of one case: an internal wheel its cutter cannot generate stops and
// opens the geometry window; body and rim checks, forces, contact ratios (a total contact
// ratio below 1 stops and opens the geometry window), stiffness, Kv, KHbeta, KHalfa, the contact
// and tooth-root stresses with their permissible stresses and safety factors, the per-level
// factors of a spectrum with computed level factors, the validity restrictions, and the main
// window's "Validity restrictions" button shown exactly when one applies.  ResumeCalculation is
// True afterwards when the case was calculated; CalculationRunning is False on every return.
void RunCalculation();

// The approximate spectrum methodics are calculated as one load by a hypothesis: kMethodicsFigA3
// as kMethodicsHaibach, kMethodicsEqA2 as kMethodicsMiner, with kOneLevelLoading.
void ApproximateMethodicsAsOneLoad();

// What a spectrum needs before its evaluation: the permissible contact stress, the per-level
// KFbeta (unless KFbeta is given directly) and the level factor products SpectrumCol1 = KHbeta
// KHalfa Kv and SpectrumCol3 = KFbeta KFalfa Kv of each level.
void PrepareSpectrumLevels();

// The main window's Calculation once the load inputs are complete: the approximate methodics as
// one load; a spectrum prepared and evaluated, and a refused one not calculated (its equivalent
// loads would be stale ones); then RunCalculation.  True (ResumeCalculation) when the case was
// calculated.
bool CalculateCase();

// Body fit of pinion and wheel (0.1 mm tolerance) and their rim thickness; a body that does not
// fit or a rim of no thickness stops and opens the dimensions window, a thin rim asks whether to
// resume ("New entry" stops and opens the dimensions window).
void CheckRootAndRimValidity();

// The processing of a load spectrum before its calculation; with the service-life window open
// and a damage methodics (3 Miner, 4 Haibach) the service-life results become current and the
// window's "Draw" button is enabled, its ">>>" label hidden.
void EvaluateSpectrum();

// The contact part: forces, face widths, contact ratios, Z factors, KH (the equivalent factors
// for equivalent loads), nominal and actual contact stresses, permissible contact stresses, the
// single-level damage of one load, the static overload flags and SH1, SH2.
void ComputeContactStress();

// The tooth-root part: KF (equivalent factors for equivalent loads), the Y factors (a factor that
// cannot be calculated stops), nominal and actual root stresses, permissible bending stresses,
// the single-level damage of one load, the static overload flags and SF1, SF2.
void ComputeBendingStress();

// StaticF1Exceeded, StaticF2Exceeded, StaticH1Exceeded, StaticH2Exceeded: a stress above the
// static permissible stress of its gear.  One load (and the approximate spectrum methodics)
// compare the stresses of the case; a spectrum by Miner or Haibach, or current service-life
// results, also the stresses of the largest level.
void DetectStaticOverloads();

// One load or given equivalent loads (not kMultilevelLoading) as a spectrum of one level:
// LevelCount = 1, the stresses and required cycles of pinion and wheel as level 1, and the
// damage NL / N of that level on the S-N curve (Haibach below the endurance limit, none there
// by Miner; with permissible pitting the contact curve through the knee at 1e7 cycles).
// Contact: SigmaH1Level, SigmaH2Level, SH1Level, SH2Level, SigmaHP1Level, SigmaHP2Level.
void StoreSingleContactLevel();
// Bending: SigmaF1Level, SigmaF2Level, SF1Level, SF2Level, SigmaFP1Level, SigmaFP2Level.
void StoreSingleBendingLevel();

// A result that reaches the user, with the name its stop message gives it.
struct NamedResult {
    std::string what;  // "The contact stress SigmaH1"
    double value;
    const double* field;  // the variable of G it is; nullptr for a value formed from others
};
// Every computed value of the calculated case that reaches the user: the values of the main
// window's result panels (the maximum stresses as the panels take them), the computed values of
// the input and results listings, and the results the data file stores.  Which values belong
// follows the case: the spectrum's level factors, the equivalent loads, the service life.
std::vector<NamedResult> ShownResults();
// The final check of a calculation: the first value of ShownResults() that is not finite stops the
// calculation with "<what> can not be calculated from these input data.".  True when all are.
bool ShownResultsFinite();

// A safety factor permissible / stress; a stress of zero is no load and gives 0 (no factor).
double SafetyFactor(double permissible, double stress);

}  // namespace karvelo
