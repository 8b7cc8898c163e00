#include "karvelo/forms/Materialy.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "karvelo/calc/Global.h"
#include "karvelo/calc/MaterialClasses.h"
#include "karvelo/forms/MaterialyF.h"
#include "runtime/NumText.h"

namespace karvelo {

TMaterialova_tabulka* Materialova_tabulka = nullptr;

namespace {

constexpr int kColumns = 10;
using RowTexts = std::array<const char*, kColumns>;

// No., material, abbreviation, type, figure, quality, hardness (contact, bending), allowable
// stress numbers sigmaHlim and sigmaFlim.  Hardness HBW in rows 1 to 10, HV in rows 11 to 35.
// Row 6: the contact numbers of ISO 6336-5 for quality ME, 1.333 HBW + 267 over HBW 175 to 250.
// clang-format off
const RowTexts kHeader = {"  No.", "Material", " Abbre-\rviation", "Type", "Figure", "Quality", "Hardness\r(contact)",
                          "Hardness\r(bending)", "Allowable\r   stress\r(contact)", "Allowable\r   stress\r(bending)"};
const std::array<RowTexts, TMaterialova_tabulka::kRows> kRowTexts = {{
    {{" 1, 5", "Normalized low carbon steels", "St", "wrought", "1a,  2a", "ML MQ", " 110 - 210", " 110 - 210", " 300 - 400", " 119 - 164"}},  // 1
    {{" 2, 6", "Normalized low carbon steels", "St", "wrought", "1a,  2a", "ME", " 110 - 210", " 110 - 210", " 417 - 569", " 189 - 228"}},  // 2
    {{" 3, 7", "Normalized low carbon steels", "St", "cast", "1b,  2b", "ML MQ", " 140 - 210", " 140 - 210", " 269 - 338", " 106 - 127"}},  // 3
    {{" 4, 8", "Normalized low carbon steels", "St", "cast", "1b,  2b", "ME", " 140 - 210", " 140 - 210", " 397 - 477", " 172 - 190"}},  // 4
    {{"9, 15", "Cast iron materials", "GTS(perl)", "black malleable cast iron", "3a,  4a", "ML MQ", " 135 - 250", " 135 - 250", " 328 - 486", " 123 - 163"}},  // 5
    {{"10, 16", "Cast iron materials", "GTS(perl)", "black malleable cast iron", "3a,  4a", "ME", " 175 - 250", " 175 - 250", " 500 - 600", " 198 - 229"}},  // 6
    {{"11, 17", "Cast iron materials", "GGG", "nodular cast iron", "3b,  4b", "ML MQ", " 175 - 300", " 175 - 300", " 462 - 641", " 180 - 224"}},  // 7
    {{"12, 18", "Cast iron materials", "GGG", "nodular cast iron", "3b,  4b", "ME", " 200 - 300", " 200 - 300", " 550 - 700", " 210 - 248"}},  // 8
    {{"13, 19", "Cast iron materials", "GG", "grey cast iron", "3c,  4c", "ML MQ", " 150 - 240", " 150 - 240", " 287 - 380", "  46 - 69"}},  // 9
    {{"14, 20", "Cast iron materials", "GG", "grey cast iron", "3c,  4c", "ME", " 175 - 275", " 175 - 275", " 378 - 525", "  88 - 108"}},  // 10
    {{"21, 27", "Through hardened wrought steels", "V", "carbon steels", "  5,  6", "ML", " 135 - 210", " 115 - 215", " 413 - 485", " 137 - 162"}},  // 11
    {{"22, 28", "Through hardened wrought steels", "V", "carbon steels", "  5,  6", "MQ", " 135 - 210", " 115 - 215", " 485 - 554", " 190 - 214"}},  // 12
    {{"23, 29", "Through hardened wrought steels", "V", "carbon steels", "  5,  6", "ME", " 135 - 210", " 115 - 215", " 545 - 608", " 234 - 263"}},  // 13
    {{"24, 30", "Through hardened wrought steels", "V", "alloy steels", "  5,  6", "ML", " 200 - 360", " 200 - 360", " 450 - 660", " 188 - 256"}},  // 14
    {{"25, 31", "Through hardened wrought steels", "V", "alloy steels", "  5,  6", "MQ", " 200 - 360", " 200 - 360", " 635 - 845", " 272 - 340"}},  // 15
    {{"26, 32", "Through hardened wrought steels", "V", "alloy steels", "  5,  6", "ME", " 200 - 390", " 200 - 390", " 702 - 1123", " 302 - 370"}},  // 16
    {{"33, 37", "Through hardened cast steels", "V", "carbon steels", "  7,  8", "ML MQ", " 130 - 215", " 130 - 215", " 408 - 478", " 146 - 165"}},  // 17
    {{"34, 38", "Through hardened cast steels", "V", "carbon steels", "  7,  8", "ME", " 130 - 215", " 130 - 215", " 468 - 549", " 204 - 228"}},  // 18
    {{"35, 39", "Through hardened cast steels", "V", "alloy steels", "  7,  8", "ML MQ", " 200 - 360", " 200 - 360", " 553 - 757", " 234 - 292"}},  // 19
    {{"36, 40", "Through hardened cast steels", "V", "alloy steels", "  7,  8", "ME", " 200 - 360", " 200 - 360", " 626 - 842", " 257 - 314"}},  // 20
    {{"41, 44", "Case hardened wrought steels", "Eh", "", "  9, 10", "ML", " 600 - 800", " 600 - 800", "1300", "312"}},  // 21
    {{"42,45-47", "Case hardened wrought steels", "Eh", "", "  9, 10", "MQ", " 660 - 800", " 660 - 800", "1500", " 425 - 500"}},  // 22
    {{"43, 48", "Case hardened wrought steels", "Eh", "", "  9, 10", "ME", " 660 - 800", " 660 - 800", "1650", "525"}},  // 23
    {{"49, 52", "Flame or induction hardened steels", "IF", "", " 11, 12", "ML", " 485 - 615", " 485 - 615", " 961 - 1057", " 224 - 263"}},  // 24
    {{"50,53-54", "Flame or induction hardened steels", "IF", "", " 11, 12", "MQ", " 500 - 615", " 500 - 615", "1152 - 1214", " 359 - 375"}},  // 25
    {{"51, 55", "Flame or induction hardened steels", "IF", "", " 11, 12", "ME", " 500 - 615", " 500 - 615", "1265 - 1323", " 372 - 403"}},  // 26
    {{"56, 62", "Nitrided wrought steels", "NT", "nitriding steels", "13a, 14a", "ML", " 650 - 900", " 650 - 900", "1125", " 270"}},  // 27
    {{"57, 63", "Nitrided wrought steels", "NT", "nitriding steels", "13a, 14a", "MQ", " 650 - 900", " 650 - 900", "1250", " 420"}},  // 28
    {{"58, 64", "Nitrided wrought steels", "NT", "nitriding steels", "13a, 14a", "ME", " 650 - 900", " 650 - 900", "1450", " 468"}},  // 29
    {{"59, 65", "Nitrided wrought steels", "NV", "through-hardening steels", "13b, 14b", "ML", " 450 - 650", " 450 - 650", " 788", " 258"}},  // 30
    {{"60, 66", "Nitrided wrought steels", "NV", "through-hardening steels", "13b, 14b", "MQ", " 450 - 650", " 450 - 650", " 998", " 363"}},  // 31
    {{"61, 67", "Nitrided wrought steels", "NV", "through-hardening steels", "13b, 14b", "ME", " 450 - 650", " 450 - 650", "1217", " 432"}},  // 32
    {{"68, 71", "Wrought steels nitrocarburized", "NVc", "through-hardening steels", " 15, 16", "ML", " 300 - 650", " 300 - 650", " 650", " 224"}},  // 33
    {{"69, 72", "Wrought steels nitrocarburized", "NVc", "through-hardening steels", " 15, 16", "MQ ME", " 300 - 450", " 300 - 450", " 775 - 950", " 290 - 388"}},  // 34
    {{"70, 73", "Wrought steels nitrocarburized", "NVc", "through-hardening steels", " 15, 16", "MQ ME", " 450 - 650", " 450 - 650", " 950", " 388"}},  // 35
}};
// clang-format on

// Rows of a class and what they write.
struct RowGroup {
    int first, last;
    std::string_view code;  // the class, which gives the list entry and the description
    double E;
};
constexpr RowGroup kRowGroups[] = {
    {1, 2, "St", 206000},   {3, 4, "St", 202000},   {5, 6, "GTS", 173000},  {7, 8, "GGGp", 173000},
    {9, 10, "GG", 118000},  {11, 16, "V", 206000},  {17, 20, "V", 202000},  {21, 23, "Eh", 206000},
    {24, 26, "IF", 206000}, {27, 29, "NT", 206000}, {30, 32, "NV", 206000}, {33, 35, "NVc", 206000},
};

bool OneOf(int r, std::initializer_list<int> rows) { return std::find(rows.begin(), rows.end(), r) != rows.end(); }
bool Within(int r, int first, int last) { return r >= first && r <= last; }

const char* MaterialForm(int r) {
    if (Within(r, 1, 2) || Within(r, 11, 16) || Within(r, 21, 23) || Within(r, 27, 35)) return "wrought";
    if (Within(r, 3, 10) || Within(r, 17, 20)) return "cast";
    return "both";
}

const char* QualityGrade(int r) {
    if (OneOf(r, {1, 3, 5, 7, 9, 17, 19})) return "ML, MQ";
    if (OneOf(r, {11, 14, 21, 24, 27, 30, 33})) return "ML";
    if (OneOf(r, {12, 15, 22, 25, 28, 31})) return "MQ";
    if (OneOf(r, {34, 35})) return "MQ, ME";
    return "ME";
}

// Left inset of an abbreviation, so that the short ones stand in the middle of their column.
int AbbreviationInset(std::string_view s) {
    if (s == "St") return 18;
    if (s == "GTS(perl)") return 1;
    if (s == "GGG") return 14;
    if (s == "V") return 21;
    if (s == "IF") return 19;
    return 17;
}

}  // namespace

std::string TMaterialova_tabulka::CellText(int col, int row) {
    if (col < 0 || col >= kColumns || row < 0 || row > kRows) return {};
    return row == 0 ? kHeader[std::size_t(col)] : kRowTexts[std::size_t(row - 1)][std::size_t(col)];
}

TMaterialova_tabulka::TMaterialova_tabulka() : Form("Materialova_tabulka") {
    SetCaption("Choice of material properties (ISO  6336-5, tab.1)");
    SetClientSize(826, 523);
    Position = ui::Position::BesideOwner;
    BorderStyle = ui::BorderStyle::Dialog;
    BorderIcons = 0;
    KeyPreview = true;
    Stringgrid1 = new ui::StringGrid(this, "Stringgrid1", {0, 0, 826, 523});
    Stringgrid1->SetColCount(kColumns);
    Stringgrid1->SetRowCount(kRows + 1);
    Stringgrid1->SetFixedCols(4);
    Stringgrid1->SetFixedRows(1);
    Stringgrid1->SetOptions(ui::goFixedVertLine | ui::goFixedHorzLine | ui::goVertLine | ui::goHorzLine |
                            ui::goRowSelect | ui::goThumbTracking);
    Stringgrid1->SetScrollBars(ui::ScrollStyle::Vertical);
    Stringgrid1->OnDrawCell = [this](int c, int r, const ui::Rect& rect, unsigned state) {
        Stringgrid1DrawCell(c, r, rect, state);
    };
    Stringgrid1->OnMouseMove = [this](ui::ShiftState, int x, int y) { Stringgrid1MouseMove(x, y); };
    Stringgrid1->OnMouseUp = [this](ui::MouseButton, ui::ShiftState, int x, int y) { Stringgrid1MouseUp(x, y); };
    Stringgrid1->OnDblClick = [this] { Stringgrid1DblClick(); };
    Stringgrid1->OnKeyPress = [this](ui::KeyChar& key) { Stringgrid1KeyPress(key); };
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
}

void TMaterialova_tabulka::FormCreate() {
    constexpr int widths[kColumns] = {46, 206, 50, 143, 48, 52, 58, 58, 66, 66};
    for (int c = 0; c < kColumns; ++c) Stringgrid1->SetColWidth(c, widths[c]);
    Stringgrid1->SetDefaultRowHeight(18);
    Stringgrid1->SetRowHeight(0, 62);
    // The numbers that a pick applies are in the cells from the start, painted or not.
    for (int r = 1; r <= kRows; ++r)
        for (int c = 6; c < kColumns; ++c) Stringgrid1->SetCell(c, r, CellText(c, r));
    SetActiveControl(Stringgrid1);
    mouseX_ = mouseY_ = mouseCol_ = mouseRow_ = 0;
}

void TMaterialova_tabulka::FormActivate() {
    SetCaption(G.MaterialForPinion ? "Choice of material properties    (ISO 6336-5, tab.1)             PINION"
                                   : "Choice of material properties    (ISO 6336-5, tab.1)             WHEEL");
}

void TMaterialova_tabulka::DrawWrappedCellText(const std::string& text, const ui::Rect& rect, int dx, int dy) {
    ui::Rect r{rect.Left + dx, rect.Top + dy, rect.Right, rect.Bottom};
    Stringgrid1->Canvas().DrawText(text, r, ui::DT_WORDBREAK);
}

void TMaterialova_tabulka::Stringgrid1DrawCell(int c, int r, const ui::Rect& rect, unsigned) {
    ui::Canvas& canvas = Stringgrid1->Canvas();
    const std::string text = CellText(c, r);
    // The stored numbers, ranges and single values lined up; the descriptive cells only cleared.
    if (OneOf(c, {2, 4, 5, 6, 7, 8, 9})) {
        const std::string& stored = Stringgrid1->Cell(c, r);
        const int inset = stored.find('-') == std::string::npos && stored.size() <= 4 ? 14 : 3;
        canvas.TextRect(rect, rect.Left + inset, rect.Top + 2, stored);
    }
    canvas.Brush.Style = ui::BrushStyle::Clear;
    if (r == 0) {
        constexpr int dx[kColumns] = {8, 69, 7, 56, 8, 10, 6, 6, 6, 6};
        const int dy = c == 2 ? 17 : c >= 6 ? 4 : 25;
        DrawWrappedCellText(text, rect, dx[c], dy);
        if (c >= 6) {
            const ui::Font font = canvas.Font;
            if (c >= 8) {
                canvas.Font = ui::Font{"Symbol", 0, 0, font.Color};
                canvas.Font.SetSize(10);
                canvas.TextOut(rect.Left + (c == 8 ? 17 : 19), rect.Top + 40, "s");
            }
            canvas.Font = ui::Font{"Garamond", 0, 0, font.Color};
            canvas.Font.SetSize(8);
            if (c <= 7) {
                canvas.TextOut(rect.Left + 5, rect.Top + 33, "HBW 1-20");
                canvas.TextOut(rect.Left + 5, rect.Top + 47, "HV 21 - 73");
            } else {
                canvas.TextOut(rect.Left + (c == 8 ? 26 : 28), rect.Top + 48, c == 8 ? "Hlim" : "Flim");
            }
            canvas.Font = font;
        }
        return;
    }
    int dx = 0;
    switch (c) {
        case 0: dx = text == "42,45-47" || text == "50,53-54" ? 1 : 8; break;
        case 1: dx = 10; break;
        case 2: dx = AbbreviationInset(text); break;
        case 3: dx = 8; break;
        case 4: dx = text == "13a, 14a" || text == "13b, 14b" ? 3 : 6; break;
        case 5: dx = text.size() > 2 ? 8 : 17; break;
        default: return;
    }
    DrawWrappedCellText(text, rect, dx, 2);
}

void TMaterialova_tabulka::RememberCell(int x, int y) {
    mouseX_ = x;
    mouseY_ = y;
    Stringgrid1->MouseToCell(x, y, mouseCol_, mouseRow_);
}

void TMaterialova_tabulka::Stringgrid1MouseMove(int x, int y) { RememberCell(x, y); }

// The row under the release, wherever the mouse moved before.
void TMaterialova_tabulka::Stringgrid1MouseUp(int x, int y) {
    RememberCell(x, y);
    Stringgrid1->SetRow(PointedRow());
}

void TMaterialova_tabulka::Stringgrid1DblClick() {
    Stringgrid1->SetRow(PointedRow());
    ApplyMaterialTableRow(PointedRow());
}

void TMaterialova_tabulka::Stringgrid1KeyPress(ui::KeyChar& key) {
    if (key == 27) {
        G.MaterialTableCancelled = true;
        ModalResult = ui::mrCancel;
    } else if (key == 13) {
        ApplyMaterialTableRow(Stringgrid1->Row());
    }
}

void TMaterialova_tabulka::FormKeyUp(ui::Word& key) { HelpKeyUp(key, 32); }

void TMaterialova_tabulka::ApplyMaterialTableRow(int r) {
    r = std::clamp(r, 1, kRows);
    GearMaterial m = CurrentGearMaterial();
    // A cell's number: the integer in its first 4 characters, the lower end of a range.
    auto number = [&](int c) {
        double x = 0;
        int code = 0;
        rt::Val(Stringgrid1->Cell(c, r).substr(0, 4), x, code);
        return code == 0 ? x : 0.0;
    };
    m.SigmaHlim = number(8);
    m.SigmaFlim = number(9);
    m.HV = number(6);
    m.HVcore = number(7);
    const RowGroup& group = *std::find_if(std::begin(kRowGroups), std::end(kRowGroups),
                                          [r](const RowGroup& g) { return Within(r, g.first, g.last); });
    const MaterialClass& cls = MaterialClassOf(group.code);
    const int listIndex = MaterialClassIndex(group.code);
    m.E = group.E;
    m.Code = cls.code;
    m.Name = cls.description;
    if (r <= 10) {
        m.Rm = 3.402 * m.HVcore - 6.274;
    } else if (r <= 20) {
        m.Rm = 3.424 * m.HVcore - 67.076;
    } else {
        // A surface-hardened material: Rm from its bending endurance limit, Rm = YNTstat sigmaFlim YST.
        m.Rm = cls.YNTstat * m.SigmaFlim * m.YST;
        m.HVcore = std::trunc(m.Rm + 67.076) / 3.424;
    }
    m.Rm = std::trunc(m.Rm);
    m.Form = MaterialForm(r);
    m.Quality = QualityGrade(r);
    m.HardnessUnit = r <= 10 ? "HWB" : "HV";
    m.Class = static_cast<std::int16_t>(listIndex);
    if (Materialy_F) (G.MaterialForPinion ? Materialy_F->ComboBox1 : Materialy_F->ComboBox2)->SetItemIndex(listIndex);
    m.NFlim = kBendingEnduranceCycles;
    m.NHlim = cls.NHlim;
    m.ro = cls.density;
    ModalResult = ui::mrOk;
}

}  // namespace karvelo
