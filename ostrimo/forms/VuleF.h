// Unit VuleF: "Methods of backlash creating", opened modally by the main dialog's backlash
// field.  The normal backlash jn is made by thinning the teeth (of both gears, of the
// pinion or of the wheel, by a widened cutter or by regrinding the involute), by an extra
// AMC that reduces the sum at a constant centre distance, or by shifting the wheels apart
// at constant AMCs.  The dialog keeps the main dialog's computing-input fields in step
// with the chosen method (PagesDlg; without it, only the case changes).  Its validators
// skip every check while SkipBacklashChecks or SkipBacklashChecksCancel is set.
#pragma once

#include "ui/Forms.h"

namespace ostrimo {

class TVuleF : public ui::Form {
public:
    TVuleF();

    ui::RadioButton* RadioButton1;  // "Direct input of backlash"
    ui::RadioButton* RadioButton2;  // "Backlash by extra AMC   (a  const.)"
    ui::RadioButton* RadioButton3;  // "Backlash by wheels shifting   (x   konst.)"
    ui::Label* Label3;              // "a" of Edit1 (rack mate under shifting: "Shift")
    ui::Label* Label5;              // its index "w"
    ui::Edit* Edit1;                // working centre distance with backlash, awBacklash
    ui::Label* Label12;             // "[mm]" of Edit1
    ui::Label* Label1;              // "x" of Edit2
    ui::Label* Label2;              // its index: Σ, or "1" with a rack mate
    ui::Edit* Edit2;                // AMC sum, xsum or xsumBacklash
    ui::Label* Label9;              // "j"
    ui::Label* Label10;             // "n"
    ui::Edit* Edit3;                // normal backlash jn
    ui::Label* Label11;             // "[mm]"
    ui::Label* Label4;              // "a   without backlash ="
    ui::Label* Label7;              // its index "w"
    ui::Label* Label6;              // awZeroBacklash
    ui::Label* Label8;              // "[mm]"
    ui::GroupBox* GroupBox1;        // "Direct input"
    ui::RadioButton* RadioButton4;  // "To weaken both wheels same"
    ui::RadioButton* RadioButton5;  // "To weaken only pinion"
    ui::RadioButton* RadioButton6;  // "To weaken only wheel"
    ui::GroupBox* GroupBox2;        // "Technology"
    ui::RadioButton* RadioButton7;  // "To widen a cutter (including a chamfer and a protuberance)"
    ui::RadioButton* RadioButton8;  // "To weaken by regrinding of an involute"
    ui::Image* Image1;              // the widened cutter
    ui::Image* Image2;              // the reground involute
    ui::Button* Button1;            // "Esc"
    ui::Button* Button2;            // "Help"
    ui::Button* Button3;            // "Ok"

    void FormCreate();
    void FormShow();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void RadioButton6Click();
    void RadioButton7Click();
    void RadioButton8Click();
    void Edit1Exit();
    void Edit2Exit();
    void Edit3Exit();
    void Edit1KeyPress(ui::Edit* field, ui::KeyChar& key);
    void FormKeyUp(ui::Word& key);
    void Button1Click();
    void Button2Click();
    void Button3Click();

    // jn and alfawtBacklash from the centre distance awBacklash (wheel shifting; for a
    // rack mate awBacklash is the rack's shift).
    void ComputeBacklashFromCentreDistance();
    // awBacklash and alfawtBacklash from jn.
    void ComputeCentreDistanceFromBacklash();
    // awZeroBacklash: the centre distance of zero backlash for the AMC sum.
    void ComputeZeroBacklashCentreDistance(double sum);
    // No backlash: jn, the thinning and the extra AMC cleared, xsum, x1, x2 and aw back
    // to the values kept before the backlash was entered.
    void ResetBacklashToZero();

    // The radios and the layout of the stored method, thinning and technology, without
    // running the radios' handlers (after a data file was read, the stored values hold).
    void ShowStoredMethod();

private:
    void ShowMethodLayout();
    void ApplyRightAngleRule();
    void ShowWorkingAngle(double alfawt);
    bool Bypassed() const;
    void Refuse(const char* message, ui::Edit* field);
    bool RefuseBacklash(ui::Edit* field);
    // Runs a field's validator; a value it refuses is not kept.
    void ValidateAsOneStep(void (TVuleF::*validator)());

    bool silent_ = false;   // the radios are being set from the stored method
    bool refused_ = false;  // the field's value was refused
};

extern TVuleF* VuleF;

}  // namespace ostrimo
