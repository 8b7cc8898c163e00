#include "karvelo/forms/RozmeryF.h"

#include "karvelo/calc/Global.h"
#include "runtime/NumText.h"

namespace karvelo {

TRozmery_F* Rozmery_F = nullptr;

namespace {
std::string F(double x, int w, int d) { return rt::Str(x, w, d); }
// A body dimension that does not apply shows the placeholder.
std::string Body(double x) { return x == 0 ? "  ---" : F(x, 5, 1); }
}  // namespace

TRozmery_F::TRozmery_F() : Form("Rozmery_F") {
    SetCaption("Input of gears dimensions and related  parameters");
    SetClientSize(470, 300);
    BorderIcons = 0;
    KeyPreview = true;
    fields_ = std::make_unique<FieldColumn>(this, 12, 12, 7, std::vector<FieldColumn::Field>{
        {1, "b1 [mm]", [] { return F(G.b1, 5, 1); }},
        {2, "b2 [mm]", [] { return F(G.b2, 5, 1); }},
        {3, "bs1 [mm]", [] { return Body(G.bs1); }},
        {4, "bs2 [mm]", [] { return Body(G.bs2); }},
        {5, "sR1 [mm]", [] { return F(G.sR1, 5, 1); }},
        {6, "sR2 [mm]", [] { return F(G.sR2, 5, 1); }},
        {7, "sd1 [mm]", [] { return Body(G.sd1); }},
        {8, "sd2 [mm]", [] { return Body(G.sd2); }},
        {9, "dh1 [mm]", [] { return Body(G.dh1); }},
        {10, "dh2 [mm]", [] { return Body(G.dh2); }},
        {11, "db [mm]", [] { return F(G.db, 5, 1); }},
        {12, "J1 [kg mm2]", [] { return G.mredISO ? "  ---" : F(G.J1, 5, 2); }},
        {13, "J2 [kg mm2]", [] { return G.mredISO ? "  ---" : F(G.J2, 5, 2); }},
        {14, "c' [N/(mm um)]", [] { return F(G.cprime, 5, 2); }},
    });
    Edit1 = EditField(1);
    Edit2 = EditField(2);
    CB1 = new ui::CheckBox(this, "CB1", {12, 190, 110, 17}, "Full pinion");
    CB2 = new ui::CheckBox(this, "CB2", {232, 190, 110, 17}, "Full wheel");
    CB3 = new ui::CheckBox(this, "CB3", {12, 214, 220, 17}, "ISO method for calcul. of  m ");
    FollowData(CB1, [] { return G.FullPinion; }, &G.ControlPressed1);
    FollowData(CB2, [] { return G.FullWheel; }, &G.ControlPressed2);
    FollowData(CB3, [] { return G.mredISO; }, &G.ControlPressed3);
    Button1 = new ui::Button(this, "Button1", {130, 252, 89, 25}, "&Ok");
    Button1->ModalResult = ui::mrOk;
    Button3 = new ui::Button(this, "Button3", {250, 252, 89, 25}, "&Help");
    Button3->SetEnabled(false);
    Button3->OnClick = [] {
        G.ControlPressed4 = false;
        ShowHelpTopic(51);
    };
    OnCreate = [] {
        G.ControlPressed1 = G.ControlPressed2 = G.ControlPressed3 = G.ControlPressed4 = false;
    };
    OnActivate = [this] { FormActivate(); };
    OnPaint = [this] { FormPaint(); };
    OnKeyPress = [this](ui::KeyChar& key) {
        if (key == 27) Close();
    };
    OnKeyUp = [](ui::Word& key, ui::ShiftState) { HelpKeyUp(key, 51); };
}

void TRozmery_F::PreviewRozmeryMouseDown(const ui::Message& msg) {
    if (msg.Msg != ui::WM_LBUTTONDOWN) return;
    if (msg.Target == CB1) G.ControlPressed1 = true;
    else if (msg.Target == CB2) G.ControlPressed2 = true;
    else if (msg.Target == CB3) G.ControlPressed3 = true;
    else if (msg.Target == Button3) G.ControlPressed4 = true;
}

void TRozmery_F::FormActivate() {
    G.LifeValid = false;
    G.EquivalentStressesCurrent = false;
    CB1->SetChecked(G.FullPinion);
    CB2->SetChecked(G.FullWheel);
    CB3->SetChecked(G.mredISO);
}

// An internal wheel has only its face width, rim and offset.
void TRozmery_F::FormPaint() {
    fields_->Fill();
    const bool external = G.GearingType == 1;
    for (int n : {4, 8, 10}) {
        EditField(n)->SetVisible(external);
        if (auto* label = FindControl("FieldLabel" + std::to_string(n))) label->SetVisible(external);
    }
    CB2->SetVisible(external);
}

}  // namespace karvelo
