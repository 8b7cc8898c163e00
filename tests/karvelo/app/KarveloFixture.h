// The whole program's windows, created anew for each test, which starts from the state of a fresh
// start-up: default case, results withdrawn, main window shown.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "karvelo/app/Havarie.h"
#include "karvelo/app/Hlaseni.h"
#include "karvelo/app/Hlavni.h"
#include "karvelo/app/Karvelo.h"
#include "karvelo/app/PlatnostF.h"
#include "karvelo/app/Prubehy.h"
#include "karvelo/app/Prubehy_jedn.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/WindowHooks.h"
#include "karvelo/forms/GeometrieF.h"
#include "karvelo/forms/KHbetaF.h"
#include "karvelo/forms/MaterialyF.h"
#include "karvelo/forms/PresnostF.h"
#include "karvelo/forms/RozmeryF.h"
#include "karvelo/forms/SoucF.h"
#include "karvelo/forms/SpektrumF.h"
#include "karvelo/forms/ZatizeniF.h"
#include "karvelo/forms/ZivotnostF.h"
#include "karvelo/ProgramState.h"
#include "runtime/NumText.h"
#include "ScratchDir.h"
#include "ui/TestHarness.h"

namespace karvelo::test {

using test_support::ScratchDir;

class KarveloTest : public ui::test::FormTest {
protected:
    // A fresh start: the program's state reset and its windows created anew.
    void SetUp() override {
        ResetProgramState();
        DestroyKarveloWindows();
        CreateKarveloWindows();
        Form1->Show();
    }
    void TearDown() override {
        ui::test::FormTest::TearDown();
        for (ui::Form* f : ui::App().Forms())
            if (f->Visible()) f->Hide();
    }

    // Types `text` into the field and presses Enter, which checks it where it is typed.
    static void Put(ui::Edit* field, const std::string& text) {
        ui::test::TypeInto(field, text);
        ui::test::Enter();
    }
    static ui::Label* Result(const std::string& name) { return Form1->ResultLabel(name); }
    static std::vector<std::string> Messages() { return ui::test::Notices().Texts(); }
    // Every control of both result panels has the visibility.
    static bool PanelsShown(bool shown) {
        for (ui::ScrollBox* box : {Form1->ScrollBox1, Form1->ScrollBox2})
            for (ui::Control* c : box->Controls())
                if (c->Visible() != shown) return false;
        return true;
    }
    static bool Withdrawn() {
        return PanelsShown(false) && !Form1->Button14->Visible() && !Form1->Button15->Visible() &&
               !Form1->Button9->Enabled() && !Form1->Button16->Visible() && !Form1->Panel1->Visible() &&
               !Platnost_F->Visible();
    }
    // Shows the results as after a calculation, without calculating.
    static void ShowResultsAsCalculated() {
        for (ui::ScrollBox* box : {Form1->ScrollBox1, Form1->ScrollBox2})
            for (ui::Control* c : box->Controls()) c->Show();
        Form1->Button14->Show();
        Form1->Button15->Show();
        Form1->Button9->SetEnabled(true);
        Form1->Panel1->Show();
    }
};

}  // namespace karvelo::test
