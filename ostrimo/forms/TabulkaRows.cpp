// The rows of the dimensions table: captions, units, symbols and value texts for
// external and internal gearing (one table, rows 0..83) and for bevel gearing (0..44).
#include <cmath>

#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Kontrola_geometrie.h"
#include "ostrimo/calc/Kontrolni_rozmery.h"
#include "ostrimo/forms/Labels.h"
#include "ostrimo/forms/Tabulka.h"
#include "runtime/NumText.h"

namespace ostrimo {

namespace {

constexpr std::size_t kMaxValueLength = 15;
const std::string kDash = "---";

enum Unit : char { kNone = 0, kMm = 'm', kRatio = '-', kAngle = 'a' };

struct RowDef {
    const char* Caption;
    Unit RowUnit;
    std::vector<TableGlyph> Glyphs;
};

TableGlyph L(const char* text, int x, int dy) { return {TableGlyph::Letter, text, x, dy, 10}; }
TableGlyph Gr(const char* symbolLetter, int x, int dy, int size) {
    return {TableGlyph::Greek, symbolLetter, x, dy, size};
}
TableGlyph I(const char* text, int x, int dy) { return {TableGlyph::Index, text, x, dy, 8}; }
// Epsilon with its Greek index.
std::vector<TableGlyph> Eps(const char* index) { return {Gr("e", 214, 0, 13), Gr(index, 224, 7, 9)}; }
// A letter with an index below it.
std::vector<TableGlyph> LI(const char* letter, int x, const char* index, int ix) {
    return {L(letter, x, 3), I(index, ix, 8)};
}
// A profile factor: letter, index and asterisk.
std::vector<TableGlyph> Factor(TableGlyph symbol, const char* index, int ix, int starX, int starDy = 0) {
    return {symbol, I(index, ix, 8), I("*", starX, starDy)};
}

// External and internal gearing; the captions of rows 2, 58, 59 and 76 depend on the
// data and are set in TableCaption.
const std::vector<RowDef>& ExternalRows() {
    static const std::vector<RowDef> rows = {
        {"", kNone, {}},
        {"Type of gearing", kNone, {}},
        {"", kMm, LI("j", 216, "n", 223)},
        {"Number of teeth", kRatio, {L("z", 214, 3)}},
        {"Number of teeth of virtual gear", kRatio, LI("z", 214, "n", 223)},
        {"Normal module", kMm, LI("m", 214, "n", 227)},
        {"Transverse module", kMm, LI("m", 214, "t", 228)},
        {"Helix angle at reference diamet.", kAngle, {Gr("b", 214, 0, 10)}},
        {"Base helix angle", kAngle, {Gr("b", 214, 0, 10), I("b", 225, 8)}},
        {"Transverse pressure angle", kAngle, {Gr("a", 214, 0, 10), I("t", 226, 8)}},
        {"Working pressure angle", kAngle, {Gr("a", 210, 0, 10), I("wt", 222, 8)}},
        {"Working centre distance", kMm, {L("a", 214, 3)}},
        {"Centre distance 0", kMm, LI("a", 214, "d", 223)},
        {"Centre distance (w. no backlash)", kMm, LI("a", 214, "jn", 224)},
        {"AMC (with no backlash)", kRatio, LI("x", 214, "jn", 224)},
        {"Addendum modification coeffic.", kRatio, {L("x", 214, 3)}},
        {"Cutter offset", kMm, LI("x\xC2\xB7m", 203, "n", 228)},
        {"Tip diameter modif. coefficient", kRatio, {L("k*", 218, 3)}},
        {"Root diameter", kMm, LI("d", 214, "f", 224)},
        {"Base diameter", kMm, LI("d", 214, "b", 224)},
        {"Beginning of involute diameter", kMm, LI("d", 214, "Ff", 224)},
        {"Diameter of a mesh beginning", kMm, LI("d", 214, "Nf", 224)},
        {"Pitch diameter", kMm, LI("d", 214, "w", 223)},
        {"Reference diameter", kMm, {L("d", 214, 3)}},
        {"Diameter of a mesh end", kMm, LI("d", 214, "Na", 224)},
        {"Chamfer diameter", kMm, LI("d", 214, "Fa", 224)},
        {"Tip diameter", kMm, LI("d", 214, "a", 223)},
        {"Interference overlap", kMm, LI("c", 214, "F", 224)},
        {"Tooth thickness on root diameter", kMm, LI("s", 214, "f", 224)},
        {"             on base diameter", kMm, LI("s", 214, "b", 224)},
        {"   on beginning of involute diam.", kMm, LI("s", 214, "Ff", 224)},
        {"             on pitch diameter", kMm, LI("s", 214, "w", 223)},
        {"             on reference diameter", kMm, {L("s", 214, 3)}},
        {"             on chamfer diameter", kMm, LI("s", 214, "Fa", 224)},
        {"             on tip diameter", kMm, LI("s", 214, "a", 223)},
        {"Dedendum", kMm, LI("h", 214, "f", 224)},
        {"Addendum", kMm, LI("h", 214, "a", 223)},
        {"Tooth depth", kMm, {L("h", 214, 3)}},
        {"Common facewidth", kMm, {L("b", 214, 3)}},
        {"Length of the involute", kMm, {L("ev", 214, 3)}},
        {"Length of the operating involute", kMm, {L("ev", 214, 3)}},
        {"Specific sliding at root", kRatio, {}},
        {"Specific sliding at tip", kRatio, {}},
        {"Factor b/d", kRatio, {Gr("y", 214, 1, 9), I("d", 224, 8)}},
        {"Factor b/m", kRatio, {Gr("y", 214, 1, 9), I("n", 71, 8), I("m", 224, 8)}},
        {"Transverse contact ratio", kRatio, Eps("a")},
        {"Overlap ratio", kRatio, Eps("b")},
        {"Total contact ratio", kRatio, Eps("g")},
        {"Length of the contact for 1 pair", kMm, LI("L", 197, "pmax", 207)},
        {"Min.total length of the contact", kMm, {L("L", 197, 3), Gr("S", 206, 9, 7), I("min", 214, 8)}},
        {"Max.total length of the contact", kMm, {L("L", 197, 3), Gr("S", 206, 9, 7), I("max", 214, 8)}},
        {"Transverse reference pitch", kMm, LI("p", 214, "t", 224)},
        {"Transverse base pitch", kMm, LI("p", 214, "tb", 224)},
        {"              TEST DIMENSIONS", kNone, {}},
        {"Span measurement", kMm, {L("W", 214, 3)}},
        {"Measuring diameter", kMm, {L("dW", 210, 3)}},
        {"Number of teeth measured over", kRatio, LI("z", 214, "w", 222)},
        {"Min. facewidth for measuring", kMm, LI("b", 209, "min", 218)},
        {"", kMm, LI("s", 214, "c", 223)},
        {"", kMm, LI("h", 214, "c", 225)},
        {"Dimension over balls", kMm, {L("M", 214, 3)}},
        {"Measuring ball diameter", kMm, LI("d", 214, "t", 225)},
        {"Diameter of balls contact", kMm, {L("dM", 210, 3)}},
        {"              BASIC RACK PROFILE", kNone, {}},
        {"Profile addendum factor", kRatio, Factor(L("h", 214, 3), "aP", 225, 222)},
        {"Profile tip clearance factor", kRatio, Factor(L("c", 214, 3), "P", 226, 222)},
        {"Profile root rounding radius fact.", kRatio, Factor(Gr("r", 213, 0, 10), "fP", 226, 222)},
        {"Profile normal flank angle", kAngle, {Gr("a", 214, 0, 10), I("P", 225, 8)}},
        {"              RACK CUTTER", kNone, {}},
        {"Addendum factor", kRatio, Factor(L("h", 204, 3), "aP0", 217, 213)},
        {"Crest radius factor", kRatio, Factor(Gr("r", 204, 0, 10), "aP0", 217, 213)},
        {"Height to a chamfering factor", kRatio, Factor(L("h", 200, 3), "FfP0", 213, 209)},
        {"Angle of a chamfering edge", kAngle, {Gr("a", 200, 0, 10), I("KP0", 212, 8)}},
        {"Protuberance angle", kAngle, {Gr("a", 200, 0, 10), I("prP0", 212, 8)}},
        {"Height to a protuberance factor", kRatio, Factor(L("h", 200, 3), "FaP0", 212, 208)},
        {"Protuberance size", kMm, {L("pr", 204, 1), I("P0", 219, 8)}},
        {"", kNone, {}},
        {"Number of teeth of Fellow cutter", kRatio, LI("z", 214, "0", 224)},
        {"End manufactur. centre distance", kMm, LI("a", 213, "w0", 222)},
        {"Actual AMC of Fellow cutter", kRatio, LI("x", 214, "0", 224)},
        {"Actual tip diameter", kMm, LI("d", 214, "a0", 223)},
        {"Actual toot thick. on tip diameter", kMm, LI("s", 214, "a0", 223)},
        {"Crest radius factor", kRatio, Factor(Gr("r", 214, 0, 10), "a0", 225, 222)},
        {"Root rounding radius factor", kRatio, Factor(Gr("r", 214, 0, 10), "f0", 226, 222)},
    };
    return rows;
}

const std::vector<RowDef>& BevelRows() {
    static const std::vector<RowDef> rows = {
        {"", kNone, {}},
        {"Type of gearing", kNone, {}},
        {"Gear ratio", kRatio, {L("u", 214, 3)}},
        {"Gearing shafts angle", kAngle, {Gr("S", 214, 0, 10)}},
        {"Number of teeth", kRatio, {L("z", 214, 3)}},
        {"Transverse module outer", kMm, LI("m", 211, "t", 226)},
        {"Transverse module middle", kMm, LI("m", 211, "tm", 224)},
        {"Teeth inclination angle (middle)", kAngle, {Gr("b", 214, 0, 10), I("m", 225, 8)}},
        {"Common facewidth", kMm, {L("b", 214, 3)}},
        {"Cone distance", kMm, LI("L", 214, "e", 222)},
        {"Addendum modification coeffic.", kRatio, {L("x", 214, 3)}},
        {"Cutter offset", kMm, LI("x\xC2\xB7m", 203, "t", 228)},
        {"Addendum modific. coeffic. sum", kRatio, {L("x", 214, 3), Gr("S", 224, 9, 7)}},
        {"Root diameter (outer)", kMm, LI("d", 214, "f", 224)},
        {"Reference diameter (outer)", kMm, {L("d", 214, 3)}},
        {"Tip diameter (outer)", kMm, LI("d", 214, "a", 224)},
        {"Reference diameter (middle)", kMm, LI("d", 214, "m", 224)},
        {"Tip diameter (inner)", kMm, LI("d", 214, "ai", 224)},
        {"Tooth thickness on tip (outer)", kMm, LI("s", 214, "a", 224)},
        {"Tooth thickness on tip (inner)", kMm, LI("s", 214, "ai", 224)},
        {"Outer dedendum", kMm, LI("h", 214, "f", 224)},
        {"Outer addendum", kMm, LI("h", 214, "a", 224)},
        {"Outer tooth depth", kMm, {L("h", 214, 3)}},
        {"Root cone angle", kAngle, {Gr("d", 214, 0, 10), I("f", 224, 8)}},
        {"Pitch cone angle", kAngle, {Gr("d", 214, 0, 10)}},
        {"Tip cone angle", kAngle, {Gr("d", 214, 0, 10), I("a", 224, 8)}},
        {"Factor b/d", kRatio, {Gr("y", 214, 1, 9), I("d", 224, 8)}},
        {"Factor b/m", kRatio, {Gr("y", 214, 1, 9), I("m", 225, 8)}},
        {"Factor b/L", kRatio, {Gr("y", 214, 1, 9), I("e", 67, 8), I("L", 224, 8)}},
        {"Facewidth projection to the cone axis", kMm, {}},
        {"Virtual number of teeth", kRatio, LI("z", 214, "v", 222)},
        {"Virtual refer.diameter (middle)", kMm, LI("d", 214, "vm", 222)},
        {"Transverse rack flank angle", kAngle, {Gr("a", 214, 0, 10), I("tw", 225, 8)}},
        {"Specific sliding at root", kRatio, {}},
        {"Specific sliding at tip", kRatio, {}},
        {"Transverse contact ratio", kRatio, Eps("a")},
        {"Overlap ratio", kRatio, Eps("b")},
        {"Total contact ratio", kRatio, Eps("g")},
        {"Factor b/d", kRatio, {Gr("y", 214, 1, 9), I("vm", 67, 8), I("dv", 224, 8)}},
        {"Number of teeth of cutter", kRatio, LI("z", 214, "0", 223)},
        {"Manufacturing ratio", kRatio, {}},
        {"Profile addendum factor", kRatio, Factor(L("h", 214, 3), "aP", 225, 222)},
        {"Profile tip clearance factor", kRatio, Factor(L("c", 214, 3), "P", 226, 222, 1)},
        {"Profile root rounding radius fact.", kRatio, Factor(Gr("r", 213, 0, 10), "fP", 226, 222)},
        {"Profile normal flank angle", kAngle, {Gr("a", 214, 0, 10), I("P", 225, 8)}},
    };
    return rows;
}

const std::vector<RowDef>* Rows() {
    switch (G.GearingType) {
        case kExternalGearing:
        case kInternalGearing: return &ExternalRows();
        case kBevelGearing: return &BevelRows();
        default: return nullptr;
    }
}

const RowDef* Row(int row) {
    const std::vector<RowDef>* rows = Rows();
    if (!rows || row < 0 || row >= TableRowCount() || row >= int(rows->size())) return nullptr;
    return &(*rows)[std::size_t(row)];
}

// ---- value texts

// A number with w places and d decimals; one not computed for this case shows "---", one
// that does not fit 15 characters, or is infinite, "***" rather than a cut number that would
// look valid.
std::string Num(double x, int w = 8, int d = 5) {
    if (!Computed(x)) return kDash;
    if (!std::isfinite(x)) return "***";
    std::string s = rt::Str(x, w, d);
    return s.size() > kMaxValueLength ? "***" : s;
}
std::string Whole(long long i) { return rt::Str(i); }
std::string Angle(double degrees) { return G.AngleFormatDMS ? FormatTableAngleDms(degrees) : Num(degrees); }
// The value, or "---" when the condition does not hold.
std::string If(bool applies, const std::string& value) { return applies ? value : kDash; }

std::string BacklashCaption() {
    const GlobalData& g = G;
    std::string caption;
    if (g.ThinBothWheels) caption = "Backlash by wheels weakening";
    if (g.ThinPinionOnly) caption = "Backlash by pinion weakening";
    if (g.ThinWheelOnly) caption = "Backlash by wheel weakening";
    if (g.BacklashByExtraAmc) caption = "Backlash by an extra AMC";
    if (g.BacklashByShifting) caption = "Backlash by wheels shifting";
    if (g.jn < 1e-12) caption = "Normal backlash";
    return caption;
}

std::string ExternalValue(int col, int row) {
    const GlobalData& g = G;
    // an internal wheel's measuring diameters, magnitudes in the core, are shown negative
    const auto negative = [&](double magnitude) {
        std::string text = Num(magnitude);
        if (g.GearingType == kInternalGearing && Computed(magnitude) && std::isfinite(magnitude))
            text.insert(0, 1, '-');
        return text;
    };
    const bool rack = g.RackMate, internal = g.GearingType == kInternalGearing, external = !internal;
    const bool pitchCircles = g.z1 != -g.z2;  // false for an internal pair of equal teeth
    const double aw = g.BacklashByShifting ? g.awBacklash : g.aw;
    // Columns: 2 pinion, 3 common, 4 wheel or rack.
    auto pick = [col](const std::string& pinion, const std::string& common, const std::string& wheel) {
        return col == 2 ? pinion : col == 3 ? common : wheel;
    };
    auto pair = [&](const std::string& pinion, const std::string& wheel) { return pick(pinion, "", wheel); };
    auto common = [&](const std::string& value) { return pick("", value, ""); };
    auto gear = [&](const std::string& pinion, const std::string& wheel) { return pair(pinion, rack ? kDash : wheel); };
    switch (row) {
        case 2: return common(Num(g.jn, 6, 4));
        case 3: return gear(Num(g.z1, 2, 0), Num(g.z2, 2, 0));
        case 4: return gear(Num(g.zn1, 6, 3), Num(g.zn2, 6, 3));
        case 5: return common(Num(g.mn, 6, 3));
        case 6: return common(Num(g.mt, 6, 3));
        case 7: return common(Angle(g.betaDeg));
        case 8: return common(Angle(g.betabDeg));
        case 9: return common(Angle(g.alfatDeg));
        case 10: return common(Angle(RadToDeg(g.BacklashByShifting ? g.alfawtBacklash : g.alfawt)));
        case 11: return common(If(!rack, Num(aw)));
        case 12: return common(If(!rack, Num(g.ad)));
        case 13: return common(If(!rack, Num(g.aw)));
        case 14:
            return pick(Num(g.BacklashByExtraAmc ? g.x1BeforeBacklash : g.x1), Num(g.xsum),
                        rack ? "0" : Num(g.BacklashByExtraAmc ? g.xsumNoBacklash - g.x1BeforeBacklash : g.x2));
        case 15: return pick(Num(g.x1), Num(g.BacklashByExtraAmc ? g.xsumBacklash : g.xsum), rack ? "0" : Num(g.x2));
        case 16: return pair(Num(g.x1 * g.mn), rack ? "0" : Num(g.x2 * g.mn));
        case 17: return common(Num(g.k));
        case 18: return gear(Num(g.df1), Num(g.df2));
        case 19: return gear(Num(g.db1), Num(g.db2));
        case 20: return gear(Num(g.InvoluteStartDiameter1), Num(g.InvoluteStartDiameter2));
        case 21: return gear(Num(g.MeshStartDiameter1), Num(g.MeshStartDiameter2));
        case 22: return gear(If(pitchCircles, Num(g.dw1)), If(pitchCircles, Num(g.dw2)));
        case 23: return gear(Num(g.d1), Num(g.d2));
        case 24: return gear(Num(g.MeshEndDiameter1), Num(g.MeshEndDiameter2));
        case 25: {
            const std::string pinion = If(g.Chamfer1 && g.ChamferDiameter1 < g.da1, Num(g.ChamferDiameter1));
            if (internal)
                return pair(pinion, If(g.InternalWheelChamfer && g.ChamferDiameter2 < g.da2, Num(g.ChamferDiameter2)));
            return gear(pinion, If(g.Chamfer2 && g.ChamferDiameter2 < g.da2, Num(g.ChamferDiameter2)));
        }
        case 26: return gear(Num(g.da1), Num(g.da2));
        case 27: return pair(Num(InterferenceOverlap(1)), Num(InterferenceOverlap(2)));
        case 28: return gear(If(g.df1 >= g.db1, Num(g.sf1)), If(std::fabs(g.db2) <= std::fabs(g.df2), Num(g.sf2)));
        case 29: return gear(Num(g.sb1), Num(g.sb2));
        case 30: return pair(Num(g.sInv1), Num(g.sInv2));
        case 31: return pair(If(pitchCircles, Num(g.sw1)), If(pitchCircles, Num(g.sw2)));
        case 32: return pair(Num(g.s1), Num(g.s2));
        case 33: {
            bool wheel;
            if (internal)
                wheel = g.InternalWheelChamfer && g.ChamferDiameter2 < g.da2;
            else if (rack)
                wheel = g.Chamfer2 && g.mn * g.ChamferHeightFactor2 < g.ha2;
            else
                wheel = g.Chamfer2 && g.ChamferDiameter2 < g.da2;
            return pair(If(g.Chamfer1 && g.ChamferDiameter1 < g.da1, Num(g.sChamfer1)), If(wheel, Num(g.sChamfer2)));
        }
        case 34: return pair(Num(g.sa1), Num(g.sa2));
        case 35: return pair(Num((g.d1 - g.df1) / 2), Num(rack ? g.hf2 : (g.d2 - g.df2) / 2));
        case 36: return pair(Num((g.da1 - g.d1) / 2), Num(rack ? g.ha2 : (g.da2 - g.d2) / 2));
        case 37: return pair(Num((g.da1 - g.df1) / 2), Num(rack ? g.ha2 + g.hf2 : (g.da2 - g.df2) / 2));
        case 38: return common(Num(g.b, 6, 3));
        case 39: return pair(Num(g.InvoluteLength1), Num(g.InvoluteLength2));
        case 40: return pair(Num(g.OperatingInvoluteLength1), Num(g.OperatingInvoluteLength2));
        case 41: return pair(Num(g.SpecificSlidingRoot1), Num(g.SpecificSlidingRoot2));
        case 42: return pair(Num(g.SpecificSlidingTip1), Num(g.SpecificSlidingTip2));
        case 43: return pair(Num(g.b / g.d1, 6, 3), rack ? "0" : Num(g.b / g.d2, 6, 3));
        case 44: return common(Num(g.b / g.mn, 6, 3));
        case 45: return common(Num(g.epsilonalfa));
        case 46: return common(Num(g.epsilonbeta));
        case 47: return common(Num(g.epsilongamma));
        case 48: return common(Num(g.ContactLength1Pair));
        case 49: return common(Num(g.ContactLengthMin));
        case 50: return common(Num(g.ContactLengthMax));
        case 51: return common(Num(g.pt));
        case 52: return common(Num(g.pbt));
        case 54: return gear(Num(g.W1), Num(g.W2));
        case 55: return gear(Num(SpanContactDiameter(g.W1, g.db1)), negative(SpanContactDiameter(g.W2, g.db2)));
        case 56: return gear(If(Computed(g.W1), Whole(g.zw1)), If(Computed(g.W2), Whole(g.zw2)));
        case 57:
            return pair(If(g.beta > 0, Num(g.MinFacewidthSpan1, 6, 3)),
                        If(g.beta > 0 && !rack, Num(g.MinFacewidthSpan2, 6, 3)));
        case 58: return pair(If(g.ChordValid1, Num(g.sc1)), If(g.ChordValid2, Num(g.sc2)));
        case 59: return pair(If(g.ChordValid1, Num(g.hc1)), If(g.ChordValid2, Num(g.hc2)));
        case 60: return gear(Num(g.M1), Num(g.M2));
        case 61: return gear(Num(g.dt1), Num(g.dt2));
        case 62: return gear(Num(g.dM1), negative(g.dM2));
        case 64: return pair(Num(g.haP1), Num(g.haP2));
        case 65: return pair(Num(g.cP1), Num(g.cP2));
        case 66: return pair(Num(g.rofP1), Num(g.rofP2));
        case 67: return common(Angle(g.alfaP));
        case 69: return pair(Num(g.ToolAddendumFactor1), If(external, Num(g.ToolAddendumFactor2)));
        case 70: return pair(Num(g.ToolCrestRadiusFactor1), If(external, Num(g.ToolCrestRadiusFactor2)));
        case 71:
            return pair(If(g.Chamfer1, Num(g.ChamferHeightFactor1)),
                        If(external && g.Chamfer2, Num(g.ChamferHeightFactor2)));
        case 72:
            return pair(If(g.Chamfer1, Angle(g.ChamferAngleDeg1)),
                        If(external && g.Chamfer2, Angle(g.ChamferAngleDeg2)));
        case 73:
            return pair(If(g.Protuberance1, Angle(RadToDeg(g.ProtuberanceAngle1))),
                        If(external && g.Protuberance2, Angle(RadToDeg(g.ProtuberanceAngle2))));
        case 74: return pair(If(g.Protuberance1, Num(g.haP01)), If(external && g.Protuberance2, Num(g.haP02)));
        case 75:
            return pair(If(g.Protuberance1, Num(g.ProtuberanceSize1)),
                        If(external && g.Protuberance2, Num(g.ProtuberanceSize2)));
        case 77: return pair(kDash, Whole(g.z0));
        case 78: return pair(kDash, Num(g.a0));
        case 79: return pair(kDash, Num(g.x0));
        case 80: return pair(kDash, Num(g.da0));
        case 81: return pair(kDash, Num(g.sa0));
        case 82: return pair(kDash, Num(g.roa0));
        case 83: return pair(kDash, Num(g.rof0));
        default: return "";
    }
}

std::string BevelValue(int col, int row) {
    const GlobalData& g = G;
    auto pick = [col](const std::string& pinion, const std::string& common, const std::string& wheel) {
        return col == 2 ? pinion : col == 3 ? common : wheel;
    };
    auto pair = [&](const std::string& pinion, const std::string& wheel) { return pick(pinion, "", wheel); };
    auto common = [&](const std::string& value) { return pick("", value, ""); };
    // The bevel data hold the outer transverse module in mn and the virtual pair in
    // z1, z2, d1, d2.
    const double middle = 1 - g.bRatio / 2;
    switch (row) {
        case 2: return common(Num(g.z2Bevel / g.z1Bevel, 6, 3));
        case 3: return common(Angle(RadToDeg(g.Sigma)));
        case 4: return pair(Num(g.z1Bevel, 2, 0), Num(g.z2Bevel, 2, 0));
        case 5: return common(Num(g.mn, 6, 3));
        case 6: return common(Num(g.mtm, 6, 3));
        case 7: return common(Angle(g.betaDeg));
        case 8: return common(Num(g.b, 6, 3));
        case 9: return common(Num(g.Le, 6, 3));
        case 10: return pair(Num(g.x1), Num(g.x2));
        case 11: return pair(Num(g.x1 * g.mn), Num(g.x2 * g.mn));
        case 12: return common(Num(g.xsum));
        case 13: return pair(Num(g.dfe1), Num(g.dfe2));
        case 14: return pair(Num(g.de1), Num(g.de2));
        case 15: return pair(Num(g.dae1), Num(g.dae2));
        case 16: return pair(Num(g.de1 * middle), Num(g.de2 * middle));
        case 17: return pair(Num(g.dai1), Num(g.dai2));
        case 18: return pair(Num(g.sae1), Num(g.sae2));
        case 19: return pair(Num(g.sa1), Num(g.sa2));
        case 20: return pair(Num(g.mn * g.hf1 / g.mtm), Num(g.mn * g.hf2 / g.mtm));
        case 21: return pair(Num(g.mn * g.ha1 / g.mtm), Num(g.mn * g.ha2 / g.mtm));
        case 22: return pair(Num(g.mn * g.h1 / g.mtm), Num(g.mn * g.h2 / g.mtm));
        case 23: return pair(Angle(RadToDeg(g.deltaf1)), Angle(RadToDeg(g.deltaf2)));
        case 24: return pair(Angle(RadToDeg(g.delta1)), Angle(RadToDeg(g.delta2)));
        case 25: return pair(Angle(RadToDeg(g.deltaa1)), Angle(RadToDeg(g.deltaa2)));
        case 26: return pair(Num(g.b / g.de1, 6, 3), Num(g.b / g.de2, 6, 3));
        case 27: return common(Num(g.b / g.mn, 6, 3));
        case 28: return common(Num(g.bRatio, 6, 3));
        case 29: return pair(Num(std::cos(g.delta1) * g.b, 6, 3), Num(std::cos(g.delta2) * g.b, 6, 3));
        case 30: return pair(Num(g.z1, 3, 2), Num(g.z2, 3, 2));
        case 31: return pair(Num(g.d1), Num(g.d2));
        case 32: return common(Angle(g.alfawtDeg));
        case 33: return pair(Num(g.SpecificSlidingRoot1), Num(g.SpecificSlidingRoot2));
        case 34: return pair(Num(g.SpecificSlidingTip1), Num(g.SpecificSlidingTip2));
        case 35: return common(Num(g.epsilonalfa));
        case 36: return common(Num(g.epsilonbeta));
        case 37: return common(Num(g.epsilongamma));
        case 38: return pair(Num(g.b / g.d1, 6, 3), Num(g.b / g.d2, 6, 3));
        case 39: return common(Num(g.z1Bevel / std::sin(g.delta1), 6, 3));
        case 40: return pair(Num(1 / std::sin(g.delta1), 6, 3), Num(1 / std::sin(g.delta2), 6, 3));
        case 41: return pair(Num(g.haP1), Num(g.haP2));
        case 42: return pair(Num(g.cP1), Num(g.cP2));
        case 43: return pair(Num(g.rofP1), Num(g.rofP2));
        case 44: return common(Angle(g.alfaP));
        default: return "";
    }
}

}  // namespace

int TableRowCount() {
    switch (G.GearingType) {
        case kExternalGearing: return 77;
        case kInternalGearing: return 85;
        case kBevelGearing: return 45;
        default: return 0;
    }
}

std::string TableCaption(int row, bool constantChords) {
    const RowDef* def = Row(row);
    if (!def) return "";
    if (G.GearingType != kBevelGearing) {
        if (row == 2) return BacklashCaption();
        if (row == 58) return constantChords ? "Constant chord" : "Normal chordal tooth thickness";
        if (row == 59) return constantChords ? "Height above the constant chord" : "Height above the chord";
        if (row == 76) return G.GearingType == kInternalGearing ? "              FELLOW CUTTER" : "";
    }
    return def->Caption;
}

std::string TableUnit(int row) {
    const RowDef* def = Row(row);
    if (!def) return "";
    switch (def->RowUnit) {
        case kMm: return "[mm]";
        case kRatio: return "[-]";
        case kAngle: return G.AngleFormatDMS ? "" : std::string("[") + kDegree + "]";
        default: return "";
    }
}

const std::vector<TableGlyph>& TableGlyphs(int row) {
    static const std::vector<TableGlyph> none;
    const RowDef* def = Row(row);
    return def ? def->Glyphs : none;
}

std::string TableValueText(int col, int row) {
    if (col < 2 || col > 4 || row < 2 || row >= TableRowCount()) return "";
    return G.GearingType == kBevelGearing ? BevelValue(col, row) : ExternalValue(col, row);
}

std::string FormatTableAngleDms(double degrees) {
    if (!std::isfinite(degrees)) return "***";
    FormatDegMinSec(degrees, G.DegText, G.MinText, G.SecText);
    // Seconds "0.0" become "0"; a minute carried from "60.0" seconds leaves "0" seconds.
    NormalizeDmsStrings();
    if (G.SecText == "0.0") G.SecText = "0";
    const std::string text = G.DegText + kDegree + " " + G.MinText + "'  " + G.SecText + "\"";
    return text.size() - 1 > kMaxValueLength ? "***" : text;  // the degree sign is one character
}

std::string NumericPrefix(const std::string& text) {
    std::string prefix;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '.') break;
        prefix += text[i];
        if (text[i] == '\'') break;
    }
    return prefix;
}

}  // namespace ostrimo
