// Unit Global: Karvelo's program-wide data.  Every input, intermediate value and result of a
// load-capacity case lives in the one instance `G`; windows, calculation units, the data file
// and the listings read and write it by name.  Nothing else is passed between them.
//
// Conventions of the data:
// - index or suffix 1 is the pinion, 2 the wheel;
// - lengths mm, stresses MPa, forces N, torques N.m, speeds rev/min, velocities m/s, deviations and
//   roughnesses um, angles rad (the windows show degrees), stiffness N/(mm.um), moments of inertia
//   kg.mm2, densities kg/m3;
// - an internal pair (GearingType = kInternalPair) stores z2, da2 and a negative; routines that need a
//   magnitude take the absolute value;
// - arrays are 1-based; a spectrum array has 20 elements of which the first LevelCount are used;
// - everything starts zero, empty or False; SetDefaultInputs gives the built-in case.
#pragma once

#include <array>
#include <cstdint>
#include <numbers>
#include <stdexcept>
#include <string>

#include "gearmath/GearMath.h"
#include "runtime/Array1.h"
#include "runtime/TextFile.h"

namespace karvelo {

using Extended = gear::Extended;

using rt::Array1;

// A short string: at most 255 characters.  Text read into one from a data file is cut to that
// length with ToShortString.
using ShortString = std::string;
inline ShortString ToShortString(std::string s) {
    if (s.size() > 255) s.resize(255);
    return s;
}

inline constexpr double kPi = std::numbers::pi;

inline constexpr int kMaxLevels = 20;
inline constexpr int kValiditySlots = 50;

// ---- Values of the Int16 selectors of GlobalData (the data file holds these digits)

// GearingType
inline constexpr std::int16_t kExternalPair = 1;
inline constexpr std::int16_t kInternalPair = 2;  // z2, da2 and a stored negative

// LoadInputMethod
inline constexpr std::int16_t kOneLevelLoading = 1;       // "One level loading (static)"
inline constexpr std::int16_t kMultilevelLoading = 2;     // "Multilevel loading (spectrum)"
inline constexpr std::int16_t kDirectEquivalentLoad = 3;  // "Direct input of equivalent load"

// CalcMethodics: how the equivalent load of a spectrum is found
inline constexpr std::int16_t kNoMethodics = 0;       // a zeroed case, before any is chosen
inline constexpr std::int16_t kMethodicsFigA3 = 1;    // approximate equivalent load and KA by ISO 6336-6 figure A.3
inline constexpr std::int16_t kMethodicsEqA2 = 2;     // approximate, by ISO 6336-6 equation A.2
inline constexpr std::int16_t kMethodicsMiner = 3;    // equivalent load and stress by Miner's damage sum
inline constexpr std::int16_t kMethodicsHaibach = 4;  // by Haibach (the S-N curve falls on below its knee)

// HelixModification (ISO 6336-1 table 8)
inline constexpr std::int16_t kNoHelixModification = 1;
inline constexpr std::int16_t kCentralCrowning = 2;
inline constexpr std::int16_t kCentralCrowningAsStored = 3;  // shown as central crowning; B1, B2 kept as they are
inline constexpr std::int16_t kHelixCorrection = 4;
inline constexpr std::int16_t kHelixCorrectionAndCrowning = 5;
inline constexpr std::int16_t kEndRelief = 6;

// ArrangementNo: the kinematic arrangement 1..kArrangements of the arrangement picture, or none
inline constexpr std::int16_t kNoArrangement = 0;
inline constexpr std::int16_t kArrangements = 7;

// HelpPage: the gear of the grinding-notch help
inline constexpr std::int16_t kHelpPagePinion = 1;
inline constexpr std::int16_t kHelpPageWheel = 2;

// One value per load-spectrum level; elements 1..LevelCount are in use.
using TLevelArray = Array1<double, kMaxLevels>;

// Per-level load factors of a spectrum: seven parallel columns in this fixed order.
struct TSpectrumLevels {
    TLevelArray SpectrumCol1{};  // KHbeta KHalfa Kv of each level (without KA)
    TLevelArray KHbetaLevel{};   // KHbeta per level
    TLevelArray SpectrumCol3{};  // KFbeta KFalfa Kv of each level (without KA)
    TLevelArray KFbetaLevel{};   // KFbeta per level
    TLevelArray KvLevel{};       // Kv per level
    TLevelArray KHalfaLevel{};   // KHalfa per level
    TLevelArray KFalfaLevel{};   // KFalfa per level

    static constexpr int kColumns = 7;
    // Column k (1..7) in declaration order.
    TLevelArray& SpectrumColumn(int k);
    const TLevelArray& SpectrumColumn(int k) const;
    bool operator==(const TSpectrumLevels&) const = default;
};

// Material and option strings: fourteen short strings in this fixed order.
struct TMaterialStrings {
    ShortString MaterialCode1{};  // material class code of the pinion ("St", "V", "GGGp", "GGGb", "GTS", "Eh", "IF",
    ShortString MaterialCode2{};  //   "GG", "GGGf", "NT", "NV", "NVc"), of the wheel
    ShortString MaterialForm1{};  // material form of the pinion ("wrought" or cast)
    ShortString MaterialForm2{};  // material form of the wheel
    ShortString QualityGrade1{};  // material quality grade of the pinion (ISO 6336-5), e.g. "ML"
    ShortString QualityGrade2{};  // material quality grade of the wheel
    ShortString HardnessUnit1{};  // unit text of the pinion hardness HV1, HV1core
    ShortString HardnessUnit2{};  // unit text of the wheel hardness
    // case of the equivalent-stress routines: "PO" pinion bending, "PD" pinion contact, "KO" wheel bending,
    // "KD" wheel contact
    ShortString StressCase{};
    ShortString KHbetaCase{};         // option letter of the KHbeta method C case
    ShortString KHbetaCase2{};        // second option letter of the KHbeta method C case
    ShortString ContactInfluence{};   // contact position influence for KHbeta method C: "compensatory" or "additive"
    ShortString KHbetaMethod{};       // "primo" entered directly, "bcal" from the contact pattern, "ISO_C" method C
    ShortString KHbetaCalcVariant{};  // option letter of the method C variant

