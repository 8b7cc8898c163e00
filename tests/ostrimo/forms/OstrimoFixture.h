// Ostrimo's eight windows, created once for the test program through the program's own
// start-up routine, and each test starting from a fresh start: the global data at its
// start values, every control as created, the main dialog shown.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ostrimo/calc/Global.h"
#include "ostrimo/forms/Celni.h"
#include "ostrimo/forms/CelniDlg.h"
#include "ostrimo/forms/FellowDlg.h"
#include "ostrimo/forms/Kulaty.h"
#include "ostrimo/forms/Nastroj.h"
#include "ostrimo/forms/Ostrimo.h"
#include "ostrimo/forms/Tabulka.h"
#include "ostrimo/forms/Uvod.h"
#include "ostrimo/forms/VuleF.h"
#include "runtime/NumText.h"
#include "ui/TestHarness.h"

namespace ostrimo::test {

// What a control looked like when it was created.
struct ControlState {
    bool visible = true, enabled = true, readOnly = false, checked = false;
    std::string text;
};

class OstrimoTest : public ui::test::FormTest {
protected:
    static std::map<ui::Control*, ControlState>& Created() {
        static std::map<ui::Control*, ControlState> states;
        return states;
    }
    static void Walk(ui::Container* c, const std::function<void(ui::Control*)>& f) {
        for (ui::Control* child : c->Controls()) {
            f(child);
            if (auto* inner = dynamic_cast<ui::Container*>(child)) Walk(inner, f);
        }
    }
    static void Record(ui::Control* c) {
        ControlState s{c->Visible(), c->Enabled(), false, false, {}};
        if (auto* e = dynamic_cast<ui::Edit*>(c)) s = {s.visible, s.enabled, e->ReadOnly(), false, e->Text()};
        if (auto* l = dynamic_cast<ui::Label*>(c)) s.text = l->Caption();
        if (auto* r = dynamic_cast<ui::RadioButton*>(c)) s = {s.visible, s.enabled, false, r->Checked(), r->Caption()};
        if (auto* b = dynamic_cast<ui::CheckBox*>(c)) s = {s.visible, s.enabled, false, b->Checked(), b->Caption()};
        Created()[c] = s;
    }
    static void Restore(ui::Control* c) {
        const ControlState& s = Created().at(c);
        c->SetVisible(s.visible);
        c->SetEnabled(s.enabled);
        if (auto* e = dynamic_cast<ui::Edit*>(c)) {
            e->SetReadOnly(s.readOnly);
            e->SetText(s.text);
        }
        if (auto* l = dynamic_cast<ui::Label*>(c)) l->SetCaption(s.text);
        if (auto* r = dynamic_cast<ui::RadioButton*>(c)) {
            r->SetCaption(s.text);
            if (s.checked) r->SetChecked(true);
        }
        if (auto* b = dynamic_cast<ui::CheckBox*>(c)) b->SetChecked(s.checked);
    }

    void SetUp() override {
        if (!PagesDlg) {
            CreateOstrimoWindows();
            for (ui::Form* f : ui::App().Forms()) Walk(f, Record);
        }
        for (ui::Form* f : ui::App().Forms())
            if (f->Visible()) f->Hide();
        // no field is left focused, to be validated when its window is shown again
        for (ui::Form* f : ui::App().Forms())
            if (ui::Control* c = f->ActiveControl(); c && c != f && c->Enabled()) {
                c->SetEnabled(false);
                c->SetEnabled(true);
            }
        for (ui::Form* f : ui::App().Forms()) Walk(f, Restore);
        PagesDlg->PageControl1->SetActivePage(PagesDlg->TabSheet1);
        ResetGlobalData();
        G.EditionCaption = kEditionLine;
        ClearValidationBypassFlags();
        ui::App().OnMessage = nullptr;
        PagesDlg->Show();
        ui::test::Notices().Clear();
    }
    void TearDown() override {
        ui::test::FormTest::TearDown();
        for (ui::Form* f : ui::App().Forms())
            if (f->Visible()) f->Hide();
        ui::App().OnMessage = nullptr;
        ui::App().ClearTerminated();
        ClearValidationBypassFlags();
        ResetGlobalData();
    }
    // The global data as the program starts: the defaults of external gearing.
    static void ResetGlobalData() {
        G = GlobalData{};
        SetDefaultGearData();
        G.GearingType = 1;
    }
    // The start state of another gearing type, as the gearing-type radio leaves it.
    static void SelectGearing(int type) {
        G.GearingType = type;
        SetDefaultGearData();
        G.mn = 1;
        G.z1 = 20;
        G.z2 = type == 2 ? -80 : 40;
        G.b = 10;
        G.aw = type == 2 ? -30 : 30;
        if (type == 3) {
            G.z1Bevel = 20;
            G.z2Bevel = 30;
        }
        PagesDlg->InitInputsForGearingType();
        PagesDlg->UpdateObligatoryInputFlag();
    }

    static std::vector<std::string> Messages() { return ui::test::Notices().Texts(); }
    static std::string Caption(std::size_t i = 0) {
        const auto& n = ui::test::Notices().notices;
        return i < n.size() ? n[i].caption : std::string();
    }
    // Types the text into the field and leaves it with Tab.
    static void Enter(ui::Edit* field, const std::string& text) {
        ui::test::TypeInto(field, text);
        ui::test::Tab();
    }
    static TPagesDlg& D() { return *PagesDlg; }
};

}  // namespace ostrimo::test
