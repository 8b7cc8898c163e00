#include "karvelo/forms/PresnostF.h"

#include <string>

#include "karvelo/calc/Global.h"
#include "runtime/NumText.h"

namespace karvelo {

TPresnost_F* Presnost_F = nullptr;

namespace {

// An actual deviation, the deviation in use and the flag that says the grade decides it.
struct Deviation {
    double GlobalData::*actual;
    double GlobalData::*used;
    bool GlobalData::*fromGrade;
};
// Fields 3..8: pitch, helix slope and profile form deviation of pinion and wheel.
constexpr Deviation kDeviations[6] = {
    {&GlobalData::fpr1act, &GlobalData::fp1, &GlobalData::fpr1Measured},
    {&GlobalData::fpr2act, &GlobalData::fp2, &GlobalData::fpr2Measured},
    {&GlobalData::fHbeta1act, &GlobalData::fHbeta1, &GlobalData::fHbeta1Measured},
    {&GlobalData::fHbeta2act, &GlobalData::fHbeta2, &GlobalData::fHbeta2Measured},
    {&GlobalData::ffalfa1act, &GlobalData::ffalfa1, &GlobalData::ffalfa1Measured},
    {&GlobalData::ffalfa2act, &GlobalData::ffalfa2, &GlobalData::ffalfa2Measured},
};
bool IsHelix(int n) { return n == 5 || n == 6; }
bool IsProfile(int n) { return n == 7 || n == 8; }

constexpr const char* kRowSymbols[3] = {"fp  [µm]", "fHβ [µm]", "ffα [µm]"};
constexpr int kRowTop = 44, kRowStep = 28;
constexpr ui::Color kGearColour[2] = {ui::clBlue, ui::clGreen};

}  // namespace

TPresnost_F::TPresnost_F() : InputWindow("Presnost_F") {
    SetCaption("Gears accuracy grades and deviations");
    SetClientSize(492, 292);
    Position = ui::Position::BesideOwner;
    BorderStyle = ui::BorderStyle::Single;
    BorderIcons = 0;
    KeyPreview = true;

    auto* grades = new ui::Label(this, "Label1", {16, 17}, "Accuracy grades");
    grades->SetFontStyle(ui::fsBold);
    auto* it1 = new ui::Label(this, "Label2", {140, 17}, "IT1");
    it1->SetFontColor(ui::clBlue);
    AddField(1, this, {166, 13, 36, 21}, [this] { CheckInputIT1(); });
    auto* it2 = new ui::Label(this, "Label9", {236, 17}, "IT2");
    it2->SetFontColor(ui::clGreen);
    AddField(2, this, {262, 13, 36, 21}, [this] { CheckInputIT2(); });

    GroupBox1 = new ui::GroupBox(this, "GroupBox1", {12, 48, 276, 132}, "Allowable deviations ");
    GroupBox2 = new ui::GroupBox(this, "GroupBox2", {300, 48, 180, 132}, "Actual deviations - act");
    for (int gear = 0; gear < 2; ++gear) {
        const char* name = gear == 0 ? "pinion" : "wheel";
        auto* h1 = new ui::Label(GroupBox1, "Label" + std::to_string(30 + gear), {84 + gear * 96, 22}, name);
        auto* h2 = new ui::Label(GroupBox2, "Label" + std::to_string(32 + gear), {16 + gear * 80, 22}, name);
        h1->SetFontColor(kGearColour[gear]);
        h2->SetFontColor(kGearColour[gear]);
    }
    void (TPresnost_F::*const validators[6])() = {
        &TPresnost_F::CheckInputFp1Act,     &TPresnost_F::CheckInputFp2Act,     &TPresnost_F::CheckInputFHbeta1Act,
        &TPresnost_F::CheckInputFHbeta2Act, &TPresnost_F::CheckInputFfalfa1Act, &TPresnost_F::CheckInputFfalfa2Act,
    };
    for (int row = 0; row < 3; ++row) {
        const int top = kRowTop + row * kRowStep;
        rowLabels_[row] = new ui::Label(GroupBox1, "Label" + std::to_string(34 + row), {10, top + 4}, kRowSymbols[row]);
        for (int gear = 0; gear < 2; ++gear) {
            const int n = 3 + 2 * row + gear;
            auto* used = new ui::Label(GroupBox1, "Label1" + std::to_string(n), {84 + gear * 96, top + 4, 34, 16});
            used->SetAlignment(ui::Alignment::Right);
            used->SetFontColor(kGearColour[gear]);
            auto* status = new ui::Label(GroupBox1, "Label2" + std::to_string(n), {122 + gear * 96, top + 4, 56, 16});
            status->SetFontColor(ui::clRed);
            used_[n - 3] = used;
            status_[n - 3] = status;
            AddField(n, GroupBox2, {16 + gear * 80, top, 60, 21},
                     [this, check = validators[n - 3]] { (this->*check)(); });
        }
    }
    new ui::Label(this, "Label40", {16, 190}, "Allowable deviations by ISO 1328-1 (2013)");
    new ui::Label(this, "Label41", {16, 210}, "For out of range allowable deviations");
    new ui::Label(this, "Label42", {16, 226}, "enter them as actual (measured) ones");

    Button1 = new ui::Button(this, "Button1", {60, 254, 89, 25}, "&Ok");
    Button2 = new ui::Button(this, "Button2", {201, 254, 89, 25}, "&Reset");
    Button3 = new ui::Button(this, "Button3", {342, 254, 89, 25}, "&Help");
    Button1->ModalResult = ui::mrOk;
    Button3->SetEnabled(false);
    Button2->OnClick = [this] { Button2Click(); };
    Button3->OnClick = [this] { Button3Click(); };
    OnCreate = [this] { FormCreate(); };
    OnPaint = [this] { FormPaint(); };
    // Esc closes it from any field: what was taken is in force already.
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) {
        HelpKeyUp(key, 61);
        if (key == ui::VK_ESCAPE) ModalResult = ui::mrCancel;
    };
    ShowHelixRow(false);
}