    static constexpr int kStrings = 14;
    // String k (1..14) in declaration order.
    ShortString& MaterialString(int k);
    const ShortString& MaterialString(int k) const;
    bool operator==(const TMaterialStrings&) const = default;
};

// The validity report: 50 slots with text, code and applies-flag, and the count of applying slots.
struct TValidityList {
    Array1<std::string, kValiditySlots> ValidityMessages{};  // texts of the validity restrictions found
    Array1<std::int16_t, kValiditySlots> ValidityCodes{};    // code of each slot: 3, 4, 5 or 6
    Array1<std::uint8_t, kValiditySlots> ValidityKinds{};    // 1 when the slot's message applies, else 0
    std::int32_t ValidityCount{};  // number of validity messages found by the last validity check
    std::int32_t ValidityIndex{};  // loop index over the validity messages while they are written
    bool operator==(const TValidityList&) const = default;
};

// The load a case last had as one level, kept while it is given another way: the nominal load in
// the unit it was given in (the other unit follows from d1 when it is taken), KA and the load
// factors (in the order of kLoadFactors), which of them were given directly and the way KHbeta was
// obtained.  Not part of the data file: Load data starts every case without it.
struct TOneLevelLoad {
    bool Held{};
    bool AsForce{};
    double Load{};
    std::array<double, 15> Factors{};
    std::array<bool, 5> Direct{};  // KHbeta, KHalfa, KFalfa, KFbeta, Kv
    ShortString KHbetaMethod{};
    bool operator==(const TOneLevelLoad&) const = default;
};

// The data of one case.  The three record types are bases, so their members are reached by name
// like every other variable (G.KvLevel, G.StressCase, G.ValidityCount) and as records by position.
struct GlobalData : TSpectrumLevels, TMaterialStrings, TValidityList {
    // ---- Geometry of the pair
    double mn{};        // normal module [mm]
    double z1{};        // number of teeth of the pinion
    double z2{};        // number of teeth of the wheel (negative for an internal gear)
    double zn1{};       // virtual number of teeth of the pinion
    double zn2{};       // virtual number of teeth of the wheel
    double da1{};       // tip diameter of the pinion [mm]
    double da2{};       // tip diameter of the wheel [mm] (negative for an internal gear)
    double d1{};        // reference diameter of the pinion z1*mn/cos(beta) [mm]
    double d2{};        // reference diameter of the wheel [mm]
    double db1{};       // base diameter of the pinion d1*cos(alfat) [mm]
    double db2{};       // base diameter of the wheel [mm]
    double df1{};       // root diameter of the pinion [mm]
    double df2{};       // root diameter of the wheel [mm]
    double ad{};        // reference centre distance (z1+z2)*mn/(2*cos(beta)) [mm]
    double a{};         // working centre distance [mm]
    double x1{};        // profile shift coefficient of the pinion
    double x2{};        // profile shift coefficient of the wheel
    double xsum{};      // sum of the profile shift coefficients x1+x2
    double xlim{};      // critical (lowest possible) sum of the profile shift coefficients x1+x2
    double u{};         // gear ratio z2/z1
    double z0{};        // number of teeth of the pinion-type cutter that generates the internal wheel
    double x0{};        // profile shift coefficient of the pinion-type cutter
    double x0x2crit{};  // critical sum x0+x2 of the pinion-type cutter and the internal wheel
    double dw1{};       // working pitch diameter of the pinion db1/cos(alfawt) [mm]
    double dw2{};       // working pitch diameter of the wheel [mm]
    double alfan{};     // normal pressure angle of the basic rack [rad]
    double alfat{};     // transverse pressure angle atan(tan(alfan)/cos(beta)) [rad]
    double beta{};      // helix angle at the reference cylinder [rad]
    double betab{};     // base helix angle arcsin(sin(beta)*cos(alfan)) [rad]
    double alfawt{};    // working transverse pressure angle [rad]
    double epsalfa{};   // transverse contact ratio
    double epsbeta{};   // overlap ratio b*sin(beta)/(pi*mn)
    double epsgama{};   // total contact ratio epsalfa+epsbeta
    double haP1{};      // addendum coefficient of the basic rack, pinion
    double haP2{};      // addendum coefficient of the basic rack, wheel
    double hf1{};       // dedendum of the pinion [mm] (d1-df1)/2
    double hf2{};       // dedendum of the wheel [mm]
    double caP1{};      // tip clearance coefficient of the basic rack, pinion
    double caP2{};      // tip clearance coefficient of the basic rack, wheel
    double RofP1{};     // root radius coefficient of the basic rack, pinion
    double RofP2{};     // root radius coefficient of the basic rack, wheel

    // ---- Material data
    double HV1{};      // surface hardness of the pinion (unit text in HardnessUnit1)
    double HV2{};      // surface hardness of the wheel
    double HV1core{};  // core hardness of the pinion
    double HV2core{};  // core hardness of the wheel
    double Rm1{};      // tensile strength of the pinion material [MPa]
    double Rm2{};      // tensile strength of the wheel material [MPa]
    double Re1{};      // yield limit of the pinion material [MPa]
    double Re2{};      // yield limit of the wheel material [MPa]
    double E1{};       // modulus of elasticity, pinion [MPa]
    double E2{};       // modulus of elasticity, wheel [MPa]
    double Ny1{};      // Poisson's ratio, pinion
    double Ny2{};      // Poisson's ratio, wheel
    double NHlim1{};   // number of cycles at the contact endurance limit, pinion
    double NFlim1{};   // number of cycles at the bending endurance limit, pinion
    double NHlim2{};   // number of cycles at the contact endurance limit, wheel
    double NFlim2{};   // number of cycles at the bending endurance limit, wheel
    double qH1{};      // exponent of the contact S-N curve, pinion
    double qF1{};      // exponent of the bending S-N curve, pinion
    double qH2{};      // exponent of the contact S-N curve, wheel
    double qF2{};      // exponent of the bending S-N curve, wheel

    // ---- Stresses and permissible stresses
    double SigmaF1{};     // tooth-root stress of the pinion [MPa]
    double SigmaF2{};     // tooth-root stress of the wheel [MPa]
    double SigmaHlim1{};  // contact endurance limit, pinion [MPa]
    double SigmaHlim2{};  // contact endurance limit, wheel [MPa]
    double SigmaH01{};    // nominal contact stress used for the pinion [MPa]
    double SigmaH02{};    // nominal contact stress used for the wheel [MPa]
    double SigmaH1{};     // contact stress of the pinion [MPa]
    double SigmaH2{};     // contact stress of the wheel [MPa]
    double SigmaFP1{};    // permissible tooth-root stress of the pinion [MPa]
    double SigmaFP2{};    // permissible tooth-root stress of the wheel [MPa]
    double SigmaHP1{};    // permissible contact stress of the pinion [MPa]
    double SigmaHP2{};    // permissible contact stress of the wheel [MPa]

    // ---- Dimensions of the gear bodies and the KHbeta method C arrangement
    double b1{};     // face width of the pinion [mm]
    double b2{};     // face width of the wheel [mm]
    double b{};      // common face width [mm] (from b1, b2 and db)
    double bFmin{};  // smaller of bF1, bF2 [mm]
    double bF1{};    // face width for the bending calculation of the pinion: b+mn limited to b1 [mm]
    double bF2{};    // face width for the bending calculation of the wheel: b+mn limited to b2 [mm]
    double bs1{};    // web thickness of the pinion [mm]
    double bs2{};    // web thickness of the wheel [mm]
    double db{};     // axial offset between the pinion and wheel faces [mm]
    double dh1{};    // shaft (hub) diameter of the pinion [mm]
    double dh2{};    // shaft (hub) diameter of the wheel [mm]
    double sR1{};    // rim thickness of the pinion [mm]
    double sR2{};    // rim thickness of the wheel [mm]
    double sd1{};    // wall thickness of the pinion hub [mm] (hub outside diameter dh1 + 2 sd1)
    double sd2{};    // wall thickness of the wheel hub [mm]
    double s1{};     // KHbeta method C: offset of the pinion from the centre of the bearing span [mm]
    double l1{};     // KHbeta method C: bearing span [mm]
    double dsh1{};   // KHbeta method C: outside shaft diameter [mm]

