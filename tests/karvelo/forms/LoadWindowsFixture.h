// The windows of the load of a case, created in the program's order with their global pointers
// set: loading, spectrum, the two help tables, KHbeta and service life.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "InputWindowFixture.h"
#include "karvelo/forms/Help1.h"
#include "karvelo/forms/Help2.h"
#include "karvelo/forms/KHbetaF.h"
#include "karvelo/forms/SpektrumF.h"
#include "karvelo/forms/ZatizeniF.h"
#include "karvelo/forms/ZivotnostF.h"
#include "runtime/NumText.h"

namespace karvelo {

class LoadWindows : public InputWindows {
protected:
    void SetUp() override { FreshCase(); }
    // The default case as at start-up: the windows' creation runs after the defaults.
    void FreshCase() {
        InputWindows::SetUp();
        Zatizeni_F = &load;
        Spektrum_F = &spectrum;
        Help_2 = &help2;
        Help_1 = &help1;
        KHbeta_F = &khbeta;
        Zivotnost_F = &life;
        for (ui::Form* f : std::vector<ui::Form*>{&load, &spectrum, &help2, &help1, &khbeta, &life})
            if (f->OnCreate) f->OnCreate();
    }
    void TearDown() override {
        for (ui::Form* f : std::vector<ui::Form*>{&life, &khbeta, &help1, &help2, &spectrum, &load})
            if (f->Visible()) f->Hide();
        Zatizeni_F = nullptr;
        Spektrum_F = nullptr;
        Help_2 = nullptr;
        Help_1 = nullptr;
        KHbeta_F = nullptr;
        Zivotnost_F = nullptr;
        ui::App().OnMessage = nullptr;
        InputWindows::TearDown();
    }

    static std::vector<std::string> Messages() { return ui::test::Notices().Texts(); }
    // Types into the field and presses Enter; the messages are those of that check (the exit
    // of the field left before is checked too, and its messages are dropped).
    static void Put(ui::Edit* e, const std::string& text) {
        ui::test::TypeInto(e, text);
        ui::test::Notices().Clear();
        ui::test::Enter();
    }
    // The window shown modally, the script run inside it.
    static void InModal(ui::Form& window, std::function<void()> script) {
        ui::test::QueueModal(&window, [script](ui::Form&) { script(); });
        window.ShowModal();
    }
    void InSpectrum(std::function<void()> script) { InModal(spectrum, std::move(script)); }
    void InLoad(std::function<void()> script) { InModal(load, std::move(script)); }
    void InLife(std::function<void()> script) { InModal(life, std::move(script)); }
    ui::Edit* Level(int offset, int j) { return spectrum.LevelField(offset, j); }
    // The main window's message hook, as far as the spectrum window is concerned.
    void RoutePresses() {
        ui::App().OnMessage = [this](ui::Message& msg, bool& handled) {
            handled = false;
            if (msg.Target && msg.Target->IsWithin(&spectrum)) spectrum.PreviewSpectrumMouseDown(msg);
        };
    }

    TZatizeni_F load;
    TSpektrum_F spectrum;
    THelp_2 help2;
    THelp_1 help1;
    TKHbeta_F khbeta;
    TZivotnost_F life;
};

}  // namespace karvelo
