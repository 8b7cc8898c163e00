#include "karvelo/forms/GeometrieF.h"

#include <cmath>
#include <numbers>

#include "karvelo/calc/Geometrie.h"
#include "karvelo/calc/Global.h"
#include "runtime/NumText.h"

namespace karvelo {

TGeometrie_F* Geometrie_F = nullptr;

namespace {
constexpr double kDeg = 180 / std::numbers::pi;
std::string F(double x, int w, int d) { return rt::Str(x, w, d); }
}  // namespace

TGeometrie_F::TGeometrie_F() : Form("Geometrie_F") {
    SetCaption("Gearing geometry");
    SetClientSize(460, 330);
    BorderIcons = 0;
    KeyPreview = true;
    fields_ = std::make_unique<FieldColumn>(this, 12, 12, 10, std::vector<FieldColumn::Field>{
        {1, "z1", [] { return F(G.z1, 4, 1); }},
        {2, "z2", [] { return F(G.z2, 4, 1); }},
        {3, "mn [mm]", [] { return F(G.mn, 5, 3); }},
        {4, "beta [deg]", [] { return F(G.beta * kDeg, 6, 4); }},
        {5, "alfa P [deg]", [] { return F(G.alfan * kDeg, 6, 3); }},
        {6, "x1", [] { return F(G.x1, 6, 4); }},
        {7, "x2", [] { return F(G.x2, 6, 4); }},
        {8, "a [mm]", [] { return F(G.a, 7, 3); }},
        {9, "h*aP1", [] { return F(G.haP1, 5, 3); }},
        {10, "h*aP2", [] { return F(G.haP2, 5, 3); }},
        {11, "c*P1", [] { return F(G.caP1, 5, 3); }},
        {12, "c*P2", [] { return F(G.caP2, 5, 3); }},
        {13, "rho*fP1", [] { return F(G.RofP1, 5, 3); }},
        {14, "rho*fP2", [] { return F(G.RofP2, 5, 3); }},
        {15, "da1 [mm]", [] { return F(G.da1, 6, 3); }},
        {16, "da2 [mm]", [] { return F(G.da2, 6, 3); }},
        {17, "spr1 [mm]", [] { return F(G.Protub1, 5, 3); }},
        {18, "spr2 [mm]", [] { return F(G.Protub2, 5, 3); }},
        {19, "z0", [] { return F(G.z0, 1, 0); }},
        {20, "x0", [] { return F(G.x0, 5, 3); }},
    });
    Button1 = new ui::Button(this, "Button1", {186, 272, 89, 25}, "&OK");
    Button1->ModalResult = ui::mrOk;
    Button1->OnClick = [this] { Button1Click(); };
    OnPaint = [this] { FormPaint(); };
    OnKeyUp = [](ui::Word& key, ui::ShiftState) { HelpKeyUp(key, 21); };
}

void TGeometrie_F::UpdateGeometryForm() {
    ComputeGearDimensions();
    ComputeTipThickness();
    EditField(6)->SetText(F(G.x1, 6, 4));
    EditField(7)->SetText(F(G.x2, 6, 4));
    EditField(15)->SetText(F(G.da1, 7, 3));
    EditField(16)->SetText(F(G.da2, 7, 3));
    EditField(8)->SetText(F(G.a, 7, 3));
    EditField(13)->SetText(F(G.RofP1, 6, 4));
    EditField(14)->SetText(F(G.RofP2, 6, 4));
}

void TGeometrie_F::FormPaint() {
    G.LifeValid = false;
    G.EquivalentStressesCurrent = false;
    fields_->Fill();
    const bool internal = G.GearingType == 2;
    for (int n : {19, 20}) {
        EditField(n)->SetVisible(internal);
        if (auto* label = FindControl("FieldLabel" + std::to_string(n))) label->SetVisible(internal);
    }
}

// Tooth depths and the rim thickness limits of the rim warnings.
void TGeometrie_F::Button1Click() {
    G.ht1 = (G.da1 - G.df1) / 2;
    G.sRmin1 = G.ht1 / 2;
    G.ht2 = (G.da2 - G.df2) / 2;
    G.sRmin2 = G.GearingType == 1 ? G.ht2 / 2 : 1.75 * G.mn;
}

}  // namespace karvelo
