#include "karvelo/forms/KHbetaF.h"

#include "karvelo/calc/Global.h"
#include "runtime/NumText.h"

namespace karvelo {

TKHbeta_F* KHbeta_F = nullptr;

TKHbeta_F::TKHbeta_F() : Form("KHbeta_F") {
    SetCaption("Determination of the factor KHß");
    SetClientSize(430, 250);
    KeyPreview = true;
    CheckBox5 = new ui::CheckBox(this, "CheckBox5", {16, 16, 390, 17}, "Calculation by Method \"C\"  ISO 6332 - 1 ");
    CheckBox4 = new ui::CheckBox(this, "CheckBox4", {16, 44, 330, 17}, "Simplified calculation using kinematic arrangement");
    Label2 = new ui::Label(this, "Label2", {350, 46, 50, 16}, "");
    CheckBox2 = new ui::CheckBox(this, "CheckBox2", {16, 72, 330, 17}, "Calculation from the contact pattern length");
    CheckBox3 = new ui::CheckBox(this, "CheckBox3", {16, 100, 330, 17}, "Direct input");
    Label3 = new ui::Label(this, "Label3", {40, 134, 0, 0}, "bcal [mm]");
    Edit1 = new ui::Edit(this, "Edit1", {120, 130, 70, 21});
    Label4 = new ui::Label(this, "Label4", {210, 134, 0, 0}, "(For nominal load)");
    Edit2 = new ui::Edit(this, "Edit2", {330, 130, 70, 21});
    Edit1->SetReadOnly(true);
    Edit2->SetReadOnly(true);
    FollowData(CheckBox5, [] { return G.KHbetaMethod == "ISO_C"; }, &G.ControlPressed6);
    FollowData(CheckBox4, [] { return false; });
    FollowData(CheckBox2, [] { return G.KHbetaMethod == "bcal"; }, &G.ControlPressed4);
    FollowData(CheckBox3, [] { return G.KHbetaMethod == "primo"; }, &G.ControlPressed5);
    Button1 = new ui::Button(this, "Button1", {110, 200, 89, 25}, "&Ok");
    Button1->ModalResult = ui::mrOk;
    Button3 = new ui::Button(this, "Button3", {230, 200, 89, 25}, "&Help");
    Button3->OnClick = [] {
        G.ControlPressed3 = false;
        if (!ui::Help(kHelpFile, ui::HELP_CONTEXT, 71)) ui::ShowMessage("chyba");
    };
    OnCreate = [this] {
        G.ControlPressed3 = G.ControlPressed4 = G.ControlPressed5 = G.ControlPressed6 = false;
        Edit2->SetText(rt::Str(G.KHbeta, 5, 3));
        Label3->Hide();
        Edit1->Hide();
        Edit1->SetText("");
        Label2->SetCaption("");
    };
    OnActivate = [this] { FormActivate(); };
    OnKeyUp = [](ui::Word& key, ui::ShiftState) { HelpKeyUp(key, 71); };
}

void TKHbeta_F::PreviewKHbetaMouseDown(const ui::Message& msg) {
    if (msg.Msg != ui::WM_LBUTTONDOWN) return;
    if (msg.Target == Button3) G.ControlPressed3 = true;
    else if (msg.Target == CheckBox2) G.ControlPressed4 = true;
    else if (msg.Target == CheckBox3) G.ControlPressed5 = true;
    else if (msg.Target == CheckBox5) G.ControlPressed6 = true;
}

// Opening the window makes the service-life results and the shown equivalent values out of
// date; the check boxes and the factor show the data.
void TKHbeta_F::FormActivate() {
    G.LifeValid = false;
    G.EquivalentStressesCurrent = false;
    CheckBox5->SetChecked(G.KHbetaMethod == "ISO_C");
    CheckBox2->SetChecked(G.KHbetaMethod == "bcal");
    CheckBox3->SetChecked(G.KHbetaMethod == "primo");
    const bool bcal = G.KHbetaMethod == "bcal";
    Label3->SetVisible(bcal);
    Edit1->SetVisible(bcal);
    Edit1->SetText(bcal ? rt::Str(G.bcal, 5, 3) : "");
    const bool perLevel = G.KHbetaMethod == "ISO_C" && G.LoadInputMethod > 1;
    Edit2->SetText(perLevel ? "" : rt::Str(G.KHbeta, 5, 3));
    Label4->SetVisible(!perLevel);
}

}  // namespace karvelo