void TPresnost_F::FormCreate() { ComputeAllowableDeviations(); }

void TPresnost_F::ShowHelixRow(bool visible) {
    rowLabels_[1]->SetVisible(visible);
    for (int n : {5, 6}) {
        Field(n)->SetVisible(visible);
        UsedLabel(n)->SetVisible(visible);
        StatusLabel(n)->SetVisible(visible);
    }
}

void TPresnost_F::FocusField(int number) {
    if (IsHelix(number)) ShowHelixRow(true);
    InputWindow::FocusField(number);
}

void TPresnost_F::AfterCheck(int, FieldEvent) { Repaint(); }

// Each field shows the stored value; a deviation shows either its actual value (then "measured")
// or the allowable one of its grade.
void TPresnost_F::FormPaint() {
    G.LifeValid = false;
    G.EquivalentStressesCurrent = false;
    FillField(1, rt::Str(static_cast<long long>(G.IT1)));
    FillField(2, rt::Str(static_cast<long long>(G.IT2)));
    for (int n = 3; n <= 8; ++n) {
        const Deviation& d = kDeviations[n - 3];
        const double actual = G.*d.actual;
        FillField(n, rt::Str(actual, 2, 1));
        UsedLabel(n)->SetCaption(rt::Str(G.*d.used, 2, 1));
        // A negative helix deviation counts as not given here, though it is used.
        const bool given = IsHelix(n) ? actual > 0 : actual != 0;
        if (given)
            UsedLabel(n)->SetCaption("");
        else
            FillField(n, "");
        const bool measured = !(G.*d.fromGrade);
        if (measured) UsedLabel(n)->SetCaption("");
        StatusLabel(n)->SetCaption(measured ? "measured" : "");
    }
    ShowHelixRow(G.KHbetaMethod == "ISO_C");
}

void TPresnost_F::Button2Click() {
    for (const Deviation& d : kDeviations) {
        G.*d.fromGrade = true;
        G.*d.actual = 0;
    }
    ComputeAllowableDeviations();
    Repaint();
}

void TPresnost_F::Button3Click() { ShowHelpTopic(61); }

// ---- validators

void TPresnost_F::CheckGrade(std::int16_t& grade) {
    if (!ReadNumber(grade) || grade < 1 || grade > 11) return Refuse("Accuracy grade use from 1 to 11");
    ComputeAllowableDeviations();
}

void TPresnost_F::CheckInputIT1() { CheckGrade(G.IT1); }
void TPresnost_F::CheckInputIT2() { CheckGrade(G.IT2); }

// An actual value other than 0 replaces the allowable deviation; 0 (or an empty field) gives the
// deviation back to the grade and sends the user on to Ok.
void TPresnost_F::CheckActualDeviation(int n) {
    const Deviation& d = kDeviations[n - 3];
    double& actual = G.*d.actual;
    const std::string error =
        IsProfile(n) ? "Deviation ffalfa" + std::to_string(n - 6) + "_act must be positive" : "Input error";
    if (FieldText().empty())
        actual = 0;
    else if (!ReadNumber(actual))
        return Refuse(error);
    if (IsProfile(n) && actual < 0) return Refuse(error);
    G.*d.fromGrade = false;
    G.*d.used = actual;
    if (actual != 0) return;
    G.*d.fromGrade = true;
    ComputeAllowableDeviations();
    Repaint();
    SetActiveControl(Button1);
}

void TPresnost_F::CheckInputFp1Act() { CheckActualDeviation(3); }
void TPresnost_F::CheckInputFp2Act() { CheckActualDeviation(4); }
void TPresnost_F::CheckInputFHbeta1Act() { CheckActualDeviation(5); }
void TPresnost_F::CheckInputFHbeta2Act() { CheckActualDeviation(6); }
void TPresnost_F::CheckInputFfalfa1Act() { CheckActualDeviation(7); }
void TPresnost_F::CheckInputFfalfa2Act() { CheckActualDeviation(8); }

}  // namespace karvelo
