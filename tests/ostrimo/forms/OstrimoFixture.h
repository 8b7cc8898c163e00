// Ostrimo's eight windows, created anew for each test through the program's own start-up
// routine, so that each test starts from a fresh start: the global data at its start values,
// every window and control as created, the main dialog shown.
#pragma once

#include <fstream>
#include <functional>
#include <sstream>
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
#include "runtime/TextFile.h"
#include "ScratchDir.h"
#include "ui/TestHarness.h"

namespace ostrimo::test {

using test_support::ScratchDir;

class OstrimoTest : public ui::test::FormTest {
protected:
    // Ostrimo's eight windows deleted, the last created first.
    static void DestroyOstrimoWindows() {
        auto destroy = [](auto*& window) {
            delete window;
            window = nullptr;
        };
        destroy(NastrojDlg), destroy(VuleF), destroy(Form2), destroy(FellowDlg);
        destroy(TabulkaDlg), destroy(CelniDlg), destroy(PagesDlg), destroy(Form1);
    }
    static void Walk(ui::Container* c, const std::function<void(ui::Control*)>& f) { ui::test::ForEachControl(*c, f); }

    void SetUp() override {
        // the windows as the program creates them, from the data as the program starts
        DestroyOstrimoWindows();
        ui::test::Reset();
        rt::TextFile::FailWritesAfter(-1);
        ResetGlobalData();
        ClearValidationBypassFlags();
        CreateOstrimoWindows();
        G.EditionCaption = kEditionLine;
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
        G.GearingType = kExternalGearing;
    }
    // The start state of another gearing type, as the gearing-type radio leaves it.
    static void SelectGearing(int type) {
        G.GearingType = type;
        SetDefaultGearData();
        G.mn = 1;
        G.z1 = 20;
        G.z2 = type == kInternalGearing ? -80 : 40;
        G.b = 10;
        G.aw = type == kInternalGearing ? -30 : 30;
        if (type == kBevelGearing) {
            G.z1Bevel = 20;
            G.z2Bevel = 30;
        }
        PagesDlg->InitInputsForGearingType();
        PagesDlg->UpdateObligatoryInputFlag();
    }

    static std::vector<std::string> Messages() { return ui::test::Notices().Texts(); }
    // What `fields` gives at each box the action shows (its texts recorded as Messages()).
    static std::vector<std::string> ShownAtEachBox(const std::function<std::string()>& fields,
                                                   const std::function<void()>& action) {
        struct Behind : rt::NoticeRecorder {
            std::function<std::string()> fields;
            std::vector<std::string> shown;
            int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override {
                shown.push_back(fields());
                return ui::test::Notices().MessageBox(text, caption, flags);
            }
        } behind;
        behind.fields = fields;
        rt::NoticeSink* harness = rt::SetNoticeSink(&behind);
        action();
        rt::SetNoticeSink(harness);
        return behind.shown;
    }
    static std::string Caption(std::size_t i = 0) {
        const auto& n = ui::test::Notices().notices;
        return i < n.size() ? n[i].caption : std::string();
    }
    // Types the text into the field and leaves it with Tab.
    static void Enter(ui::Edit* field, const std::string& text) {
        ui::test::TypeInto(field, text);
        ui::test::Tab();
    }
    // "&Save" and "&Open" with the file chosen in their dialogs, and a file's bytes.
    static void Save(const std::string& path) {
        ui::test::QueueFileName(path);
        ui::test::Click(D().Button3);
    }
    static void Open(const std::string& path) {
        ui::test::QueueFileName(path);
        ui::test::Click(D().Button4);
    }
    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static TPagesDlg& D() { return *PagesDlg; }
};

}  // namespace ostrimo::test