    // ---- Load and influence factors, forces
    double KHbeta{};    // face load factor (contact), entered or computed
    double bcal{};      // length of the contact pattern for KHbeta [mm]
    double v{};         // pitch line velocity d1*pi*n1/60000 [m/s]
    double Zepsilon{};  // contact ratio factor
    double ZE{};        // elasticity factor [sqrt(MPa)]
    double ZH{};        // zone factor
    double ZB{};        // single pair tooth contact factor, pinion
    double ZD{};        // single pair tooth contact factor, wheel
    double KH{};        // total contact load factor KA Kv KHbeta KHalfa
    double KF{};        // total bending load factor KA Kv KFbeta KFalfa
    double Zbeta{};     // helix angle factor (contact)
    double n1{};        // pinion speed [rev/min]
    double Ft{};        // nominal tangential force of the contact calculation [N]
    double FtF{};       // tangential force of the bending calculation [N]
    double FtFe1{};     // equivalent tangential force for bending, pinion [N]
    double FtHe1{};     // equivalent tangential force for contact, pinion [N]
    double FtFe2{};     // equivalent tangential force for bending, wheel [N]
    double FtHe2{};     // equivalent tangential force for contact, wheel [N]
    double TFe1{};      // equivalent torque for bending, pinion [N.m]
    double THe1{};      // equivalent torque for contact, pinion [N.m]
    double TFe2{};      // equivalent torque for bending, wheel [N.m]
    double THe2{};      // equivalent torque for contact, wheel [N.m]
    double KA{};        // application factor
    double mred{};      // reduced mass of the gear pair (ISO 6336-1) [kg/mm]
    double nE1{};       // resonance speed of the pinion 30000/(pi*z1)*sqrt(c/mred) [rev/min]
    double Rog1{};      // radius of the grinding notch, pinion [mm]
    double Rog2{};      // radius of the grinding notch, wheel [mm]
    double tg1{};       // depth of the grinding notch, pinion [mm]
    double tg2{};       // depth of the grinding notch, wheel [mm]
    double KHalfa{};    // transverse load factor (contact)
    double KFalfa{};    // transverse load factor (bending)
    double KFbeta{};    // face load factor (bending)
    double Ybeta{};     // helix angle factor (bending)
    double YX1{};       // size factor (bending) for the actual life, pinion
    double YX2{};       // size factor (bending) for the actual life, wheel
    double YS1{};       // stress correction factor, pinion
    double YS2{};       // stress correction factor, wheel
    double YN1{};       // life factor (bending), pinion
    double YN2{};       // life factor (bending), wheel
    double ZN1{};       // life factor (contact), pinion
    double ZN2{};       // life factor (contact), wheel

    // ---- Safety factors
    double SH1{};  // contact safety factor of the pinion SigmaHP1/SigmaH1
    double SH2{};  // contact safety factor of the wheel SigmaHP2/SigmaH2
    double SF1{};  // bending safety factor of the pinion SigmaFP1/SigmaF1
    double SF2{};  // bending safety factor of the wheel SigmaFP2/SigmaF2

    // ---- Selectors and counters
    // error position returned by the decimal conversion in the input validators (0 = number accepted)
    std::int32_t ValCode{};
    std::int16_t GearingType{};     // kExternalPair or kInternalPair
    std::int16_t ActiveEdit{};      // number of the edit field that has the focus in the current input window
    std::int16_t MaterialClass1{};  // material class of the pinion (index into the material list)
    std::int16_t MaterialClass2{};  // material class of the wheel
    std::int16_t IT1{};             // accuracy grade of the pinion (ISO 1328-1)
    std::int16_t IT2{};             // accuracy grade of the wheel (ISO 1328-1)
    std::int16_t LevelCount{};      // number of load-spectrum levels in use (1..20)
    std::int16_t CalcMethodics{};   // equivalent-load methodics of a spectrum: kMethodicsFigA3 .. kMethodicsHaibach
    std::int16_t HelpPage{};  // which help text the other-factors window opened last: kHelpPagePinion, kHelpPageWheel

    // ---- Work strings
    ShortString StrBuf1{};  // work buffer for number-to-text and text-to-number conversions
    ShortString StrBuf2{};  // second work buffer for conversions

    // ---- Flags
    bool da1Given{};  // True: tip diameter da1 entered directly
    bool da2Given{};  // True: tip diameter da2 entered directly
    bool aGiven{};    // True: working centre distance a entered; x2 then follows from xsum-x1
    // True: the material table was opened for the pinion, False: for the wheel; the tooth form factor routines set it
    // too, to name the gear in their message
    bool MaterialForPinion{};
    // set by the main window's message hook when a particular control of the active input window is pressed with the
    // mouse; the field validators skip their checks while it is set
    bool ControlPressed1{};
    bool ControlPressed2{};  // second flag of the same kind (see ControlPressed1)
    bool ControlPressed3{};  // third flag of the same kind
    bool ControlPressed4{};  // fourth flag of the same kind
    bool ControlPressed5{};  // fifth flag of the same kind
    bool ControlPressed6{};  // sixth flag of the same kind
    bool sR1BelowMin{};      // True: sR1 is below sRmin1
    bool sR2BelowMin{};      // True: sR2 is below sRmin2
    bool KHbetaDirect{};     // True: KHbeta entered directly
    bool FullPinion{};       // True: the pinion is a full body (no rim, web and hub)
    bool FullWheel{};        // True: the wheel is a full body
    // True: fp1 is computed from the accuracy grade IT1; False: fp1 takes the actual value fpr1act
    bool fpr1Measured{};
    bool fpr2Measured{};      // True: fp2 is computed from IT2; False: fp2 takes fpr2act
    bool ffalfa1Measured{};   // True: ffalfa1 is computed from IT1; False: ffalfa1 takes ffalfa1act
    bool ffalfa2Measured{};   // True: ffalfa2 is computed from IT2; False: ffalfa2 takes ffalfa2act
    bool fHbeta1Measured{};   // True: fHbeta1 is computed from IT1; False: fHbeta1 takes fHbeta1act
    bool fHbeta2Measured{};   // True: fHbeta2 is computed from IT2; False: fHbeta2 takes fHbeta2act
    bool SpectrumInCycles{};  // True: spectrum levels and service life given in cycles, False: in hours
    bool LoadAsForce{};       // True: loads given as tangential forces, False: as torques
    // continuation flag of a calculation: set True when a calculation starts; every check that stops the calculation
    // sets it False; the confirmation dialog sets it True for "Resume" and False for "New entry"; callers test it
    // after each step
    bool ResumeCalculation{};
    bool SpectrumXMode{};       // spectrum x values entered absolutely (True) or relatively (False)
    bool SpectrumAbsolute{};    // True: spectrum loads entered as absolute values
    bool SpectrumRatioToMax{};  // True: spectrum loads entered as ratio j/max
    bool SpectrumRatioMaxTo{};  // True: spectrum loads entered as ratio max/j
    bool SpectrumRatioToMin{};  // True: spectrum loads entered as ratio j/min
    bool cDirect{};             // True: mesh stiffness c' entered directly
    bool JDirect{};             // True: moments of inertia J1, J2 entered directly
    bool mredISO{};             // True: the reduced mass is computed by ISO 6336-1
    bool RogUsed{};             // True: the grinding-notch values are applied
    bool SigmaHlim1Direct{};    // True: SigmaHlim1 given directly
    bool SigmaHlim2Direct{};    // True: SigmaHlim2 given directly
    bool SigmaFlimb1Direct{};   // True: the bending endurance limit of the pinion given directly
    bool SigmaFlimb2Direct{};   // True: the bending endurance limit of the wheel given directly
    bool KFalfaDirect{};        // True: KFalfa entered directly
    bool KHalfaDirect{};        // True: KHalfa entered directly
    bool KFbetaDirect{};        // True: KFbeta entered directly
    bool KvDirect{};            // True: dynamic factor Kv entered directly
    bool MethodC{};             // True: calculation by ISO 6336 method C, False: method B
    bool YF1Direct{};           // True: YF1 entered directly
    bool YF2Direct{};           // True: YF2 entered directly
    bool YS1Direct{};           // True: YS1 entered directly
    bool YS2Direct{};           // True: YS2 entered directly
    bool YN1Direct{};           // True: YN1 entered directly
    bool YN2Direct{};           // True: YN2 entered directly
    bool ZN1Direct{};           // True: ZN1 entered directly
    bool ZN2Direct{};           // True: ZN2 entered directly
    bool ZBDirect{};            // True: ZB entered directly
    bool ZDDirect{};            // True: ZD entered directly
    bool EquivKaFigA3{};        // load-input option "Equivalent load + Ka (ISO - fig. A3)"
    bool EquivKaEqA2{};         // load-input option "Equivalent load + Ka (ISO - eq. A2)"
    bool EquivMiner{};          // load-input option "Equivalent load and stress - Miner"
    bool EquivHaibach{};        // load-input option "Equivalent load and stress - Haibach"

