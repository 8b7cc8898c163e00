// The main dialog's Test dimensions and Identification pages: their controls, the
// pictures of the gearing type, and the Enter key on their fields.
#include "ostrimo/calc/Global.h"
#include "ostrimo/forms/Celni.h"
#include "ostrimo/forms/Labels.h"
#include "ostrimo/forms/TestPictures.h"

namespace ostrimo {

namespace {

// A caption with its index written small after it (the index label is named after the
// caption with an "i").
ui::Label* NewCaption(ui::Container* parent, const std::string& name, int x, int y, const std::string& caption,
                      const std::string& index, bool symbol = false, std::vector<ui::Control*>* keep = nullptr) {
    auto* l = new ui::Label(parent, name, {x, y, 0, 0}, caption);
    if (symbol) l->SetFontName("Symbol");
    if (keep) keep->push_back(l);
    if (!index.empty()) {
        ui::Label* i = NewIndex(parent, name + "i", l, index);
        if (keep) keep->push_back(i);
    }
    return l;
}

ui::Edit* NewEdit(ui::Container* parent, const std::string& name, int x, int y, int width = 70) {
    return new ui::Edit(parent, name, {x, y, width, 21});
}

// A computed result: shown, not typed.
void MakeResultField(ui::Edit* e) {
    e->SetReadOnly(true);
    e->SetTabStop(false);
}

ui::Image* NewPicture(ui::Container* parent, const std::string& name, ui::Bounds b, TestPicture kind, bool internal) {
    auto* image = new ui::Image(parent, name, b);
    image->SetPicture(TestDimensionPicture(kind, internal, b.Width, b.Height));
    image->SetVisible(!internal);
    return image;
}

constexpr int kWheelColumn = 272;  // left edge of the wheel's captions
constexpr int kPinionEdits = 196, kWheelEdits = 462;

}  // namespace

void TPagesDlg::CreateTestDimensionsPage() {
    ui::TabSheet* page = TabSheet2;
    std::vector<ui::Control*>& wheel = wheelTestCaptions_;
    Label89 = new ui::Label(page, "Label89", {110, 3, 0, 0}, "Pinion");
    Label90 = new ui::Label(page, "Label90", {376, 3, 0, 0}, "Wheel");
    for (ui::Label* l : {Label89, Label90}) l->SetFontStyle(ui::fsBold);

    GroupBox6 = new ui::GroupBox(page, "GroupBox6", {6, 20, 643, 90}, "Chordal tooth thickness");
    ui::GroupBox* g = GroupBox6;
    RadioButton6 = new ui::RadioButton(g, "RadioButton6", {8, 18, 160, 17}, "Constant chord");
    RadioButton7 = new ui::RadioButton(g, "RadioButton7", {8, 40, 160, 17}, "On the reference cylinder");
    RadioButton8 = new ui::RadioButton(g, "RadioButton8", {8, 62, 160, 17}, "Choose chord or height");
    RadioButton6->SetChecked(true);
    NewCaption(g, "Label93", 172, 22, "s", "c1");
    Edit22 = NewEdit(g, "Edit22", kPinionEdits, 18);
    NewCaption(g, "Label94", 172, 50, "h", "c1");
    Edit23 = NewEdit(g, "Edit23", kPinionEdits, 46);
    Panel3 = new ui::Panel(g, "Panel3", {kWheelColumn - 4, 12, 166, 72});
    Panel3->SetBevelOuter(ui::BevelCut::None);
    RadioButton9 = new ui::RadioButton(Panel3, "RadioButton9", {4, 6, 160, 17}, "Constant chord");
    RadioButton10 = new ui::RadioButton(Panel3, "RadioButton10", {4, 28, 160, 17}, "On the reference cylinder");
    RadioButton11 = new ui::RadioButton(Panel3, "RadioButton11", {4, 50, 160, 17}, "Choose chord or height");
    RadioButton9->SetChecked(true);
    NewCaption(g, "Label95", 438, 22, "s", "c2");
    Edit24 = NewEdit(g, "Edit24", kWheelEdits, 18);
    NewCaption(g, "Label96", 438, 50, "h", "c2");
    Edit25 = NewEdit(g, "Edit25", kWheelEdits, 46);
    Image1 = NewPicture(g, "Image1", {548, 10, 88, 76}, TestPicture::Chord, false);
    Image4 = NewPicture(g, "Image4", {548, 10, 88, 76}, TestPicture::Chord, true);

    GroupBox7 = new ui::GroupBox(page, "GroupBox7", {6, 114, 643, 132}, "Span measurement");
    g = GroupBox7;
    NewCaption(g, "Label97", 8, 22, "Measured number of teeth  z", "w1");
    Edit26 = NewEdit(g, "Edit26", kPinionEdits, 18, 40);
    NewCaption(g, "Label98", 8, 46, "Span  W", "1");
    Edit27 = NewEdit(g, "Edit27", kPinionEdits, 42);
    Label91 = new ui::Label(g, "Label91", {8, 68, 0, 0}, "");
    Label107 = NewCaption(g, "Label107", 8, 88, "Measuring diameter  d", "M1");
    Label111 = new ui::Label(g, "Label111", {150, 88, 0, 0}, "");
    Label101 = new ui::Label(g, "Label101", {8, 108, 0, 0}, "Min. facewidth  b");  // the index follows the b
    Label103 = NewIndex(g, "Label103", Label101, "min");
    Label101->SetCaption("Min. facewidth  b        =");
    Label105 = new ui::Label(g, "Label105", {150, 108, 0, 0}, "");
    NewCaption(g, "Label99", kWheelColumn, 22, "Measured number of teeth  z", "w2", false, &wheel);
    Edit28 = NewEdit(g, "Edit28", kWheelEdits, 18, 40);
    NewCaption(g, "Label100", kWheelColumn, 46, "Span  W", "2", false, &wheel);
    Edit29 = NewEdit(g, "Edit29", kWheelEdits, 42);
    Label92 = new ui::Label(g, "Label92", {kWheelColumn, 68, 0, 0}, "");
    wheel.push_back(Label92);
    Label108 = NewCaption(g, "Label108", kWheelColumn, 88, "Measuring diameter  d", "M2", false, &wheel);
    Label112 = new ui::Label(g, "Label112", {kWheelColumn + 142, 88, 0, 0}, "");
    Label102 = new ui::Label(g, "Label102", {kWheelColumn, 108, 0, 0}, "Min. facewidth  b");
    Label104 = NewIndex(g, "Label104", Label102, "min");
    Label102->SetCaption("Min. facewidth  b        =");
    Label106 = new ui::Label(g, "Label106", {kWheelColumn + 142, 108, 0, 0}, "");
    Image2 = NewPicture(g, "Image2", {548, 12, 88, 112}, TestPicture::Span, false);
    Image5 = NewPicture(g, "Image5", {548, 12, 88, 112}, TestPicture::Span, true);

    GroupBox8 = new ui::GroupBox(page, "GroupBox8", {6, 250, 643, 112}, "Measurement over balls (pins)");
    g = GroupBox8;
    NewCaption(g, "Label113", 8, 22, "Ball diameter  d", "t1");
    Edit30 = NewEdit(g, "Edit30", kPinionEdits, 18);
    NewCaption(g, "Label114", 8, 48, "Dimension over balls  M", "1");
    Edit31 = NewEdit(g, "Edit31", kPinionEdits, 44);
    NewCaption(g, "Label115", 8, 74, "Contact diameter  d", "M1");
    Edit34 = NewEdit(g, "Edit34", kPinionEdits, 70);
    NewCaption(g, "Label116", kWheelColumn, 22, "Ball diameter  d", "t2", false, &wheel);
    Edit32 = NewEdit(g, "Edit32", kWheelEdits, 18);
    NewCaption(g, "Label117", kWheelColumn, 48, "Dimension over balls  M", "2", false, &wheel);
    Edit33 = NewEdit(g, "Edit33", kWheelEdits, 44);
    NewCaption(g, "Label118", kWheelColumn, 74, "Contact diameter  d", "M2", false, &wheel);
    Edit35 = NewEdit(g, "Edit35", kWheelEdits, 70);
    Image3 = NewPicture(g, "Image3", {548, 10, 88, 96}, TestPicture::Balls, false);
    Image6 = NewPicture(g, "Image6", {548, 10, 88, 96}, TestPicture::Balls, true);
    for (ui::Edit* e : {Edit27, Edit29, Edit31, Edit33}) MakeResultField(e);

    Edit22->OnExit = [this] { ValidateChordThickness1(); };
    Edit23->OnExit = [this] { ValidateChordHeight1(); };
    Edit24->OnExit = [this] { ValidateChordThickness2(); };
    Edit25->OnExit = [this] { ValidateChordHeight2(); };
    Edit26->OnExit = [this] { ValidateSpanTeeth1(); };
    Edit28->OnExit = [this] { ValidateSpanTeeth2(); };
    Edit30->OnExit = [this] { ValidateBallDiameter1(); };
    Edit32->OnExit = [this] { ValidateBallDiameter2(); };
    Edit34->OnExit = [this] { ValidateBallContactDiameter1(); };
    Edit35->OnExit = [this] { ValidateBallContactDiameter2(); };
    for (ui::RadioButton* r : {RadioButton6, RadioButton7, RadioButton8}) r->OnClick = [this] { RadioButton6Click(); };
    for (ui::RadioButton* r : {RadioButton9, RadioButton10, RadioButton11})
        r->OnClick = [this] { RadioButton9Click(); };
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
        *measuredFor[i] =
            new ui::Label(groups[i], "Label" + std::to_string(174 + i), {8, 20, 0, 0}, "Measured for wheel z =");
        *wheelTeeth[i] = new ui::Label(groups[i], "Label" + std::to_string(177 + i), {150, 20, 0, 0}, "");
        new ui::Label(groups[i], "Label" + std::to_string(190 + i), {8, 64, 0, 0}, "Measured :");
        new ui::Label(groups[i], "Label" + std::to_string(193 + i), {8, 144, 0, 0}, "Estimated :");
    }
    Label180 = new ui::Label(GroupBox9, "Label180", {8, 40, 0, 0}, "d   =");
    Label182 = new ui::Label(GroupBox9, "Label182", {15, 45, 0, 0}, "a");
    Label182->SetFontPixels(9);
    Label181 = new ui::Label(GroupBox9, "Label181", {44, 40, 0, 0}, "");

