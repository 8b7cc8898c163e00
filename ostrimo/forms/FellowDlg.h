// Unit FellowDlg: the shaper (Fellow) cutter of an internal wheel, "Fellow Cutter", shown
// without a modal loop.  It edits the cutter's number of teeth, addendum modification
// coefficient and root and tip rounding factors, and shows what follows from them: the
// pressure angle and diameter at the cutter's limit point, its tip diameter and tooth
// thickness on the tip, and the height of the tip rounding.  After an accepted change it
// runs the geometry check again while the results window is shown.  The validators do
// nothing while SkipFellowChecksHelp or SkipFellowChecksCancel is set.
//
// Other windows it calls: the main dialog (PagesDlg) shows the cutter's angles and the
// wheel's root rounding, and on OK applies the computing input and recomputes the pair;
// the results window (CelniDlg) is repainted or hidden.  An absent one is passed over.
#pragma once

#include <string>

#include "ui/Forms.h"

namespace ostrimo {

class TFellowDlg : public ui::Form {
public:
    TFellowDlg();

    ui::Edit* Edit1;          // teeth number z0
    ui::Edit* Edit2;          // addendum modification coefficient x0
    ui::Edit* Edit3;          // root rounding radius factor rof0
    ui::Edit* Edit4;          // tip rounding radius factor roa0
    ui::Label* Label13;       // "Angle"
    ui::Label* Label14;       // the pressure angle at the cutter's limit point
    ui::Label* Label19;       // "[°] "
    ui::Label* Label7;        // limit-point diameter dF0
    ui::Label* Label25;       // tip diameter da0
    ui::Label* Label30;       // tooth thickness on the tip sa0
    ui::Label* Label35;       // height of the tip rounding
    ui::CheckBox* CheckBox1;  // "Max. operating height of the tool tooth"
    ui::CheckBox* CheckBox2;  // "Fully rounded tip"
    ui::Button* OKBtn;        // "&OK"
    ui::Button* CancelBtn;    // "&Back"
    ui::Button* Help;         // "&Help"

    bool FellowOkInProgress = false;  // OK validates: no defect warnings

    void FormShow();
    void FieldExit(ui::Edit* field);
    void FormKeyPress(ui::KeyChar& key);
    void CheckBox1Click();
    void CheckBox2Click();
    void OKBtnClick();
    void CancelBtnClick();
    void HelpClick();
    void FormKeyUp(ui::Word& key);

    // The validators; true when the value was accepted (or left unchanged).
    bool ValidateFellowTeethNumber();
    bool ValidateFellowAmc();
    bool ValidateFellowRootRounding();
    bool ValidateFellowTipRounding();

    // The geometry check after a cutter change: on an error the main dialog's field of
    // the focus code gets the focus and the results window is hidden.  True without error.
    bool RecomputeAfterCutterChange();
    // The cutter's dimensions: the calculation core's, with the wheel's profile factor and
    // the tooth thickness on the tip.
    void ComputeFellowCutterGeometry();
    void ShowFellowCutterValues();
    void WarnFellowCutterDefects();

    // The four fields from the global data.
    void ShowInputs();
    // The option boxes of the stored cutter, without their handlers (after a data file
    // was read, the stored values hold).
    void ShowStoredOptions();

private:
    // The text the dialog writes for the stored value of one of its four fields.
    std::string ShownText(const ui::Edit* field);
    bool ValidateField(ui::Edit* field);
    bool ValidateTypedValue(ui::Edit* field);
    void RefreshResults();
    bool ChangeAccepted();
    bool Refuse(const std::string& message, ui::Edit* field);

    bool silent_ = false;
};

extern TFellowDlg* FellowDlg;

}  // namespace ostrimo