    // ---- Notch parameters and the spectrum as entered
    double qs1{};             // notch parameter qs = sFn/(2 rhoF) of the pinion
    double qs2{};             // notch parameter qs of the wheel
    TLevelArray SpectrumX{};  // spectrum x values (cycles or hours) per level as entered
    TLevelArray SpectrumY{};  // spectrum y values (loads) per level as entered

    // ---- Further quantities: material, life, factors, loads, deviations
    double SigmaFlim1{};      // bending endurance limit, pinion [MPa]
    double SigmaFlim2{};      // bending endurance limit, wheel [MPa]
    double RzH1{};            // flank roughness Rz of the pinion [um]
    double RzH2{};            // flank roughness Rz of the wheel [um]
    double RzF1{};            // root roughness Rz of the pinion [um]
    double RzF2{};            // root roughness Rz of the wheel [um]
    double YST1{};            // stress correction factor of the reference test gear, pinion
    double YST2{};            // stress correction factor of the reference test gear, wheel
    double NL1{};             // required number of load cycles of the pinion
    double NL2{};             // required number of load cycles of the wheel
    double NL1h{};            // required service life of the pinion [h]
    double NL2h{};            // required service life of the wheel [h]
    double OilTemperature{};  // kinematic viscosity of the oil at 40 degrees C [mm^2/s]
    double OilViscosity{};    // kinematic viscosity of the oil at 50 degrees C [mm^2/s]
    double SigmaF01{};        // nominal tooth-root stress of the pinion without the load factors [MPa]
    double SigmaF02{};        // nominal tooth-root stress of the wheel without the load factors [MPa]
    double epsalfan{};        // virtual transverse contact ratio epsalfa/cos^2(betab)
    double Protub1{};         // protuberance size of the pinion tool
    double Protub2{};         // protuberance size of the wheel tool
    double dNa1{};            // active tip diameter of the pinion [mm] (tip diameter limited by the mating gear)
    double dNa2{};            // active tip diameter of the wheel [mm]
    double YF1{};             // tooth form factor, pinion
    double YF2{};             // tooth form factor, wheel
    double YSg1{};            // stress correction factor for the grinding notch, pinion
    double YSg2{};            // stress correction factor for the grinding notch, wheel
    double YB1{};             // rim thickness factor, pinion
    double YB2{};             // rim thickness factor, wheel
    double YDT{};             // deep tooth factor
    double ht1{};             // tooth depth of the pinion (dNa1 - df1)/2 [mm]
    double ht2{};             // tooth depth of the wheel (dNa2 - df2)/2 [mm]
    double sRmin1{};          // lower bound of the pinion rim thickness for the rim warning [mm]
    double sRmin2{};          // lower bound of the wheel rim thickness for the rim warning [mm]
    double YdrelT1{};         // relative notch sensitivity factor for the actual life, pinion
    double YdrelT2{};         // relative notch sensitivity factor for the actual life, wheel
    double YRrelT1{};         // relative surface factor for the actual life, pinion
    double YRrelT2{};         // relative surface factor for the actual life, wheel
    double YdrelT1stat{};     // relative notch sensitivity factor (static), pinion
    double YdrelT2stat{};     // relative notch sensitivity factor (static), wheel
    double YdrelT1ref{};      // relative notch sensitivity factor (reference), pinion
    double YdrelT2ref{};      // relative notch sensitivity factor (reference), wheel
    double YRrelT1ref{};      // relative surface factor (reference), pinion
    double YRrelT1stat{};     // relative surface factor (static), pinion
    double YRrelT2ref{};      // relative surface factor (reference), wheel
    double YRrelT2stat{};     // relative surface factor (static), wheel
    double YX1ref{};          // size factor (reference), pinion
    double YX2ref{};          // size factor (reference), wheel
    double YX1stat{};         // size factor (static), pinion
    double YX2stat{};         // size factor (static), wheel
    double ZL{};              // lubricant factor
    double ZR{};              // roughness factor
    double ZV{};              // velocity factor
    double ZX{};              // size factor (contact)
    double ZW{};              // work hardening factor for the actual life (contact)
    double qH_1{};            // Haibach exponent of the contact S-N curve below the endurance limit, pinion
    double qF_1{};            // Haibach exponent of the bending S-N curve below the endurance limit, pinion
    double qH_2{};            // Haibach exponent of the contact S-N curve below the endurance limit, wheel
    double qF_2{};            // Haibach exponent of the bending S-N curve below the endurance limit, wheel
    double ZLref{};           // lubricant factor (reference)
    double ZLstat{};          // lubricant factor (static)
    double ZVref{};           // velocity factor (reference)
    double ZVstat{};          // velocity factor (static)
    double ZRref{};           // roughness factor (reference)
    double ZRstat{};          // roughness factor (static)
    double ZW2ref{};          // work hardening factor (reference)
    double ZW2stat{};         // work hardening factor (static)
    double SigmaHP1stat{};    // permissible contact stress (static), pinion [MPa]
    double SigmaHP2stat{};    // permissible contact stress (static), wheel [MPa]
    double SigmaHP1ref{};     // permissible contact stress (reference), pinion [MPa]
    double SigmaHP2ref{};     // permissible contact stress (reference), wheel [MPa]
    double Sigmafpb1stat{};   // permissible tooth root stress (static), pinion [MPa]
    double Sigmafpb2stat{};   // permissible tooth root stress (static), wheel [MPa]
    double Sigmafpb1ref{};    // permissible tooth root stress (reference), pinion [MPa]
    double Sigmafpb2ref{};    // permissible tooth root stress (reference), wheel [MPa]
    double SigmaHP1knee{};    // contact stress at the knee of the pinion S-N curve when pitting is permissible [MPa]
    double SigmaHP2knee{};    // contact stress at the knee of the wheel S-N curve when pitting is permissible [MPa]
    double Ftmax{};           // maximum tangential force of the spectrum (first level) [N]
    double Tmax{};            // maximum torque of the spectrum (first level) [N.m]
    double Ftmin{};           // minimum tangential force of the spectrum [N]
    double Tmin{};            // minimum torque of the spectrum [N.m]
    double Ftjm{};            // nominal tangential force [N]
    double Tjm{};             // nominal torque [N.m]
    double LF1{};             // calculated bending service life of the pinion [cycles]
    double LH1{};             // calculated contact service life of the pinion [cycles]
    double LF2{};             // calculated bending service life of the wheel [cycles]
    double LH2{};             // calculated contact service life of the wheel [cycles]
    // exponent of the pinion contact S-N curve between its knee and the endurance limit when pitting is permissible
    double qH1knee{};
    // exponent of the wheel contact S-N curve between its knee and the endurance limit when pitting is permissible
    double qH2knee{};
    double SigmaF1max{};  // maximum tooth root stress of the spectrum, pinion [MPa]
    double SigmaF2max{};  // maximum tooth root stress of the spectrum, wheel [MPa]
    double SigmaH1max{};  // maximum contact stress of the spectrum, pinion [MPa]
    double SigmaH2max{};  // maximum contact stress of the spectrum, wheel [MPa]
    double SH1life{};    // contact safety factor of the pinion in the service-life calculation (required or calculated)
    double SF1life{};    // bending safety factor of the pinion in the service-life calculation
    double SH2life{};    // contact safety factor of the wheel in the service life calculation
    double SF2life{};    // bending safety factor of the wheel in the service life calculation
    double FtHe1Used{};  // equivalent contact force of the pinion as used by the stress routines [N]
    double FtFe1Used{};  // equivalent bending force of the pinion as used by the stress routines [N]
    double FtHe2Used{};  // equivalent contact force of the wheel as used by the stress routines [N]
    double FtFe2Used{};  // equivalent bending force of the wheel as used by the stress routines [N]
    double KFbetaEkv{};  // equivalent KFbeta over the spectrum
    double KHbetaEkv{};  // equivalent KHbeta over the spectrum
    double KFalfaEkv{};  // equivalent KFalfa over the spectrum
    double KHalfaEkv{};  // equivalent KHalfa over the spectrum
    double Kv{};         // dynamic factor
    double KvEkv{};      // equivalent dynamic factor over the spectrum
    double sa1{};        // normal tooth thickness at the tip circle of the pinion [mm]
    double sa2{};        // normal tooth thickness at the tip circle of the wheel [mm]
    double ro_steel1{};  // density of the pinion material [kg/m3]
    double ro_steel2{};  // density of the wheel material [kg/m3]
    double cprime{};     // single stiffness c' [N/(mm.um)]
    double cgammaAlpha{};  // mesh stiffness c-gamma-alpha [N/(mm.um)]
    double cgammaBeta{};   // mesh stiffness c-gamma-beta [N/(mm.um)]
    double J1{};           // moment of inertia of the pinion [kg.mm2]
    double J2{};           // moment of inertia of the wheel [kg.mm2]
    double R1{};           // stress ratio R of the pinion (-1.2..0)
    double R2{};           // stress ratio R of the wheel (-1.2..0)
    double YM1ref{};       // mean stress factor (reference), pinion
    double YM1stat{};      // mean stress factor (static), pinion
    double YM2ref{};       // mean stress factor (reference), wheel
    double YM2stat{};      // mean stress factor (static), wheel
    double fsh{};          // bending and twisting of the pinion and shaft fsh [um]
    double fma{};          // mesh misalignment (manufacturing deviations) fma [um]
    double fsh2{};         // bending and twisting of the wheel and shaft fsh2 [um]
    double fca{};          // case deformation fca [um]
    double fbe{};          // bearing clearances and deflections fbe [um]
    double fp1{};          // allowable single pitch deviation, pinion [um]
    double fp2{};          // allowable single pitch deviation, wheel [um]
    double fpr1act{};      // measured single pitch deviation, pinion [um]
    double fpr2act{};      // measured single pitch deviation, wheel [um]
    double fHbeta1{};      // allowable helix slope deviation, pinion [um]
    double fHbeta2{};      // allowable helix slope deviation, wheel [um]
    double fHbeta1act{};   // measured helix slope deviation, pinion [um]
    double fHbeta2act{};   // measured helix slope deviation, wheel [um]
    double ffalfa1{};      // allowable profile form deviation, pinion [um]
    double ffalfa2{};      // allowable profile form deviation, wheel [um]
    double ffalfa1act{};   // measured profile form deviation, pinion [um]
    double ffalfa2act{};   // measured profile form deviation, wheel [um]
    double cbeta{};        // helix modification: size of the crowning/end relief cbeta [um]
    double cI{};           // helix modification size cI(II) [um]
    double bred{};         // helix modification: reduced width bred [mm]