    // measured values
    NewCaption(GroupBox9, "Label196", 16, 88, "s", "c");
    Edit36 = NewEdit(GroupBox9, "Edit36", 48, 84, 80);
    NewCaption(GroupBox9, "Label197", 16, 114, "h", "c");
    Edit37 = NewEdit(GroupBox9, "Edit37", 48, 110, 80);
    NewCaption(GroupBox10, "Label198", 16, 88, "z", "w");
    Edit38 = NewEdit(GroupBox10, "Edit38", 48, 84, 80);
    NewCaption(GroupBox10, "Label199", 16, 114, "W", "");
    Edit39 = NewEdit(GroupBox10, "Edit39", 48, 110, 80);
    NewCaption(GroupBox11, "Label200", 16, 88, "d", "t");
    Edit40 = NewEdit(GroupBox11, "Edit40", 48, 84, 80);
    NewCaption(GroupBox11, "Label201", 16, 114, "M", "");
    Edit41 = NewEdit(GroupBox11, "Edit41", 48, 110, 80);
    const TestPicture kinds[] = {TestPicture::Chord, TestPicture::Span, TestPicture::Balls};
    ui::Image** external[] = {&Image7, &Image8, &Image9};
    ui::Image** internal[] = {&Image10, &Image11, &Image12};
    for (int i = 0; i < 3; ++i) {
        *external[i] = NewPicture(groups[i], "Image" + std::to_string(7 + i), {138, 58, 66, 78}, kinds[i], false);
        *internal[i] = NewPicture(groups[i], "Image" + std::to_string(10 + i), {138, 58, 66, 78}, kinds[i], true);
    }

