#include "karvelo/forms/PresnostF.h"

#include "karvelo/calc/Global.h"
#include "runtime/NumText.h"

namespace karvelo {

TPresnost_F* Presnost_F = nullptr;

namespace {
// An actual deviation of 0 is not given: its field stays empty.
std::string Actual(double x) { return x == 0 ? std::string() : rt::Str(x, 2, 1); }
}  // namespace

TPresnost_F::TPresnost_F() : Form("Presnost_F") {
    SetCaption("Gears accuracy grades and deviations");
    SetClientSize(460, 180);
    BorderIcons = 0;
    KeyPreview = true;
    fields_ = std::make_unique<FieldColumn>(this, 12, 12, 4, std::vector<FieldColumn::Field>{
        {1, "IT1", [] { return rt::Str(static_cast<long long>(G.IT1)); }},
        {3, "fpr1act [um]", [] { return Actual(G.fpr1act); }},
        {5, "fHbeta1act [um]", [] { return Actual(G.fHbeta1act); }},
        {7, "ffalfa1act [um]", [] { return Actual(G.ffalfa1act); }},
        {2, "IT2", [] { return rt::Str(static_cast<long long>(G.IT2)); }},
        {4, "fpr2act [um]", [] { return Actual(G.fpr2act); }},
        {6, "fHbeta2act [um]", [] { return Actual(G.fHbeta2act); }},
        {8, "ffalfa2act [um]", [] { return Actual(G.ffalfa2act); }},
    });
    ShowHelixRow(false);
    Button1 = new ui::Button(this, "Button1", {186, 130, 89, 25}, "&Ok");
    Button1->ModalResult = ui::mrOk;
    OnPaint = [this] { FormPaint(); };
    OnKeyUp = [](ui::Word& key, ui::ShiftState) { HelpKeyUp(key, 61); };
}

void TPresnost_F::ShowHelixRow(bool visible) {
    for (int n : {5, 6}) {
        EditField(n)->SetVisible(visible);
        if (auto* label = FindControl("FieldLabel" + std::to_string(n))) label->SetVisible(visible);
    }
}

void TPresnost_F::FocusField(int number) {
    if (number == 5 || number == 6) ShowHelixRow(true);
    if (ui::Edit* edit = EditField(number)) SetActiveControl(edit);
}

// The helix deviations matter only to KHbeta by method C.
void TPresnost_F::FormPaint() {
    G.LifeValid = false;
    G.EquivalentStressesCurrent = false;
    fields_->Fill();
    ShowHelixRow(G.KHbetaMethod == "ISO_C");
}

}  // namespace karvelo