    // ---- Material texts (the fourteen material and option strings are in TMaterialStrings)
    std::string MatDesignation1{};  // material designation of the pinion
    std::string MatDesignation2{};  // material designation of the wheel
    std::string MatName1{};         // material description of the pinion
    std::string MatName2{};         // material description of the wheel

    // ---- Counters, selectors and further flags
    // method of load input: kOneLevelLoading, kMultilevelLoading or kDirectEquivalentLoad
    std::int16_t LoadInputMethod{};
    std::int16_t ArrangementNo{};      // kinematic arrangement picked in the arrangement picture, kNoArrangement = none
    std::int16_t HelixModification{};  // kind of helix modification: kNoHelixModification .. kEndRelief
    // selects which of the two oil viscosities is entered: True the one at 50 degrees C (OilViscosity), False the one
    // at 40 degrees C (OilTemperature)
    bool ViscosityGiven{};
    bool YSg1Direct{};         // True: YSg1 entered directly
    bool YSg2Direct{};         // True: YSg2 entered directly
    bool YdrelT1refDirect{};   // True: YdrelT1ref entered directly
    bool YdrelT1statDirect{};  // True: YdrelT1stat entered directly
    bool YdrelT2refDirect{};   // True: YdrelT2ref entered directly
    bool YdrelT2statDirect{};  // True: YdrelT2stat entered directly
    bool YRrelT2refDirect{};   // True: YRrelT2ref entered directly
    bool YRrelT1refDirect{};   // True: YRrelT1ref entered directly
    bool SpectrumForces{};     // True: spectrum loads are tangential forces
    bool SpectrumTorques{};    // True: spectrum loads are torques
    bool YX1refDirect{};       // True: YX1ref entered directly
    bool YX2refDirect{};       // True: YX2ref entered directly
    bool ZVrefDirect{};        // True: ZVref entered directly
    bool ZLrefDirect{};        // True: ZLref entered directly
    bool ZRrefDirect{};        // True: ZRref entered directly
    bool ZepsilonDirect{};     // True: Zepsilon entered directly
    // True: service life is computed for required safety factors; False: safety factors for a required life
    bool LifeFromSafety{};
    // True: safety factors are computed for a required service life (the counterpart of LifeFromSafety; the service-
    // life window keeps exactly one of the two set); whether lives are counted in hours or cycles follows
    // SpectrumInCycles
    bool LifeInHours{};
    bool YM1refDirect{};         // True: YM1ref entered directly
    bool YM2refDirect{};         // True: YM2ref entered directly
    bool YM1statDirect{};        // True: YM1stat entered directly
    bool YM2statDirect{};        // True: YM2stat entered directly
    bool ZW2statDirect{};        // True: ZW2stat entered directly
    bool ZW2refDirect{};         // True: ZW2ref entered directly
    bool PittingAllowed1{};      // True: "Certain degree of pinion pitting is permissible"
    bool PittingAllowed2{};      // True: "Certain degree of wheel pitting is permissible"
    bool LifeFormActive{};       // True while the service-life window is open
    bool LifeValid{};            // True: the service-life results are current
    bool HypothesisHaibach{};    // damage hypothesis: True Haibach, False Miner
    bool StaticF1Exceeded{};     // True: the pinion tooth-root stress exceeds Sigmafpb1stat
    bool StaticF2Exceeded{};     // True: the wheel tooth-root stress exceeds Sigmafpb2stat
    bool StaticH1Exceeded{};     // True: the pinion contact stress exceeds SigmaHP1stat
    bool StaticH2Exceeded{};     // True: the wheel contact stress exceeds SigmaHP2stat
    bool PinionShrinkFitted{};   // True: the pinion is shrink fitted on its shaft (KHbeta method C)
    bool SpectrumLevelsShown{};  // True: the per-level factors of the spectrum are given directly