    // estimates: module, flank angle, helix angle, AMC; beside them the choice of the
    // unknown, and the word Calculate written downwards
    ui::Edit** estimates[3][4] = {{&Edit42, &Edit43, &Edit44, &Edit45},
                                  {&Edit46, &Edit47, &Edit48, &Edit49},
                                  {&Edit50, &Edit51, &Edit52, &Edit53}};
    ui::RadioGroup** choices[] = {&RadioGroup1, &RadioGroup2, &RadioGroup3};
    const std::string calculate = "Calculate";
    for (int i = 0; i < 3; ++i) {
        NewCaption(groups[i], "Label" + std::to_string(202 + 4 * i), 16, 172, "m", "n");
        NewCaption(groups[i], "Label" + std::to_string(203 + 4 * i), 16, 198, "a", "P", true);
        NewCaption(groups[i], "Label" + std::to_string(204 + 4 * i), 16, 224, "b", "", true);
        NewCaption(groups[i], "Label" + std::to_string(205 + 4 * i), 16, 250, "x", "");
        for (int k = 0; k < 4; ++k) {
            const int number = 42 + 4 * i + k;
            *estimates[i][k] = NewEdit(groups[i], "Edit" + std::to_string(number), 48, 168 + 26 * k, 86);
        }
        *choices[i] = new ui::RadioGroup(groups[i], "RadioGroup" + std::to_string(i + 1), {138, 153, 34, 121}, "",
                                         {"", "", "", ""});
        (*choices[i])->SetItemIndex(kIdentAmc);
        for (std::size_t k = 0; k < calculate.size(); ++k) {
            auto* letter = new ui::Label(groups[i], "Label" + std::to_string(214 + 9 * i + int(k)),
                                         {182, 160 + 12 * int(k), 0, 0}, calculate.substr(k, 1));
            letter->SetFontStyle(ui::fsBold);
        }
    }

