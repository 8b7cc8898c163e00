#include "karvelo/calc/Global.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

#include "karvelo/calc/Geometrie.h"
#include "karvelo/calc/MaterialClasses.h"
#include "runtime/NumText.h"

namespace karvelo {

GlobalData G;
rt::TextFile CaseFile;

TLevelArray& TSpectrumLevels::SpectrumColumn(int k) {
    return const_cast<TLevelArray&>(static_cast<const TSpectrumLevels&>(*this).SpectrumColumn(k));
}

const TLevelArray& TSpectrumLevels::SpectrumColumn(int k) const {
    switch (k) {
        case 1: return SpectrumCol1;
        case 2: return KHbetaLevel;
        case 3: return SpectrumCol3;
        case 4: return KFbetaLevel;
        case 5: return KvLevel;
        case 6: return KHalfaLevel;
        case 7: return KFalfaLevel;
    }
    throw std::out_of_range("spectrum column " + std::to_string(k) + " outside 1..7");
}

ShortString& TMaterialStrings::MaterialString(int k) {
    return const_cast<ShortString&>(static_cast<const TMaterialStrings&>(*this).MaterialString(k));
}

const ShortString& TMaterialStrings::MaterialString(int k) const {
    switch (k) {
        case 1: return MaterialCode1;
        case 2: return MaterialCode2;
        case 3: return MaterialForm1;
        case 4: return MaterialForm2;
        case 5: return QualityGrade1;
        case 6: return QualityGrade2;
        case 7: return HardnessUnit1;
        case 8: return HardnessUnit2;
        case 9: return StressCase;
        case 10: return KHbetaCase;
        case 11: return KHbetaCase2;
        case 12: return ContactInfluence;
        case 13: return KHbetaMethod;
        case 14: return KHbetaCalcVariant;
    }
    throw std::out_of_range("material string " + std::to_string(k) + " outside 1..14");
}

Extended ComputeCheckedTan(Extended x) { return gear::CheckedTan(x); }
Extended ComputeCheckedArcCos(Extended x) { return gear::CheckedArcCos(x); }
Extended ComputeCheckedArcSin(Extended x) { return gear::CheckedArcSin(x); }

namespace {

// base^e by repeated multiplication (a negative e gives the reciprocal).
Extended IntPower(Extended base, int e) {
    Extended p = 1;
    for (int i = 0; i < (e < 0 ? -e : e); ++i) p *= base;
    return e < 0 ? 1 / p : p;
}

// Grade factor sqrt(2)^(Q - 5) of ISO 1328-1.
Extended GradeFactor(std::int16_t Q) { return IntPower(std::sqrt(Extended{2}), Q - 5); }

}  // namespace

double RoundToDigits(std::int32_t n, double x) {
    const Extended p10 = IntPower(10, n);
    return static_cast<double>(std::trunc(static_cast<Extended>(x) * p10 + 0.5L) / p10);
}

double RoundTolerance(double x) {
    x = std::fabs(x);
    if (x > 10) return RoundToDigits(0, x);
    if (x >= 5) {
        const double i = std::trunc(x);
        const double f = x - i;
        if (f < 0.25) return i;
        if (f < 0.75) return i + 0.5;
        return i + 1;
    }
    return RoundToDigits(1, x);
}

double ComputeSinglePitchTolerance(std::int16_t Q, double d, double mn) {
    return static_cast<double>((0.001L * std::fabs(d) + 0.4L * mn + 5) * GradeFactor(Q));
}

double ComputeProfileFormTolerance(std::int16_t Q, double mn) {
    return static_cast<double>((0.55L * mn + 5) * GradeFactor(Q));
}

double ComputeHelixSlopeTolerance(std::int16_t Q, double d, double b) {
    return static_cast<double>(
        (0.05L * std::sqrt(static_cast<Extended>(std::fabs(d))) + 0.35L * std::sqrt(static_cast<Extended>(b)) + 4) *
        GradeFactor(Q));
}

void ComputeAllowableDeviations() {
    GlobalData& g = G;
    g.fp1 = g.fpr1Measured ? RoundTolerance(ComputeSinglePitchTolerance(g.IT1, g.d1, g.mn)) : g.fpr1act;
    g.fp2 = g.fpr2Measured ? RoundTolerance(ComputeSinglePitchTolerance(g.IT2, g.d2, g.mn)) : g.fpr2act;
    g.ffalfa1 = g.ffalfa1Measured ? RoundTolerance(ComputeProfileFormTolerance(g.IT1, g.mn)) : g.ffalfa1act;
    g.ffalfa2 = g.ffalfa2Measured ? RoundTolerance(ComputeProfileFormTolerance(g.IT2, g.mn)) : g.ffalfa2act;
    // The helix slope tolerance takes the common face width b for both gears.
    g.fHbeta1 = g.fHbeta1Measured ? RoundTolerance(ComputeHelixSlopeTolerance(g.IT1, g.d1, g.b)) : g.fHbeta1act;
    g.fHbeta2 = g.fHbeta2Measured ? RoundTolerance(ComputeHelixSlopeTolerance(g.IT2, g.d2, g.b)) : g.fHbeta2act;
}

void SetUnstoredInputs(GlobalData& g) {
    g.z0 = 25;
    g.x0 = 0;
    g.Protub1 = g.Protub2 = 0;
    g.PinionShrinkFitted = true;
    // The static ends of the S-N curves of the case-hardened steel the materials window starts with
    g.ZNT1stat = g.ZNT2stat = 1.6;
    g.YNT1stat = g.YNT2stat = 2.5;
    g.NLstatH1 = g.NLstatH2 = kContactStaticCycles;
    g.NLstatF1 = g.NLstatF2 = 1000;
    // The service life for required safety factors of 1
    g.LifeFromSafety = true;
    g.LifeInHours = false;
    g.SF1life = g.SH1life = g.SF2life = g.SH2life = 1;
}

void DeriveUnstoredInputs(GlobalData& g) {
    if (g.GearingType == kInternalPair) FitCutterToInternalWheel(g);
    const auto gear = [](const std::string& code, bool pitting, double NHlim, std::int16_t& listEntry, double& ZNT,
                         double& NLstatH, double& NLstatF, double& qHknee) {
        const MaterialClass& cls = MaterialClassOf(code);
        if (const int index = MaterialClassIndex(code); index >= 0) listEntry = static_cast<std::int16_t>(index);
        if (cls.ZNTstat > 0) ZNT = cls.ZNTstat;
        NLstatF = cls.NFstat;
        NLstatH = pitting ? kPittingStaticCycles : kContactStaticCycles;
        if (pitting) qHknee = PittingKneeExponent(NHlim);
    };
    gear(g.MaterialCode1, g.PittingAllowed1, g.NHlim1, g.MaterialClass1, g.ZNT1stat, g.NLstatH1, g.NLstatF1, g.qH1knee);
    gear(g.MaterialCode2, g.PittingAllowed2, g.NHlim2, g.MaterialClass2, g.ZNT2stat, g.NLstatH2, g.NLstatF2, g.qH2knee);
}

bool FitCutterToInternalWheel(GlobalData& g) {
    const double z = std::fabs(g.z2);
    if (z > g.z0) return false;
    if (z < 50) g.z0 = 30;
    if (z < 45) g.z0 = 25;
    if (z < 40) g.z0 = 23;
    if (z < 35) g.z0 = 20;
    if (z < 30) g.z0 = 18;
    if (z < 25) g.z0 = 15;
    if (z < 20) g.z0 = 13;
    if (z < 18) g.z0 = 10;
    if (z < 15) g.z0 = z - 2;
    return true;
}

void SetDefaultInputs() {
    GlobalData& g = G;
    // Number texts always use '.' as the decimal separator (runtime/NumText), nothing to set.

    g.LargeNumberFormat = "#.###E+0;";
    g.ExpFormat1 = "#.#E+0;";
    g.ExpFormat2 = "##E+0;";

    g.MaterialForPinion = true;

    // Geometry
    g.z1 = 20;
    g.z2 = 40;
    g.mn = 4;
    g.ad = 120;
    g.a = g.ad;
    g.da1 = 88;
    g.da2 = 168;
    g.haP1 = 1;
    g.haP2 = 1;
    g.caP1 = 0.25;
    g.caP2 = 0.25;
    g.RofP1 = 0.38;
    g.RofP2 = 0.38;
    g.alfan = rt::StoredReal(20 * std::numbers::pi / 180);  // 20 degrees as a data file holds it
    g.alfat = g.alfan;
    g.alfawt = g.alfan;
    g.beta = 0;
    g.x1 = 0;
    g.x2 = 0;
    g.xsum = 0;
    g.xlim = 0;
    SetUnstoredInputs(g);
    g.x0x2crit = 0;
    if (g.GearingType == kInternalPair) {
        g.RofP2 = 0;
        g.z2 = -40;
        g.a = -7.5;
        g.da2 = -38;
    }
    // The ratio is taken after the internal branch: it is negative for an internal pair, as the
    // contact stress expects.
    g.u = g.z2 / g.z1;
    const double cosBeta3 = std::pow(std::cos(g.beta), 3);
    g.zn1 = g.z1 / cosBeta3;
    g.zn2 = g.z2 / cosBeta3;

    // Material data
    g.HV1 = g.HV2 = 730;
    g.HV1core = g.HV2core = 350;
    g.Rm1 = g.Rm2 = 1200;
    g.Re1 = g.Re2 = 850;
    g.E1 = g.E2 = 206000;
    g.Ny1 = g.Ny2 = 0.3;
    g.NHlim1 = g.NHlim2 = 50000000;
    g.NFlim1 = g.NFlim2 = 3000000;
    g.qH1 = g.qH2 = 13.222469;
    g.qF1 = g.qF2 = 8.73724908;
    g.SigmaHlim1 = g.SigmaHlim2 = 1500;

    // Dimensions and the KHbeta method C arrangement
    g.b1 = g.b2 = 60;
    g.b = 60;
    g.bFmin = 60;
    g.bs1 = g.bs2 = 60;
    g.db = 0;
    g.dh1 = 0;
    g.dh2 = 40;
    g.sR1 = 35;
    g.sR2 = 55;
    g.sd1 = g.sd2 = 0;
    g.s1 = 50;  // shaft data of method C that no case holds yet
    g.ShaftDataHeld = false;
    g.l1 = 200;
    g.dsh1 = 70;

    // Load and influence factors, forces
    g.KHbeta = 1;
    g.bcal = 0;
    g.Zepsilon = 1;
    g.ZB = 1;
    g.ZD = 1;
    g.KH = 1;
    g.KF = 1;
    g.n1 = 1000;
    g.Ft = 62500;
    g.FtF = 62500;
    g.KA = 1;
    g.Rog1 = g.Rog2 = 0;
    g.tg1 = g.tg2 = 0;
    g.KHalfa = 1;
    g.KFalfa = 1;
    g.KFbeta = 1;
    g.YX1 = g.YX2 = 1;
    g.YN1 = g.YN2 = 1;
    g.ZN1 = g.ZN2 = 1;

    // Selectors
    g.MaterialClass1 = g.MaterialClass2 = kCaseHardenedClass;
    g.IT1 = g.IT2 = 8;
    g.LevelCount = 5;
    g.CalcMethodics = kMethodicsHaibach;

    // Flags
    g.da1Given = g.da2Given = false;
    g.aGiven = false;
    g.sR1BelowMin = g.sR2BelowMin = false;
    g.KHbetaDirect = true;
    g.FullPinion = true;
    g.FullWheel = false;
    g.fpr1Measured = g.fpr2Measured = true;
    g.ffalfa1Measured = g.ffalfa2Measured = true;
    g.fHbeta1Measured = g.fHbeta2Measured = true;
    g.SpectrumInCycles = true;
    g.LoadAsForce = false;
    g.ResumeCalculation = true;
    g.SpectrumXMode = true;
    g.SpectrumAbsolute = true;
    g.SpectrumRatioToMax = false;
    g.SpectrumRatioMaxTo = false;
    g.SpectrumRatioToMin = false;
    // The spectrum loads are held in the load unit.
    SetSpectrumLoadUnit(g, g.LoadAsForce);
    g.cDirect = false;
    g.JDirect = false;
    g.mredISO = true;
    g.RogUsed = false;
    g.SigmaHlim1Direct = g.SigmaHlim2Direct = false;
    g.SigmaFlimb1Direct = g.SigmaFlimb2Direct = false;
    g.KFalfaDirect = false;
    g.KHalfaDirect = false;
    g.KFbetaDirect = false;
    g.KvDirect = false;
    g.MethodC = false;
    g.YF1Direct = g.YF2Direct = false;
    g.YS1Direct = g.YS2Direct = false;
    g.YN1Direct = g.YN2Direct = false;
    g.ZN1Direct = g.ZN2Direct = false;
    g.ZBDirect = false;
    g.ZDDirect = false;
    g.EquivKaFigA3 = false;
    g.EquivKaEqA2 = false;
    g.EquivMiner = false;
    g.EquivHaibach = false;

    // The example spectrum (levels 6..20 keep what they hold)
    const double cycles[] = {3000, 20000, 50000, 100000, 200000};
    const double loads[] = {7000, 6000, 5000, 1000, 800};
    for (int i = 1; i <= 5; ++i) {
        g.SpectrumX[i] = cycles[i - 1];
        g.SpectrumY[i] = loads[i - 1];
    }

    // Further quantities
    g.SigmaFlim1 = g.SigmaFlim2 = 430;
    g.RzH1 = g.RzH2 = 4.8;
    g.RzF1 = g.RzF2 = 20;
    g.YST1 = g.YST2 = 2;
    g.NL1 = 60000000;
    g.NL2 = 30000000;
    g.NL1h = g.NL2h = 1000;
    g.OilTemperature = 170;
    g.OilViscosity = 98.53;
    g.YF2 = 1;
    g.YSg1 = g.YSg2 = 1;
    g.YB1 = g.YB2 = 1;
    g.YDT = 1;
    g.sRmin1 = g.sRmin2 = 1.125 * g.mn;
    g.YdrelT1 = g.YdrelT2 = 1;
    g.YRrelT1 = g.YRrelT2 = 1;
    g.YdrelT1stat = g.YdrelT2stat = 1;
    g.YdrelT1ref = g.YdrelT2ref = 1;
    g.YRrelT1ref = g.YRrelT2ref = 1;
    g.YRrelT1stat = g.YRrelT2stat = 1;
    g.YX1ref = g.YX2ref = 1;
    g.YX1stat = g.YX2stat = 1;
    g.ZL = 1;
    g.ZR = 1;
    g.ZV = 1;
    g.ZX = 1;
    g.ZW = 1;
    g.qH_1 = g.qH_2 = 32.60122926;
    g.qF_1 = g.qF_2 = 49.91250338;
    g.ZLref = 1;
    g.ZLstat = 1;
    g.ZVref = 1;
    g.ZVstat = 1;
    g.ZRref = 1;
    g.ZRstat = 1;
    g.ZW2ref = 1;
    g.ZW2stat = 1;
    g.Ftjm = 62500;
    g.Tjm = 2500;
    g.FtHe1Used = g.FtHe2Used = 62500;
    g.FtFe1Used = g.FtFe2Used = 62500;
    g.KFbetaEkv = 1;
    g.KHbetaEkv = 1;
    g.KFalfaEkv = 1;
    g.KHalfaEkv = 1;
    g.Kv = 1;
    g.KvEkv = 1;
    g.sa1 = 2.77951;
    g.sa2 = 3.04265;
    g.ro_steel1 = g.ro_steel2 = 7830;
    g.cprime = 12.28985;
    g.J1 = 20;
    g.J2 = 40;
    g.R1 = g.R2 = 0;
    g.YM1ref = g.YM2ref = 1;
    g.YM1stat = g.YM2stat = 1;
    g.fsh = 0;
    g.fma = 0;
    g.fsh2 = 0;
    g.fca = 0;
    g.fbe = 0;
    g.fp1 = g.fp2 = 19;
    g.fpr1act = g.fpr2act = 0;
    g.fHbeta1 = 20;
    g.fHbeta2 = 21;
    g.fHbeta1act = g.fHbeta2act = 0;
    g.ffalfa1 = g.ffalfa2 = 20;
    g.ffalfa1act = g.ffalfa2act = 0;
    g.cbeta = 0;
    g.cI = 0;
    g.bred = 60;

    // Strings
    using namespace std::string_literals;
    g.MaterialCode1 = g.MaterialCode2 = "Eh"s;
    g.MaterialForm1 = g.MaterialForm2 = "wrought"s;
    g.QualityGrade1 = g.QualityGrade2 = "ML"s;
    g.HardnessUnit1 = g.HardnessUnit2 = "HV"s;
    g.StressCase = "PO"s;
    g.KHbetaCase = "a"s;
    g.KHbetaCase2 = "a"s;
    g.ContactInfluence = "compensatory"s;
    g.KHbetaMethod = "primo"s;
    g.KHbetaCalcVariant = "a"s;
    g.MatDesignation1 = g.MatDesignation2 = "14 220"s;
    g.MatName1 = g.MatName2 = "Case hardened steel"s;

    // Further selectors and flags
    g.LoadInputMethod = kOneLevelLoading;
    g.ArrangementNo = kNoArrangement;
    g.HelixModification = kNoHelixModification;
    g.ViscosityGiven = false;
    g.YSg1Direct = g.YSg2Direct = false;
    g.YdrelT1refDirect = g.YdrelT2refDirect = false;
    g.YdrelT1statDirect = g.YdrelT2statDirect = false;
    // Both twins: a surface factor left marked as entered would keep the default 1 in the new case.
    g.YRrelT1refDirect = g.YRrelT2refDirect = false;
    g.YX1refDirect = g.YX2refDirect = false;
    g.ZVrefDirect = false;
    g.ZLrefDirect = false;
    g.ZRrefDirect = false;
    g.ZepsilonDirect = false;
    g.YM1refDirect = g.YM2refDirect = false;
    g.YM1statDirect = g.YM2statDirect = false;
    g.ZW2statDirect = false;
    g.ZW2refDirect = false;
    g.PittingAllowed1 = g.PittingAllowed2 = false;
    g.LifeFormActive = false;
    g.LifeValid = false;
    g.SpectrumLevelsShown = true;
    g.OneLevel = TOneLevelLoad{};  // a new case has no one-level load of its own yet

    // Last: the per-level factor columns, the hypothesis and the damage flags
    for (int k = 1; k <= TSpectrumLevels::kColumns; ++k) g.SpectrumColumn(k).Fill(1.0);
    g.HypothesisHaibach = true;
    g.StaticF1Exceeded = g.StaticF2Exceeded = false;
    g.StaticH1Exceeded = g.StaticH2Exceeded = false;
}

void SetBuiltInCase() {
    G.GearingType = kExternalPair;
    SetDefaultInputs();
    ComputeCentreDistanceFromShifts();
    ComputeGearDimensions();
}

namespace {

std::optional<GlobalData> g_startUpCase;

}  // namespace

void RecordStartUpCase() { g_startUpCase = G; }

void ForgetStartUpCase() { g_startUpCase.reset(); }

GlobalData StartUpCase() {
    if (g_startUpCase) return *g_startUpCase;
    GlobalData current = std::move(G);
    G = GlobalData{};
    SetBuiltInCase();
    GlobalData builtIn = std::move(G);
    G = std::move(current);
    return builtIn;
}

void CarryProgramState(GlobalData& to, const GlobalData& from) {
    to.ValCode = from.ValCode;
    to.ActiveEdit = from.ActiveEdit;
    to.StrBuf1 = from.StrBuf1;
    to.StrBuf2 = from.StrBuf2;
    for (bool GlobalData::*pressed :
         {&GlobalData::ControlPressed1, &GlobalData::ControlPressed2, &GlobalData::ControlPressed3,
          &GlobalData::ControlPressed4, &GlobalData::ControlPressed5, &GlobalData::ControlPressed6})
        to.*pressed = from.*pressed;
    to.MaterialForPinion = from.MaterialForPinion;
    to.MaterialTableCancelled = from.MaterialTableCancelled;
    to.HelpPage = from.HelpPage;
    to.LifeFormActive = from.LifeFormActive;
    to.SavedFtjm = from.SavedFtjm;
    to.SavedTjm = from.SavedTjm;
    to.SavedSpectrumInCycles = from.SavedSpectrumInCycles;
    to.SavedLoadAsForce = from.SavedLoadAsForce;
    to.StressCase = from.StressCase;
    to.ResumeCalculation = from.ResumeCalculation;
    to.CalculationRunning = from.CalculationRunning;
    to.EditionText = from.EditionText;
}

void ComputeLevelFactorProducts(GlobalData& g, int levels) {
    for (int i = 1; i <= levels; ++i) {
        g.SpectrumCol1[i] = g.KHbetaLevel[i] * g.KHalfaLevel[i] * g.KvLevel[i];
        g.SpectrumCol3[i] = g.KFbetaLevel[i] * g.KFalfaLevel[i] * g.KvLevel[i];
    }
}

void RunLevelsAt(GlobalData& g, double n) {
    for (int j = 1; j <= std::clamp<int>(g.LevelCount, 1, kMaxLevels); ++j) g.n1Level[j] = n;
}

void SetSpectrumLoadUnit(GlobalData& g, bool forces) {
    g.SpectrumForces = forces;
    g.SpectrumTorques = !forces;
}

void SpreadDirectFactors(GlobalData& g) {
    if (g.LifeValid) return;
    struct DirectFactor {
        double GlobalData::*value;
        bool GlobalData::*direct;
        TLevelArray GlobalData::*levels;
        double GlobalData::*equivalent;
    };
    static constexpr DirectFactor kFactors[] = {
        {&GlobalData::KHbeta, &GlobalData::KHbetaDirect, &GlobalData::KHbetaLevel, &GlobalData::KHbetaEkv},
        {&GlobalData::KHalfa, &GlobalData::KHalfaDirect, &GlobalData::KHalfaLevel, &GlobalData::KHalfaEkv},
        {&GlobalData::KFbeta, &GlobalData::KFbetaDirect, &GlobalData::KFbetaLevel, &GlobalData::KFbetaEkv},
        {&GlobalData::KFalfa, &GlobalData::KFalfaDirect, &GlobalData::KFalfaLevel, &GlobalData::KFalfaEkv},
        {&GlobalData::Kv, &GlobalData::KvDirect, &GlobalData::KvLevel, &GlobalData::KvEkv},
    };
    const bool shownLevels = g.LoadInputMethod == kMultilevelLoading && g.SpectrumLevelsShown;
    const int own = shownLevels ? std::clamp<int>(g.LevelCount, 0, kMaxLevels) : 0;
    for (const DirectFactor& f : kFactors) {
        if (!(g.*f.direct)) continue;
        for (int j = own + 1; j <= kMaxLevels; ++j) (g.*f.levels)[j] = g.*f.value;
        g.*f.equivalent = g.*f.value;
    }
}

void SetEquivalentLoadFactorsToOne(GlobalData& g) {
    for (double GlobalData::*k : kLoadFactors) g.*k = 1;
}

namespace {
constexpr bool GlobalData::*kDirectFlags[] = {&GlobalData::KHbetaDirect, &GlobalData::KHalfaDirect,
                                               &GlobalData::KFalfaDirect, &GlobalData::KFbetaDirect,
                                               &GlobalData::KvDirect};
static_assert(std::size(kLoadFactors) == std::tuple_size_v<decltype(TOneLevelLoad::Factors)>);
static_assert(std::size(kDirectFlags) == std::tuple_size_v<decltype(TOneLevelLoad::Direct)>);
}  // namespace

void DeriveNominalLoadPartner(GlobalData& g) {
    if (g.LoadAsForce)
        g.Tjm = g.Ftjm * g.d1 / 2000;
    else
        g.Ftjm = 2000 * g.Tjm / g.d1;
}

void RememberOneLevelLoad(GlobalData& g) {
    TOneLevelLoad& kept = g.OneLevel;
    kept.Held = true;
    kept.AsForce = g.LoadAsForce;
    kept.Load = g.LoadAsForce ? g.Ftjm : g.Tjm;
    for (std::size_t k = 0; k < std::size(kLoadFactors); ++k) kept.Factors[k] = g.*kLoadFactors[k];
    for (std::size_t k = 0; k < std::size(kDirectFlags); ++k) kept.Direct[k] = g.*kDirectFlags[k];
    kept.KHbetaMethod = g.KHbetaMethod;
}

bool TakeOneLevelLoad(GlobalData& g) {
    const TOneLevelLoad& kept = g.OneLevel;
    if (!kept.Held) return false;
    // Converted as a unit switch converts it, held as the data file holds it.
    const double factor = kept.AsForce ? g.d1 / 2000 : 2000 / g.d1;
    (g.LoadAsForce ? g.Ftjm : g.Tjm) = g.LoadAsForce == kept.AsForce ? kept.Load : rt::StoredReal(kept.Load * factor);
    DeriveNominalLoadPartner(g);
    for (std::size_t k = 0; k < std::size(kLoadFactors); ++k) g.*kLoadFactors[k] = kept.Factors[k];
    for (std::size_t k = 0; k < std::size(kDirectFlags); ++k) g.*kDirectFlags[k] = kept.Direct[k];
    g.KHbetaMethod = kept.KHbetaMethod;
    SpreadDirectFactors(g);
    return true;
}

}  // namespace karvelo
