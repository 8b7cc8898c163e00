// The main dialog's Test dimensions and Identification pages: their fields and the labels
// the Inputs page writes when the mate changes between a wheel and a rack.  The pages'
// validators, computations, pictures and the identification groups' choice of the
// unknown belong to the pages' own work (TabSheet2Show, RunPageFieldValidator).
#include "ostrimo/forms/Celni.h"

namespace ostrimo {

namespace {

ui::Label* NewLabel(ui::Container* parent, const char* name, int x, int y, const std::string& caption) {
    return new ui::Label(parent, name, {x, y, 0, 0}, caption);
}

// A caption with its index written small after it; the index carries no name of its own
// unless the caller keeps it.
ui::Label* NewCaption(ui::Container* parent, const std::string& name, int x, int y, const std::string& caption,
                      const std::string& index, bool symbol = false) {
    auto* l = new ui::Label(parent, name, {x, y, 0, 0}, caption);
    if (symbol) l->SetFontName("Symbol");
    if (!index.empty()) {
        auto* i = new ui::Label(parent, name + "i", {l->Left() + l->Width(), y + 5, 0, 0}, index);
        i->SetFontPixels(9);
    }
    return l;
}

ui::Edit* NewEdit(ui::Container* parent, const char* name, int x, int y, int width = 80) {
    return new ui::Edit(parent, name, {x, y, width, 21});
}

// A computed result: shown, not typed.
void MakeResultField(ui::Edit* e) {
    e->SetReadOnly(true);
    e->SetTabStop(false);
}

}  // namespace

void TPagesDlg::CreateTestDimensionsPage() {
    ui::TabSheet* page = TabSheet2;
    Label89 = NewLabel(page, "Label89", 130, 3, "Pinion");
    Label90 = NewLabel(page, "Label90", 452, 3, "Wheel");
    for (ui::Label* l : {Label89, Label90}) l->SetFontStyle(ui::fsBold);

    GroupBox6 = new ui::GroupBox(page, "GroupBox6", {6, 20, 643, 90}, "Chordal tooth thickness");
    ui::GroupBox* g = GroupBox6;
    RadioButton6 = new ui::RadioButton(g, "RadioButton6", {8, 18, 160, 17}, "Constant chord");
    RadioButton7 = new ui::RadioButton(g, "RadioButton7", {8, 40, 160, 17}, "On the reference cylinder");
    RadioButton8 = new ui::RadioButton(g, "RadioButton8", {8, 62, 160, 17}, "Choose chord or height");
    RadioButton6->SetChecked(true);
    NewCaption(g, "Label93", 176, 22, "s", "c1");
    Edit22 = NewEdit(g, "Edit22", 200, 18);
    NewCaption(g, "Label94", 176, 50, "h", "c1");
    Edit23 = NewEdit(g, "Edit23", 200, 46);
    Panel3 = new ui::Panel(g, "Panel3", {326, 12, 170, 72});
    Panel3->SetBevelOuter(ui::BevelCut::None);
    RadioButton9 = new ui::RadioButton(Panel3, "RadioButton9", {4, 6, 160, 17}, "Constant chord");
    RadioButton10 = new ui::RadioButton(Panel3, "RadioButton10", {4, 28, 160, 17}, "On the reference cylinder");
    RadioButton11 = new ui::RadioButton(Panel3, "RadioButton11", {4, 50, 160, 17}, "Choose chord or height");
    RadioButton9->SetChecked(true);
    NewCaption(g, "Label95", 522, 22, "s", "c2");
    Edit24 = NewEdit(g, "Edit24", 548, 18);
    NewCaption(g, "Label96", 522, 50, "h", "c2");
    Edit25 = NewEdit(g, "Edit25", 548, 46);

    GroupBox7 = new ui::GroupBox(page, "GroupBox7", {6, 114, 643, 132}, "Span measurement");
    g = GroupBox7;
    NewCaption(g, "Label97", 8, 22, "Measured number of teeth  z", "w1");
    Edit26 = NewEdit(g, "Edit26", 200, 18, 40);
    NewCaption(g, "Label98", 8, 46, "Span  W", "1");
    Edit27 = NewEdit(g, "Edit27", 200, 42);
    Label91 = NewLabel(g, "Label91", 8, 68, "");
    Label107 = NewCaption(g, "Label107", 8, 88, "Measuring diameter  d", "M1");
    Label111 = NewLabel(g, "Label111", 160, 88, "");
    Label101 = NewLabel(g, "Label101", 8, 108, "Min. facewidth  b");  // the index follows the b
    Label103 = new ui::Label(g, "Label103", {Label101->Left() + Label101->Width(), 113, 0, 0}, "min");
    Label101->SetCaption("Min. facewidth  b        =");
    Label103->SetFontPixels(9);
    Label105 = NewLabel(g, "Label105", 160, 108, "");
    NewCaption(g, "Label99", 330, 22, "Measured number of teeth  z", "w2");
    Edit28 = NewEdit(g, "Edit28", 522, 18, 40);
    NewCaption(g, "Label100", 330, 46, "Span  W", "2");
    Edit29 = NewEdit(g, "Edit29", 522, 42);
    Label92 = NewLabel(g, "Label92", 330, 68, "");
    Label108 = NewCaption(g, "Label108", 330, 88, "Measuring diameter  d", "M2");
    Label112 = NewLabel(g, "Label112", 482, 88, "");
    Label102 = NewLabel(g, "Label102", 330, 108, "Min. facewidth  b");  // the index follows the b
    Label104 = new ui::Label(g, "Label104", {Label102->Left() + Label102->Width(), 113, 0, 0}, "min");
    Label102->SetCaption("Min. facewidth  b        =");
    Label104->SetFontPixels(9);
    Label106 = NewLabel(g, "Label106", 482, 108, "");

    GroupBox8 = new ui::GroupBox(page, "GroupBox8", {6, 250, 643, 112}, "Measurement over balls (pins)");
    g = GroupBox8;
    NewCaption(g, "Label113", 8, 22, "Ball diameter  d", "t1");
    Edit30 = NewEdit(g, "Edit30", 200, 18);
    NewCaption(g, "Label114", 8, 48, "Dimension over balls  M", "1");
    Edit31 = NewEdit(g, "Edit31", 200, 44);
    NewCaption(g, "Label115", 8, 74, "Contact diameter  d", "M1");
    Edit34 = NewEdit(g, "Edit34", 200, 70);
    NewCaption(g, "Label116", 330, 22, "Ball diameter  d", "t2");
    Edit32 = NewEdit(g, "Edit32", 522, 18);
    NewCaption(g, "Label117", 330, 48, "Dimension over balls  M", "2");
    Edit33 = NewEdit(g, "Edit33", 522, 44);
    NewCaption(g, "Label118", 330, 74, "Contact diameter  d", "M2");
    Edit35 = NewEdit(g, "Edit35", 522, 70);
    for (ui::Edit* e : {Edit27, Edit29, Edit31, Edit33}) MakeResultField(e);
}

void TPagesDlg::CreateIdentificationPage() {
    ui::TabSheet* page = TabSheet3;
    GroupBox9 = new ui::GroupBox(page, "GroupBox9", {6, 4, 212, 380}, "Constant chord");
    GroupBox10 = new ui::GroupBox(page, "GroupBox10", {222, 4, 212, 380}, "Span");
    GroupBox11 = new ui::GroupBox(page, "GroupBox11", {438, 4, 212, 380}, "Dimension over balls");
    ui::GroupBox* groups[] = {GroupBox9, GroupBox10, GroupBox11};
    ui::Label** measuredFor[] = {&Label174, &Label175, &Label176};
    ui::Label** wheelTeeth[] = {&Label177, &Label178, &Label179};
    for (int i = 0; i < 3; ++i) {
        *measuredFor[i] = NewLabel(groups[i], ("Label" + std::to_string(174 + i)).c_str(), 8, 20, "Measured for wheel z =");
        *wheelTeeth[i] = NewLabel(groups[i], ("Label" + std::to_string(177 + i)).c_str(), 150, 20, "");
        NewLabel(groups[i], ("Label" + std::to_string(190 + i)).c_str(), 8, 64, "Measured :");
        NewLabel(groups[i], ("Label" + std::to_string(193 + i)).c_str(), 8, 144, "Estimated :");
    }
    Label180 = NewLabel(GroupBox9, "Label180", 8, 40, "d   =");
    Label182 = new ui::Label(GroupBox9, "Label182", {15, 45, 0, 0}, "a");
    Label182->SetFontPixels(9);
    Label181 = NewLabel(GroupBox9, "Label181", 50, 40, "");

    // measured values
    NewCaption(GroupBox9, "Label196", 16, 88, "s", "c");
    Edit36 = NewEdit(GroupBox9, "Edit36", 48, 84);
    NewCaption(GroupBox9, "Label197", 16, 114, "h", "c");
    Edit37 = NewEdit(GroupBox9, "Edit37", 48, 110);
    NewCaption(GroupBox10, "Label198", 16, 88, "z", "w");
    Edit38 = NewEdit(GroupBox10, "Edit38", 48, 84);
    NewCaption(GroupBox10, "Label199", 16, 114, "W", "");
    Edit39 = NewEdit(GroupBox10, "Edit39", 48, 110);
    NewCaption(GroupBox11, "Label200", 16, 88, "d", "t");
    Edit40 = NewEdit(GroupBox11, "Edit40", 48, 84);
    NewCaption(GroupBox11, "Label201", 16, 114, "M", "");
    Edit41 = NewEdit(GroupBox11, "Edit41", 48, 110);

    // estimates: module, flank angle, helix angle, AMC; the choice of the unknown beside them
    ui::Edit** estimates[3][4] = {{&Edit42, &Edit43, &Edit44, &Edit45},
                                  {&Edit46, &Edit47, &Edit48, &Edit49},
                                  {&Edit50, &Edit51, &Edit52, &Edit53}};
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(202 + 4 * i);
        NewCaption(groups[i], "Label" + n, 16, 172, "m", "n");
        NewCaption(groups[i], "Label" + std::to_string(203 + 4 * i), 16, 198, "a", "P", true);
        NewCaption(groups[i], "Label" + std::to_string(204 + 4 * i), 16, 224, "b", "", true);
        NewCaption(groups[i], "Label" + std::to_string(205 + 4 * i), 16, 250, "x", "");
        for (int k = 0; k < 4; ++k) {
            const int number = 42 + 4 * i + k;
            *estimates[i][k] = NewEdit(groups[i], ("Edit" + std::to_string(number)).c_str(), 48, 168 + 26 * k, 96);
        }
    }

    // further results of the span group's flank angle
    Label183 = NewLabel(GroupBox10, "Label183", 8, 290, "2. result       =  ");
    Label184 = new ui::Label(GroupBox10, "Label184", {70, 290, 0, 0}, "a");
    Label184->SetFontName("Symbol");
    Label185 = new ui::Label(GroupBox10, "Label185", {78, 295, 0, 0}, "P");
    Label185->SetFontPixels(9);
    Label186 = new ui::Label(GroupBox10, "Label186", {70, 312, 0, 0}, "a");
    Label186->SetFontName("Symbol");
    Label187 = new ui::Label(GroupBox10, "Label187", {78, 317, 0, 0}, "P");
    Label187->SetFontPixels(9);
    Label188 = NewLabel(GroupBox10, "Label188", 8, 312, "3. result       =  ");
}

void TPagesDlg::TabSheet2Show() {}

void TPagesDlg::RunPageFieldValidator(ui::Control*) {}

}  // namespace ostrimo
