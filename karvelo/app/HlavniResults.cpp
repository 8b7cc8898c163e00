// The result panels of the main window: one row per quantity, the pinion on the left and the
// wheel on the right (a quantity of the pair on the left or on both sides).  A cell is the
// symbol, its subscript (9-px Arial, with a Greek letter set into it where the symbol needs
// one), "=" and the value (13-px Arial).
#include <cmath>
#include <initializer_list>
#include <optional>

#include "karvelo/app/Hlavni.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/Vypocty_ekv.h"
#include "runtime/NumText.h"

namespace karvelo {

namespace {

enum class Side { Pinion, Wheel, Pair };

struct Cell {
    const char* symbol;  // the letter; Greek (Symbol font) when `greek`
    bool greek;
    const char* sub;       // subscript of one load
    const char* subEkv;    // subscript of equivalent loads, nullptr when it does not switch
    const char* subName;   // name of a switching subscript label
    const char* greekSub;  // Greek letter in the subscript line, nullptr when none
    int greekX;            // its place from the subscript's start
    int subX;              // the Latin subscript's place from the subscript's start
    const char* value;     // name of the value label
    double GlobalData::*var;
    int width, decimals;
    Side side;
    const char* placeholder;  // the value label's design text
};

struct Row {
    int top;
    Cell left;
    std::optional<Cell> right;
};

using GD = GlobalData;
constexpr Side P = Side::Pinion, W = Side::Wheel, X = Side::Pair;

// Plain cells: symbol and subscript only.
Cell C(const char* symbol, bool greek, const char* sub, const char* value, double GD::*var, int w, int d, Side side) {
    return {symbol, greek, sub, nullptr, nullptr, nullptr, 0, 0, value, var, w, d, side, w == 6 ? "1000.0" : "1.000"};
}
// Cells whose subscript switches to the equivalent-load wording.
Cell S(const char* symbol, bool greek, const char* sub, const char* subEkv, const char* subName, const char* value,
       double GD::*var, int w, int d, Side side) {
    Cell c = C(symbol, greek, sub, value, var, w, d, side);
    c.subEkv = subEkv;
    c.subName = subName;
    return c;
}
// Cells with a Greek letter in the subscript line.
Cell Gk(Cell c, const char* greekSub, int greekX, int subX) {
    c.greekSub = greekSub;
    c.greekX = greekX;
    c.subX = subX;
    if (c.var == &GD::KHbeta) c.placeholder = "1.300";
    return c;
}

const std::vector<Row>& BendingRows() {
    static const std::vector<Row> rows = {
        {3, S("s", true, "F1", "F1ekv", "Label3", "Label9", &GD::SigmaF1, 6, 1, P),
         S("s", true, "F2", "F2ekv", "Label12", "Label14", &GD::SigmaF2, 6, 1, W)},
        {28, S("s", true, "FP1", "FP1ekv", "Label27", "Label29", &GD::SigmaFP1, 6, 1, P),
         S("s", true, "FP2", "FP2ekv", "Label32", "Label34", &GD::SigmaFP2, 6, 1, W)},
        {57, S("S", false, "F1", "F1ekv", "Label87", "Label89", &GD::SF1, 5, 3, P),
         S("S", false, "F2", "F2ekv", "Label91", "Label93", &GD::SF2, 5, 3, W)},
        {79, C("s", true, "FP1 ref", "Label255", &GD::Sigmafpb1ref, 6, 1, P),
         C("s", true, "FP2 ref", "Label260", &GD::Sigmafpb2ref, 6, 1, W)},
        {104, C("s", true, "FP1stat", "Label264", &GD::Sigmafpb1stat, 6, 1, P),
         C("s", true, "FP2 stat", "Label276", &GD::Sigmafpb2stat, 6, 1, W)},
        {131, C("s", true, "F1max", "Label269", &GD::SigmaF1max, 6, 1, P),
         C("s", true, "F2max", "Label273", &GD::SigmaF2max, 6, 1, W)},
        {180, S("K", false, "F", "Fekv", "Label121", "Label123", &GD::KF, 5, 3, X),
         S("K", false, "V", "V ekv", "Label125", "Label127", &GD::Kv, 5, 3, X)},
        {205, Gk(S("K", false, "F", "F    ekv", "Label129", "Label131", &GD::KFalfa, 5, 3, X), "a", 7, 0),
         Gk(S("K", false, "F", "F   ekv", "Label133", "Label135", &GD::KFbeta, 5, 3, X), "b", 7, 0)},
        {230, Gk(C("e", true, "", "Label10", &GD::epsalfa, 5, 3, X), "a", 0, 0),
         Gk(C("e", true, "", "Label46", &GD::epsbeta, 5, 3, X), "b", 0, 0)},
        {257, C("Y", false, "DT", "Label159", &GD::YDT, 5, 3, X),
         Gk(C("Y", false, "", "Label163", &GD::Ybeta, 5, 3, X), "b", 0, 0)},
        {282, C("Y", false, "F1", "Label195", &GD::YF1, 5, 3, P), C("Y", false, "F2", "Label199", &GD::YF2, 5, 3, W)},
        {307, C("Y", false, "S1", "Label203", &GD::YS1, 5, 3, P), C("Y", false, "S2", "Label207", &GD::YS2, 5, 3, W)},
        {332, C("Y", false, "Sg1", "Label211", &GD::YSg1, 5, 3, P),
         C("Y", false, "Sg2", "Label215", &GD::YSg2, 5, 3, W)},
        {357, C("Y", false, "B1", "Label187", &GD::YB1, 5, 3, P), C("Y", false, "B2", "Label191", &GD::YB2, 5, 3, W)},
        {405, C("Y", false, "N1", "Label219", &GD::YN1, 5, 3, P), C("Y", false, "N2", "Label223", &GD::YN2, 5, 3, W)},
        {430, Gk(C("Y", false, "rel T1", "Label242", &GD::YdrelT1, 5, 3, P), "d", 0, 7),
         Gk(C("Y", false, "rel T2", "Label245", &GD::YdrelT2, 5, 3, W), "d", 0, 7)},
        {455, C("Y", false, "R rel T1", "Label85", &GD::YRrelT1, 5, 3, P),
         C("Y", false, "R rel T2", "Label236", &GD::YRrelT2, 5, 3, W)},
        {480, C("Y", false, "X1", "Label227", &GD::YX1, 5, 3, P), C("Y", false, "X2", "Label231", &GD::YX2, 5, 3, W)},
    };
    return rows;
}

const std::vector<Row>& ContactRows() {
    static const std::vector<Row> rows = {
        {3, S("s", true, "H1", "H1ekv", "Label17", "Label19", &GD::SigmaH1, 6, 1, P),
         S("s", true, "H2", "H2ekv", "Label22", "Label24", &GD::SigmaH2, 6, 1, W)},
        {28, S("s", true, "HP1", "HP1ekv", "Label37", "Label39", &GD::SigmaHP1, 6, 1, P),
         S("s", true, "HP2", "HP2ekv", "Label42", "Label44", &GD::SigmaHP2, 6, 1, W)},
        {57, S("S", false, "H1", "H1ekv", "Label95", "Label97", &GD::SH1, 5, 3, P),
         S("S", false, "H2", "H2ekv", "Label99", "Label101", &GD::SH2, 5, 3, W)},
        {79, C("s", true, "HP1 ref", "Label65", &GD::SigmaHP1ref, 6, 1, P),
         C("s", true, "HP2 ref", "Label70", &GD::SigmaHP2ref, 6, 1, W)},
        {105, C("s", true, "HP1stat", "Label74", &GD::SigmaHP1stat, 6, 1, P),
         C("s", true, "HP2 stat", "Label82", &GD::SigmaHP2stat, 6, 1, W)},
        {131, C("s", true, "H1max", "Label105", &GD::SigmaH1max, 6, 1, P),
         C("s", true, "H2max", "Label110", &GD::SigmaH2max, 6, 1, W)},
        {180, S("K", false, "H", "H ekv", "Label139", "Label141", &GD::KH, 5, 3, X),
         S("K", false, "V", "V ekv", "Label143", "Label145", &GD::Kv, 5, 3, X)},
        {205, Gk(S("K", false, "H", "H    ekv", "Label147", "Label149", &GD::KHalfa, 5, 3, X), "a", 8, 0),
         Gk(S("K", false, "H", "H   ekv", "Label151", "Label153", &GD::KHbeta, 5, 3, X), "b", 8, 0)},
        {230, C("K", false, "A", "Label235", &GD::KA, 5, 3, X), std::nullopt},
        {270, Gk(C("Z", false, "", "Label166", &GD::Zepsilon, 5, 3, X), "e", 0, 0),
         Gk(C("Z", false, "", "Label500", &GD::Zbeta, 5, 3, X), "b", 0, 0)},
        {295, C("Z", false, "E", "Label182", &GD::ZE, 5, 1, X), C("Z", false, "H", "Label169", &GD::ZH, 5, 3, X)},
        {320, C("Z", false, "B", "Label115", &GD::ZB, 5, 3, P), C("Z", false, "D", "Label119", &GD::ZD, 5, 3, W)},
        {405, C("Z", false, "N1", "Label174", &GD::ZN1, 5, 3, P), C("Z", false, "N2", "Label178", &GD::ZN2, 5, 3, W)},
        {430, C("Z", false, "W1", "Label251", &GD::ZX, 5, 3, P), C("Z", false, "W2 ", "Label58", &GD::ZW, 5, 3, W)},
        {455, C("Z", false, "L", "Label77", &GD::ZL, 5, 3, X), C("Z", false, "V", "Label64", &GD::ZV, 5, 3, X)},
        {480, C("Z", false, "R", "Label53", &GD::ZR, 5, 3, X), std::nullopt},
    };
    return rows;
}

ui::Color SideColor(Side side) {
    switch (side) {
        case Side::Pinion: return ui::clBlue;
        case Side::Wheel: return ui::clGreen;
        default: return ui::clBlack;
    }
}

// Places of a cell's parts from its left edge; a value ends kValueGap before the cell to its right
// and kBoxEdge before the right edge of its box.
constexpr int kSubLeft = 11, kEqualsLeft = 54, kValueLeft = 65, kRightCell = 122, kCellLeft = 4;
constexpr int kValueGap = 3, kBoxEdge = 4;

void CreateCell(ui::ScrollBox* box, const Cell& c, int left, int top) {
    const ui::Color color = SideColor(c.side);
    const unsigned style = box->Font().Style;
    const std::string id = c.value;
    (new ui::Label(box, "Sym" + id, {left, top}, c.symbol))
        ->SetFont(ui::Font{c.greek ? "Symbol" : "Arial", 13, style, color});
    if (c.greekSub)
        (new ui::Label(box, "GreekSub" + id, {left + kSubLeft + c.greekX, top + 6}, c.greekSub))
            ->SetFont(ui::Font{"Symbol", 10, style, color});
    if (*c.sub || c.subName)
        (new ui::Label(box, c.subName ? c.subName : "Sub" + id, {left + kSubLeft + c.subX, top + 7}, c.sub))
            ->SetFont(ui::Font{"Arial", 9, style, color});
    (new ui::Label(box, "Eq" + id, {left + kEqualsLeft, top}, "="))->SetFont(ui::Font{"Arial", 13, style, ui::clBlack});
    (new ui::Label(box, id, {left + kValueLeft, top}, c.placeholder))
        ->SetFont(ui::Font{"Arial", 13, style, ui::clWindowText});
}

// f(cell, whether it is the right one of its row).
template <class F>
void ForEachCell(F f) {
    for (const auto* rows : {&BendingRows(), &ContactRows()})
        for (const Row& r : *rows) {
            f(r.left, false);
            if (r.right) f(*r.right, true);
        }
}

// A value that is not a number, or whose text would run past the right edge of its place into
// its neighbour, shows "***" rather than a cut number that would look valid.
void ShowValue(ui::Label* label, double x, int width, int decimals, int right) {
    label->SetCaption(std::isfinite(x) ? rt::Str(x, width, decimals) : "***");
    if (label->Left() + label->Width() > right) label->SetCaption("***");
}

}  // namespace

void TForm1::CreateResultPanels() {
    for (auto [box, rows] : {std::pair{ScrollBox1, &BendingRows()}, std::pair{ScrollBox2, &ContactRows()}})
        for (const Row& r : *rows) {
            CreateCell(box, r.left, kCellLeft, r.top);
            if (r.right) CreateCell(box, *r.right, kCellLeft + kRightCell, r.top);
        }
}

ui::Label* TForm1::ResultLabel(const std::string& name) const {
    for (ui::ScrollBox* box : {ScrollBox1, ScrollBox2})
        if (auto* l = dynamic_cast<ui::Label*>(box->FindControl(name))) return l;
    return nullptr;
}

void TForm1::ShowResults() {
    const bool oneLoad = G.LoadInputMethod == kOneLevelLoading;
    auto label = [this](const char* name) { return ResultLabel(name); };
    auto mark = [&](const char* name, bool failed) {
        label(name)->SetFontColor(failed ? ui::clRed : ui::clWindowText);
    };

    ForEachCell([&](const Cell& c, bool) {
        if (c.subName) label(c.subName)->SetCaption(oneLoad ? c.sub : c.subEkv);
    });

    mark("Label9", G.SigmaF1 >= G.SigmaFP1);
    mark("Label14", G.SigmaF2 >= G.SigmaFP2);
    mark("Label19", G.SigmaH1 >= G.SigmaHP1);
    mark("Label24", G.SigmaH2 >= G.SigmaHP2);
    mark("Label89", !(G.SF1 > 1));
    mark("Label93", !(G.SF2 > 1));
    mark("Label97", !(G.SH1 > 1));
    mark("Label101", !(G.SH2 > 1));
    mark("Label269", G.StaticF1Exceeded);
    mark("Label273", G.StaticF2Exceeded);
    mark("Label105", G.StaticH1Exceeded);
    mark("Label110", G.StaticH2Exceeded);
    mark("Label10", false);

    // The maximum stresses of a spectrum are those of its largest level (the last one once the
    // spectrum is prepared); the results listing prints them too.
    G.SigmaF1max = G.SigmaF1;
    G.SigmaF2max = G.SigmaF2;
    G.SigmaH1max = G.SigmaH1;
    G.SigmaH2max = G.SigmaH2;
    const int last = G.LevelCount;
    const bool validLast = last >= 1 && last <= kMaxLevels;
    if ((SpectrumByDamage(G) || G.LifeValid) && validLast) {
        G.SigmaF1max = LargestLevelStress(G.SigmaF1Level, last);
        G.SigmaF2max = LargestLevelStress(G.SigmaF2Level, last);
        G.SigmaH1max = LargestLevelStress(G.SigmaH1Level, last);
        G.SigmaH2max = LargestLevelStress(G.SigmaH2Level, last);
    }

    ForEachCell([&](const Cell& c, bool rightCell) {
        ui::Label* value = label(c.value);
        const int right = rightCell ? value->Parent()->Width() - kBoxEdge : kCellLeft + kRightCell - kValueGap;
        ShowValue(value, G.*c.var, c.width, c.decimals, right);
    });

    // A safety factor means nothing where the stress reaches the static strength.
    const bool levels = !oneLoad && validLast;
    const double F1 = levels ? LargestLevelStress(G.SigmaF1Level, last) : G.SigmaF1;
    const double F2 = levels ? LargestLevelStress(G.SigmaF2Level, last) : G.SigmaF2;
    const double H1 = levels ? LargestLevelStress(G.SigmaH1Level, last) : G.SigmaH1;
    const double H2 = levels ? LargestLevelStress(G.SigmaH2Level, last) : G.SigmaH2;
    if (F1 >= G.Sigmafpb1stat) label("Label89")->SetCaption("----");
    if (F2 >= G.Sigmafpb2stat) label("Label93")->SetCaption("----");
    if (H1 >= G.SigmaHP1stat) label("Label97")->SetCaption("----");
    if (H2 >= G.SigmaHP2stat) label("Label101")->SetCaption("----");
}

}  // namespace karvelo
