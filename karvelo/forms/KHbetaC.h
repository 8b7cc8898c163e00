// Unit KHbetaC: the inputs of KHbeta by method C, caption "KHbeta_C  -  ISO 6336-2  pgs. 45-62".
// The user chooses the variant of the calculation, the position of the contact, the shaft
// arrangement and the helix modification (each group of check boxes is one choice), and enters
// the pinion offset and bearing span, the shaft diameter, the modification amount and, in the
// third variant, the deformation components.  Every change recomputes KHbeta at once and shows it.
#pragma once

#include <array>
#include <span>
#include <string>

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TKHbeta_C : public InputWindow {
public:
    TKHbeta_C();

    // Fields: Edit1 s1, Edit2 l1, Edit3 dsh1, Edit4 the modification amount (cbeta, or cI for end
    // relief), Edit5 bred, Edit6..Edit10 fsh, fma, fsh2, fca, fbe.
    ui::Edit* EditField(int number) const { return Field(number); }
    ui::Label* FieldLabel(int number) const { return labels_.at(number - 1); }

    ui::RadioButton* RadioButton1;  // variant "a"
    ui::RadioButton* RadioButton2;  // variant "b"
    ui::RadioButton* RadioButton3;  // variant "c"
    ui::GroupBox* GroupBox1;        // "Position of a contact": CheckBox1..CheckBox6 "a)".."f)"
    ui::GroupBox* GroupBox2;        // "Arrangenment": CheckBox7..CheckBox11 "a)".."e)"
    ui::GroupBox* GroupBox3;        // "Helix modification": CheckBox12..CheckBox16
    std::array<ui::CheckBox*, 6> Positions{};
    std::array<ui::CheckBox*, 5> Arrangements{};
    std::array<ui::CheckBox*, 5> Modifications{};  // None, Central crowning, End relief, Helix correction, both
    ui::CheckBox* CheckBox20;                      // "Shrink fitted pinion"
    ui::Panel* Panel1;                             // picture of the position of the contact
    ui::Panel* Panel2;                             // picture of the arrangement
    ui::Panel* Panel3;                             // picture of the helix modification
    ui::PaintBox* PaintBox1;
    ui::PaintBox* PaintBox2;
    ui::PaintBox* PaintBox3;
    ui::Label* Label1;    // "K       = " and KHbeta
    ui::Label* Label2;    // the KHbeta symbol
    ui::Label* Label3;    // "(For nominal load)"
    ui::Label* Label4;    // the contact pattern combination
    ui::Button* Button5;  // "&Ok"
    ui::Button* Button6;  // "&Help"
    ui::Button* Button7;  // "&Esc"

    // The pictures shown: position letter, arrangement letter, helix modification number.
    char PositionPicture() const { return positionShown_; }
    char ArrangementPicture() const { return arrangementShown_; }
    int ModificationPicture() const { return modificationShown_; }

    void FormCreate();
    void FormActivate();
    void FormPaint();
    void FormKeyPress(ui::KeyChar& key);
    // Position k (1..6 for "a)".."f)"), arrangement k (1..5), modification box k (1..5) checked.
    void PositionClick(int k);
    void ArrangementClick(int k);
    void ModificationClick(int k);
    void CheckBox1Click() { PositionClick(1); }
    void ChecBox2Click() { PositionClick(2); }
    void CheckBox3Click() { PositionClick(3); }
    void CheckBox4Click() { PositionClick(4); }
    void CheckBox5Click() { PositionClick(5); }
    void CheckBox6Click() { PositionClick(6); }
    void CheckBox7Click() { ArrangementClick(1); }
    void CheckBox8Click() { ArrangementClick(2); }
    void CheckBox9Click() { ArrangementClick(3); }
    void CheckBox10Click() { ArrangementClick(4); }
    void CheckBox11Click() { ArrangementClick(5); }
    void CheckBox12Click() { ModificationClick(1); }
    void CheckBox13Click() { ModificationClick(2); }
    void CheckBox14Click() { ModificationClick(3); }
    void CheckBox15Click() { ModificationClick(4); }
    void CheckBox16Click() { ModificationClick(5); }
    void CheckBox20Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void Button5Click();
    void Button7Click();
    // ComputeKHbeta, then KHbeta and the contact pattern combination shown.
    void ShowKHbetaMethodC();

    void CheckInputS1();
    void CheckInputL1();
    void CheckInputDsh1();
    void CheckInputModification();
    void CheckInputBred();

protected:
    void AfterCheck(int n, FieldEvent how) override;
    // KHbeta follows the values a refused entry gave back.
    void ValuesRestored() override;

private:
    void Recompute();
    void ChooseInGroup(std::span<ui::CheckBox* const> group, ui::CheckBox* chosen);
    void ShowModificationFields();
    void ShowField(int n, bool visible);
    void ApplyShrinkFitRule();
    void SetDefaultAmounts();
    void ShowAmounts();
    void ResetForVariant();
    void CheckRatio();
    void WarnAndGoToOk(const std::string& text);
    bool GivesKHbeta(const std::string& message);
    void CheckDeformation(double& value, bool& entered);
    // Clicks on the window and its groups: the field being edited is checked first.
    void ClickActivate();

    std::array<ui::Label*, 10> labels_{};
    char positionShown_ = 'a';
    char arrangementShown_ = 'a';
    int modificationShown_ = 1;
    bool showingStoredCase_ = false;  // the activation checks the stored choices
    bool computing_ = false;
};

extern TKHbeta_C* KHbeta_C;

// Method C rates KHbeta from the pinion's shaft: a case that holds no shaft data is shown the
// method C window with the values it would use, to enter or accept them.  Whether the case holds
// them then (a request made while the window is asking is refused).
bool TakeShaftData();

}  // namespace karvelo
