// Unit Nastroj: the rack-type tools that cut pinion and wheel, "Nástroje pro výrobu
// pastorku a kola", shown without a modal loop.  Each tool has its addendum and crest
// radius factors, an optional chamfering edge (height factor and edge angle) and an
// optional protuberance (height factor and size, from which its angle follows); one of
// four pictures shows the tool's combination.  OK runs the protuberance undercut of the
// gears whose tool has a protuberance.  The validators do nothing while SkipToolChecks
// is set.
//
// Other windows it calls: the main dialog (PagesDlg) takes the mate's addendum and the
// root radius a tool sets, recomputes the pair, and has its basic-rack fields enabled or
// disabled by the tools' protuberances.  Without it the dialog changes only the case.
#pragma once

#include <array>
#include <vector>

#include "ui/Forms.h"

namespace ostrimo {

class TNastrojDlg : public ui::Form {
public:
    TNastrojDlg();

    ui::GroupBox* GroupBox1;  // "Tool for a pinion"
    ui::Edit* Edit1;          // addendum factor ToolAddendumFactor1
    ui::Edit* Edit2;          // crest radius factor ToolCrestRadiusFactor1
    ui::Edit* Edit3;          // height to the chamfering edge ChamferHeightFactor1
    ui::Edit* Edit4;          // angle of the chamfering edge [deg]
    ui::Edit* Edit5;          // protuberance angle: computed, shown by Label35
    ui::Edit* Edit6;          // height to the protuberance haP01
    ui::Edit* Edit7;          // protuberance size [mm]
    ui::Label* Label1;        // "[ ° ]" of Edit4
    ui::Label* Label35;       // protuberance angle, or "No solution"
    ui::Label* Label21;       // "[ ° ]" of Label35
    ui::CheckBox* CheckBox1;  // "Chamfering edge"
    ui::CheckBox* CheckBox2;  // "Protuberance"
    ui::Image* Image1;        // plain tool
    ui::Image* Image2;        // chamfer
    ui::Image* Image3;        // protuberance
    ui::Image* Image4;        // chamfer and protuberance
    ui::GroupBox* GroupBox2;  // "Tool for a wheel"
    ui::Edit* Edit8;
    ui::Edit* Edit9;
    ui::Edit* Edit10;
    ui::Edit* Edit11;
    ui::Edit* Edit12;
    ui::Edit* Edit13;
    ui::Edit* Edit14;
    ui::Label* Label31;  // "[ ° ]" of Edit11
    ui::Label* Label36;
    ui::Label* Label33;  // "[ ° ]" of Label36
    ui::CheckBox* CheckBox3;
    ui::CheckBox* CheckBox4;
    ui::Image* Image5;
    ui::Image* Image6;
    ui::Image* Image7;
    ui::Image* Image8;
    ui::Button* Button1;  // "Clear"
    ui::Button* OKBtn;    // "OK"

    void FormCreate();
    void FormShow();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    // The validators of Edit1..Edit14 (Edit5 and Edit12 are computed: nothing); true
    // when the value was accepted, or when the field still shows the stored value as the
    // dialog writes it (then nothing changes).  A refused value is not kept.
    bool ValidateToolField(ui::Edit* field);
    void FieldExit(ui::Edit* field);
    void FormKeyPress(ui::KeyChar& key);
    void FormKeyUp(ui::Word& key);
    void Button1Click();
    void OKBtnClick();

    // The protuberance angle of the pinion's (wheel's) tool from its addendum, crest
    // radius, height to the protuberance and protuberance size, shown in Label35
    // (Label36), or "No solution".
    void ComputeProtuberanceAngle1();
    void ComputeProtuberanceAngle2();

    // Both tools with the default data, every option off.
    void SetDefaultTools();
    // The fields, boxes and pictures of the stored tools, without the boxes' handlers
    // (after a data file was read, the stored values hold).
    void ShowStoredTools();

private:
    struct ToolControls {
        std::array<ui::Edit*, 7> edits{};
        ui::CheckBox* chamfer = nullptr;
        ui::CheckBox* protuberance = nullptr;
        ui::Label* angle = nullptr;
        std::array<ui::Image*, 4> pictures{};
        std::vector<ui::Control*> chamferRows, protuberanceRows;
    };
    void CreateTool(ui::GroupBox* g, int tool);
    void OptionClicked(int tool, bool protuberanceBox);
    void ShowOptions(int tool);
    void ShowToolFields(int tool);
    bool ProtuberanceAngleFor(int tool);
    void EnableRackFields();
    void DisableRackFields();
    void MarkRackNonstandard();

    std::array<ToolControls, 3> tools_;  // [1] pinion, [2] wheel
    bool enterValidated_ = false;        // Enter has just validated the focused field
    bool silent_ = false;                // the boxes are being set from the stored tools
};

extern TNastrojDlg* NastrojDlg;

}  // namespace ostrimo