    // ---- Spectrum processing and per-level results (the factor columns are in TSpectrumLevels)
    // work column of the spectrum processing: after spectrum preparation the level loads in ascending order, then the
    // level stresses of the equivalent-load case at work
    TLevelArray CyclesLevel{};
    // class cycles: pinion load cycles spent at each level alone (ascending load order after spectrum preparation)
    TLevelArray NLevel1{};
    // cumulative cycles: the class cycles of the level and of all levels with larger load (ascending load order after
    // spectrum preparation)
    TLevelArray NLevel2{};
    TLevelArray SigmaF1Level{};   // tooth-root stress of the pinion per level [MPa]
    TLevelArray SigmaF2Level{};   // tooth-root stress of the wheel per level [MPa]
    TLevelArray SigmaH1Level{};   // contact stress of the pinion per level [MPa]
    TLevelArray SigmaH2Level{};   // contact stress of the wheel per level [MPa]
    TLevelArray SigmaFP1Level{};  // partial damage n/N of each level, bending, pinion
    TLevelArray SigmaFP2Level{};  // partial damage n/N of each level, bending, wheel
    TLevelArray SigmaHP1Level{};  // partial damage n/N of each level, contact, pinion
    TLevelArray SigmaHP2Level{};  // partial damage n/N of each level, contact, wheel
    TLevelArray SF1Level{};       // load cycles of each level for the bending damage, pinion
    TLevelArray SF2Level{};       // load cycles of each level for the bending damage, wheel
    TLevelArray SH1Level{};       // load cycles of each level for the contact damage, pinion
    TLevelArray SH2Level{};       // load cycles of each level for the contact damage, wheel
    TLevelArray FtLevel{};        // tangential force per level used by the per-level factors [N]
    TLevelArray n1Level{};        // pinion speed per level [rev/min]
    // True while RunCalculation is between its start and the validity check; the per-level factor routines test it
    bool CalculationRunning{};

    // ---- Further quantities of the geometry and stress calculations
    double invAlfat{};        // involute of alfat
    double invAlfawt{};       // involute of alfawt
    double kTip{};            // tip shortening coefficient xsum - (a - ad)/mn
    double ha1{}, ha2{};      // addenda of pinion and wheel [mm]
    double hFfP1{}, hFfP2{};  // coefficients of the root form height
    double hFf1{}, hFf2{};    // root form heights [mm]
    // Pinion-type cutter of an internal wheel: centre distance with the wheel, reference, tip and base diameter,
    // diameter at alfaa0 [mm]
    double a0{}, d0{}, da0{}, db0{}, d0alfa{};
    double haP0{};                  // addendum coefficient of the cutter
    double alfaw0{};                // working pressure angle of cutter and wheel [rad]
    double invAlfaw0{};             // its involute
    double alfaa0{};                // auxiliary pressure angle of the cutter [rad]
    double dw2c{}, dw0{};           // rolling diameters of wheel and cutter in their mesh [mm]
    bool CutterTipAngleNegative{};  // the cutter's auxiliary pressure angle came out negative
    bool Undercut1{}, Undercut2{};  // the tool undercuts the pinion, the wheel
    double dU1{}, dU2{};            // diameters of the undercut boundary (start of the usable involute) [mm]
    double M1{}, M2{};              // single pair factors before the helix correction
    double m1{}, m2{};              // masses of pinion and wheel [kg]
    double sFn1{}, sFn2{};          // tooth-root chords at the critical section [mm]
    double hFe1{}, hFe2{};          // bending moment arms [mm]
    double rhoF1{}, rhoF2{};        // root fillet radii at the critical section [mm]
    double Teta{};                  // auxiliary angle of ISO 6336-3 [rad]
    double dn1{}, dn2{};            // reference diameters of the virtual gears [mm]

    // ---- Dynamic factor and running-in allowances
    double fpbmax{};                     // the larger deviation (by absolute value) of the pair in use [um]
    double ffalfamax{};                  // the larger profile form deviation of the pair [um]
    double yalfa1{}, yalfa2{}, yalfa{};  // transverse running-in allowance of pinion, wheel and their mean [um]
    double Cv1{}, Cv2{}, Cv3{}, Cv4{}, Cv5{}, Cv6{}, Cv7{};  // coefficients of method B
    double Bp{}, Bf{}, Bk{};                                 // non-dimensional parameters of method B
    double NS{};                                             // lower bound of the main resonance range
    double Nupper{};                                         // upper bound of the main resonance range
    double vzfactor{};                                       // v z1/100 sqrt(u^2/(1+u^2)) of method C [m/s]
    double FtKAb{};                                          // KA Ft/b of method C [N/mm]
    double K1{}, K2{}, K3{};                                 // constants of method C
    // True: the calculation uses the entered deviation instead of the tolerance of ISO 1328-1
    bool fpb1UseDirect{}, fpb2UseDirect{}, ffalfa1UseDirect{}, ffalfa2UseDirect{}, fHbeta1UseDirect{},
        fHbeta2UseDirect{};

    // ---- Face load factors
    double fHbeta5{};                    // helix slope tolerance of accuracy grade 5 for b, d1 [um]
    double Kprime{};                     // pinion offset constant K'
    double B1{}, B2{};                   // helix modification factors
    double Fm{};                         // mean transverse tangential load Ftjm KA Kv [N]
    double Fbx{};                        // initial equivalent misalignment [um]
    double ybeta1{}, ybeta2{}, ybeta{};  // helix running-in allowance of pinion, wheel and their mean [um]
    double Fby{};                        // effective equivalent misalignment [um]
    double NF{};                         // exponent of KFbeta
    // True: the deformation component fsh, fma, fsh2, fca, fbe was entered in the KHbeta method C window
    bool fshDirect{}, fmaDirect{}, fsh2Direct{}, fcaDirect{}, fbeDirect{};
    bool cbetaDirect{};  // True: the helix modification amount cbeta was entered
    bool cIDirect{};     // True: the helix modification amount cI was entered