    // further results of the span group's flank angle: "2. result" alfaP "= ..."
    Label183 = new ui::Label(GroupBox10, "Label183", {8, 290, 0, 0}, "2. result ");  // the symbol follows
    const int symbol = Label183->Left() + Label183->Width();
    Label183->SetCaption("2. result       =  ");
    Label188 = new ui::Label(GroupBox10, "Label188", {8, 312, 0, 0}, "3. result       =  ");
    Label184 = new ui::Label(GroupBox10, "Label184", {symbol, 290, 0, 0}, "a");
    Label185 = new ui::Label(GroupBox10, "Label185", {symbol + 8, 295, 0, 0}, "P");
    Label186 = new ui::Label(GroupBox10, "Label186", {symbol, 312, 0, 0}, "a");
    Label187 = new ui::Label(GroupBox10, "Label187", {symbol + 8, 317, 0, 0}, "P");
    for (ui::Label* l : {Label184, Label186}) l->SetFontName("Symbol");
    for (ui::Label* l : {Label185, Label187}) l->SetFontPixels(9);

    for (int number = 36; number <= 53; ++number) {
        ui::Edit* e = IdentificationField(number);
        e->OnEnter = [this, number] { Edit36Enter(number); };
        e->OnExit = [this] { Edit42Exit(); };
    }
    RadioGroup1->OnClick = [this] { RadioGroup1Click(); };
    RadioGroup2->OnClick = [this] { RadioGroup2Click(); };
    RadioGroup3->OnClick = [this] { RadioGroup3Click(); };
}

ui::Edit* TPagesDlg::IdentificationField(int number) const {
    ui::Edit* const fields[] = {Edit36, Edit37, Edit38, Edit39, Edit40, Edit41, Edit42, Edit43, Edit44,
                                Edit45, Edit46, Edit47, Edit48, Edit49, Edit50, Edit51, Edit52, Edit53};
    return number >= 36 && number <= 53 ? fields[number - 36] : nullptr;
}

void TPagesDlg::ShowExplanatoryPictures() {
    const bool internal = G.GearingType == kInternalGearing;
    for (ui::Image* i : {Image1, Image2, Image3, Image7, Image8, Image9}) i->SetVisible(!internal);
    for (ui::Image* i : {Image4, Image5, Image6, Image10, Image11, Image12}) i->SetVisible(internal);
}

void TPagesDlg::RunPageFieldValidator(ui::Control* field) {
    const std::pair<ui::Control*, void (TPagesDlg::*)()> testDimensions[] = {
        {Edit22, &TPagesDlg::ValidateChordThickness1},      {Edit23, &TPagesDlg::ValidateChordHeight1},
        {Edit24, &TPagesDlg::ValidateChordThickness2},      {Edit25, &TPagesDlg::ValidateChordHeight2},
        {Edit26, &TPagesDlg::ValidateSpanTeeth1},           {Edit28, &TPagesDlg::ValidateSpanTeeth2},
        {Edit30, &TPagesDlg::ValidateBallDiameter1},        {Edit32, &TPagesDlg::ValidateBallDiameter2},
        {Edit34, &TPagesDlg::ValidateBallContactDiameter1}, {Edit35, &TPagesDlg::ValidateBallContactDiameter2},
    };
    for (const auto& [edit, validator] : testDimensions)
        if (edit == field) return (this->*validator)();
    for (int number = 36; number <= 53; ++number)
        if (IdentificationField(number) == field) return Edit42Exit();
}

}  // namespace ostrimo