    // ---- Permissible contact and bending stresses
    // cycle numbers up to which the static strength applies (set with the material by the materials window)
    double NLstatH1{}, NLstatH2{}, NLstatF1{}, NLstatF2{};
    // cycle numbers at which the S-N curves reach the static level (computed)
    double NHstat1{}, NHstat2{}, NFstat1{}, NFstat2{};
    double ZNT1stat{}, ZNT2stat{};                // static life factors (contact)
    double YNT1stat{}, YNT2stat{};                // static life factors (bending)
    double rho1{}, rho2{}, rhored{};              // radii of curvature at the pitch point and the relative radius [mm]
    double M1ref{}, M1stat{}, M2ref{}, M2stat{};  // mean stress sensitivities

    // ---- Spectrum working form and equivalent loads
    TLevelArray ClassHours{};       // hours spent at each level (entry order)
    TLevelArray CumulativeHours{};  // running sum of ClassHours in entry order
    double CaseNLim{};              // cycle number at the endurance limit (knee) of the current case
    double CaseSigmaLim{};          // reference permissible stress of the current case (the stress at the knee)
    double CaseExponent{};          // S-N exponent of the current case above the knee
    double CaseExponent2{};         // Haibach exponent of the current case below the knee
    double CaseEquivalent{};        // result of the current case (equivalent load or stress)
    double CaseEquivalentCycles{};  // cycle number of the equivalent stress of the current case
    double PittingLoadExponent{};
    double DamageSum{};                     // damage sum of the current case
    double NFe1{}, NHe1{}, NFe2{}, NHe2{};  // cycle numbers of the approximate equivalent loads
    double KAF1{}, KAH1{}, KAF2{}, KAH2{};  // application factors of the approximate equivalent loads
    // equivalent stresses of pinion bending, pinion contact, wheel bending, wheel contact [MPa] and their cycles
    double SigmaF1ekv{}, SigmaH1ekv{}, SigmaF2ekv{}, SigmaH2ekv{};
    double NF1ekv{}, NH1ekv{}, NF2ekv{}, NH2ekv{};
    double KHekv{};  // KvEkv KHbetaEkv KHalfaEkv
    double KFekv{};  // KvEkv KFbetaEkv KFalfaEkv
    // load factors at the permissible loads and their products
    double KvPerm{}, KHbetaPerm{}, KFbetaPerm{}, KHalfaPerm{}, KFalfaPerm{}, KHPerm{}, KFPerm{};
    double FtFP1{}, FtHP1{}, FtFP2{}, FtHP2{};                          // permissible tangential forces [N]
    double TFP1{}, THP1{}, TFP2{}, THP2{};                              // permissible torques [N.m]
    double LifeHoursF1{}, LifeHoursF2{}, LifeHoursH1{}, LifeHoursH2{};  // calculated service lives [h]

    // ---- Windows, files and work values
    ShortString EditionText{};  // the program's edition and year, shown by the geometry window on request
    // numbers of spectrum levels whose root (F) or contact (H) stress of the pinion (1) or wheel (2) exceeds its
    // static permissible stress
    std::int16_t StaticOverloadCountF1{}, StaticOverloadCountH1{}, StaticOverloadCountF2{}, StaticOverloadCountH2{};
    bool LoadingInputComplete{};       // the load inputs are complete (loading window, Calculation command)
    bool EquivalentStressesCurrent{};  // the equivalent stresses shown in the loading window are current
    // The inputs (CaseInputsKey) the results of the spectrum (equivalent loads and stresses, level
    // stresses, the KA of the approximate methodics) and the service lives were computed from.
    std::string SpectrumResultsKey{};
    std::string ServiceLivesKey{};
    std::int16_t LoadedFromFile{};     // 1 after Load data; the service-life window then keeps the loaded results
    double SpectrumRefLoad{};          // reference load of the ratio modes of the spectrum window (first level)
    double SpectrumRefLoadMin{};       // minimal load of the "Rate j / min" mode
    double ReservedFactor{};           // reserved value of the data file; no calculation uses it
    bool ReservedFactorDirect{};       // reserved flag of the data file
    // number formats, set at start-up
    ShortString LargeNumberFormat{};  // "#.###E+0;"
    ShortString ExpFormat1{};         // "#.#E+0;"
    ShortString ExpFormat2{};         // "##E+0;"

    // ---- Variables of the input windows that only those windows name
    double MinLevelSpeed{};          // lowest level speed of the spectrum [rev/min]
    bool LevelFactorsStale{};        // the shown per-level factors no longer match the loads or speeds
    double s1l1Ratio{};              // KHbeta method C: s1/l1
    bool s1l1Exceeded{};             // KHbeta method C: s1/l1 outside its range
    bool MaterialTableCancelled{};   // the built-in material table was left without a choice
    double SavedFtjm{}, SavedTjm{};  // copies taken when the spectrum window opens, restored by its Esc
    bool SavedSpectrumInCycles{}, SavedLoadAsForce{};
    bool EquivLoadGiven1{}, EquivLoadGiven2{}, EquivLoadGiven3{}, EquivLoadGiven4{};  // equivalent load entered
    double ra0g{};  // edge radius of the grinding disk [mm]
    TOneLevelLoad OneLevel{};  // what the case last had as one-level loading
    // KHbeta method C: s1, l1, dsh1 are the case's (taken by the method C window's Ok, or loaded with a
    // method C case); the data file holds them for a method C case
    bool ShaftDataHeld{};

    bool operator==(const GlobalData&) const = default;
};

// The program-wide data.
extern GlobalData G;

// A load spectrum whose stresses and lives follow from its damage sums (Miner or Haibach).
inline bool SpectrumByDamage(const GlobalData& g) {
    return g.LoadInputMethod == kMultilevelLoading && g.CalcMethodics >= kMethodicsMiner;
}

// The one text file through which the data file and the listings are written and read.
extern rt::TextFile CaseFile;

// The inputs the fixed sections of a data file do not hold, at their built-in values: the
// pinion-type cutter of an internal wheel (z0 25, x0 0), the protuberances (0), the shrink fit of
// the pinion (True), the static ends of both S-N curves (those of case-hardened steel) and the
// service-life requirements (service life for safety factors of 1).
void SetUnstoredInputs(GlobalData& g);
// What follows for those inputs from the stored ones: the cutter of a small internal wheel
// (FitCutterToInternalWheel), and per gear the list entry of its material class and the static
// ends of its S-N curves by its class and pitting choice ("Other material" keeps the built-in
// static life factor).
void DeriveUnstoredInputs(GlobalData& g);

// The pinion-type cutter of an internal wheel of |z2| teeth when the cutter z0 is not smaller than
// the wheel: a smaller one by the size of the wheel.  Returns whether z0 changed.
bool FitCutterToInternalWheel(GlobalData& g);

// Sets every input of a case to its built-in value (the example case: external spur pair 20/40,
// module 4, case-hardened steel, one load of 62500 N at 1000 rev/min).  Only assigns.
void SetDefaultInputs();
// The built-in case of an external pair with its derived geometry, as the main window starts.
void SetBuiltInCase();

// The case the program starts with: G as the start-up leaves it, the starting values of the
// windows included.  Load data starts every file from it, never from the case before.  The
// program records it once its windows exist; until then, and after ForgetStartUpCase, it is the
// built-in case (SetBuiltInCase on zeroed data).
void RecordStartUpCase();
void ForgetStartUpCase();
GlobalData StartUpCase();
// Copies from `from` into `to` what belongs to the program and its windows rather than to the
// case: the field protocol's state and work strings, the pressed-control flags, which gear the
// material table and the help were opened for, the open service-life window, the spectrum
// window's Esc copies, the chart's stress case, the calculation's continuation flags and the
// edition text.
void CarryProgramState(GlobalData& to, const GlobalData& from);

// Every level of the spectrum (1..LevelCount) runs at the speed n.
void RunLevelsAt(GlobalData& g, double n);
// The load factor products of spectrum levels 1..levels (without KA): SpectrumCol1 = KHbeta
// KHalfa Kv for contact, SpectrumCol3 = KFbeta KFalfa Kv for bending.
void ComputeLevelFactorProducts(GlobalData& g, int levels);
// The absolute spectrum loads are held as tangential forces, else as torques.
void SetSpectrumLoadUnit(GlobalData& g, bool forces);
// KA, the load factors and their equivalent values over a spectrum, with their products.
inline constexpr double GlobalData::*kLoadFactors[] = {
    &GlobalData::KH,        &GlobalData::KF,        &GlobalData::KHekv,    &GlobalData::KFekv,
    &GlobalData::Kv,        &GlobalData::KvEkv,     &GlobalData::KA,       &GlobalData::KHbeta,
    &GlobalData::KHalfa,    &GlobalData::KFbeta,    &GlobalData::KFalfa,   &GlobalData::KHbetaEkv,
    &GlobalData::KHalfaEkv, &GlobalData::KFbetaEkv, &GlobalData::KFalfaEkv};
// The nominal load of the case is an input: one level, or a spectrum by the approximate
// methodics, which rate the pair as one load of the nominal load times KA.
inline bool NominalLoadIsInput(const GlobalData& g) {
    return g.LoadInputMethod == kOneLevelLoading ||
           (g.LoadInputMethod == kMultilevelLoading &&
            (g.CalcMethodics == kMethodicsFigA3 || g.CalcMethodics == kMethodicsEqA2));
}
// The nominal load in the unit it is not given in, from the one it is given in (LoadAsForce) and d1:
// F = T 2000 / d1.
void DeriveNominalLoadPartner(GlobalData& g);
// As the case leaves one-level loading: its nominal load, KA and load factors are kept in OneLevel.
void RememberOneLevelLoad(GlobalData& g);
// One-level loading given back what OneLevel holds: the nominal load (in the unit of the case now,
// the other unit derived with the d1 of now), KA and the load factors, which the levels
// then hold as the KHbeta window leaves them (SpreadDirectFactors: with no current service-life
// results).  False, and nothing changed, where it holds none.
bool TakeOneLevelLoad(GlobalData& g);

// Directly given equivalent loads carry their load factors: every one of kLoadFactors 1 (those
// entered directly are set afterwards).
void SetEquivalentLoadFactorsToOne(GlobalData& g);
// The load factors given directly (KHbeta, KHalfa, KFbeta, KFalfa, Kv) hold for every spectrum
// level and are their own equivalents over the spectrum, as the windows that give them leave them.
// What the case holds of its own stays: the levels and equivalents of current service-life
// results, and the level factors a spectrum shows.
void SpreadDirectFactors(GlobalData& g);

// Guarded trigonometry: an impossible argument (tan of pi/2, arccos or arcsin outside -1..1 or
// NaN) shows "Invalid argument for ..., impossible gearing parameters" in a box captioned
// "  Error !" and gives 0.
Extended ComputeCheckedTan(Extended x);
Extended ComputeCheckedArcCos(Extended x);
Extended ComputeCheckedArcSin(Extended x);
// ComputeCheckedTan of a double angle, as a double.
inline double Tan(double x) { return static_cast<double>(ComputeCheckedTan(x)); }
// x squared.
inline double Sq(double x) { return x * x; }

// x rounded to n decimals, halves upwards: trunc(x 10^n + 0.5) / 10^n, formed in extended precision.
double RoundToDigits(std::int32_t n, double x);
// |x| rounded by the rule of ISO 1328-1:2013: whole um above 10, half um from 5 to 10, tenths below 5.
double RoundTolerance(double x);
// Tolerances of ISO 1328-1:2013 for accuracy grade Q [um], unrounded.
double ComputeSinglePitchTolerance(std::int16_t Q, double d, double mn);  // fpT
double ComputeProfileFormTolerance(std::int16_t Q, double mn);            // ffalfaT
double ComputeHelixSlopeTolerance(std::int16_t Q, double d, double b);    // fHbetaT (note: d before b)
// fp1, fp2, ffalfa1, ffalfa2, fHbeta1, fHbeta2: the rounded tolerance of the grade while the gear's
// Measured flag is set, else the entered actual deviation.
void ComputeAllowableDeviations();

// Names used for the same variables by the input windows' descriptions, and the names used here:
//
//   other name                            name here
//   MaterialType1, MaterialType2          MaterialForm1, MaterialForm2
//   MaterialQuality1, MaterialQuality2    QualityGrade1, QualityGrade2
//   ZNTstat1, ZNTstat2                    ZNT1stat, ZNT2stat
//   YNTstat1, YNTstat2                    YNT1stat, YNT2stat
//   NHstat1/2, NFstat1/2 as set by the    NLstatH1/2, NLstatF1/F2 (the material's static cycle numbers;
//     materials window                      NHstat1/2, NFstat1/2 here are the computed static ends)
//   qHpit1, qHpit2                        qH1knee, qH2knee
//   EquivalentsShown                      EquivalentStressesCurrent
//   ExpFormat3 ("#.###E+0;")              LargeNumberFormat
//   ExpFormat1 ("#.#E+0;")                ExpFormat1
//   KHEkv, KFEkv                          KHekv, KFekv
//   FtCaseF1, FtCaseH1, FtCaseF2, FtCaseH2  FtFe1Used, FtHe1Used, FtFe2Used, FtHe2Used
//   SigmaFe1, SigmaHe1, SigmaFe2, SigmaHe2  SigmaF1ekv, SigmaH1ekv, SigmaF2ekv, SigmaH2ekv
//   StaticExceedCountF1 .. H2             StaticOverloadCountF1 .. H2
//   SafetyFromLife                        LifeInHours
//   LifeDataLoaded                        LoadedFromFile
//   SpectrumRefMinLoad                    SpectrumRefLoadMin
//   ToothDepth1, ToothDepth2              ht1, ht2
//   RimLimit1, RimLimit2                  sRmin1, sRmin2
//   ThinRim1, ThinRim2                    sR1BelowMin, sR2BelowMin
//   daCalc1, daCalc2                      dNa1, dNa2
//   Theta                                 Teta
//   cbetaGiven, cIGiven                   cbetaDirect, cIDirect
//   fshGiven, fmaGiven, fsh2Given,        fshDirect, fmaDirect, fsh2Direct, fcaDirect, fbeDirect
//     fcaGiven, fbeGiven
//
// Names that differ only in case are different variables: zn1 (virtual number of teeth) and ZN1
// (life factor), m1 (mass) and M1 (single pair factor), b1 (face width) and B1 (helix modification
// factor).

}  // namespace karvelo
