// Scratch: the paths, printed.
#include <fstream>
#include "KarveloFixture.h"
#include "karvelo/calc/Soubory.h"
namespace karvelo::test {
namespace {
using ui::test::Click;
class Figures : public KarveloTest {
protected:
    std::string cases = SourcePath("tests/karvelo/cases/");
    void Load(const std::string& f, bool spectrumOk = true) {
        if (f.find("spectrum") != std::string::npos)
            ui::test::QueueModal(Spektrum_F, [=](ui::Form&) { Click(spectrumOk ? Spektrum_F->Button2 : Spektrum_F->Button4); });
        ui::test::QueueFileName(cases + f + ".PEV");
        Click(Form1->Button10);
    }
    void InLoad(std::function<void()> f) {
        ui::test::QueueModal(Zatizeni_F, [=](ui::Form& w) { f(); if (w.ModalResult == ui::mrNone) { ui::test::Notices().Clear(); Click(Zatizeni_F->Button14); for (auto& m : Messages()) printf("  Ok says: %s\n", m.c_str()); if (w.ModalResult == ui::mrNone) w.ModalResult = ui::mrOk; } });
        Click(Form1->Button3);
    }
    std::string Calc() {
        ui::test::Notices().Clear();
        Click(Form1->Button8);
        std::string t;
        for (auto& m : Messages()) t += "[" + m + "] ";
        std::vector<std::string> seen;
        for (ui::ScrollBox* box : {Form1->ScrollBox1, Form1->ScrollBox2})
            for (ui::Control* c : box->Controls())
                if (const auto* l = dynamic_cast<const ui::Label*>(c); l && l->Visible()) seen.push_back(l->Caption());
        for (std::size_t i = 0; i + 3 < seen.size(); ++i)
            if ((seen[i] == "s" || seen[i] == "S" || seen[i] == "K") && seen[i + 2] == "=" &&
                (seen[i+1] == "F1" || seen[i+1] == "H1" || seen[i+1] == "F2" || seen[i+1] == "H2" || seen[i+1]=="F1ekv" || seen[i+1]=="H1ekv" || seen[i+1] == "A"))
                t += seen[i] + seen[i + 1] + "=" + seen[i + 3] + " ";
        t += " KA label " + Result("Label235")->Caption();
        return t;
    }
};
TEST_F(Figures, A) {
    Load("stage-one-load");
    std::string ft;
    InLoad([&] { Click(Zatizeni_F->RadioButton5); Click(Zatizeni_F->RadioButton13); Click(Zatizeni_F->RadioButton3); ft = Zatizeni_F->Field(1)->Text(); });
    printf("(a) direct->force->one: Ft %s ; %s\n", ft.c_str(), Calc().c_str());
    SetUp(); Load("stage-one-load");
    InLoad([&] { Click(Zatizeni_F->RadioButton4); Click(Zatizeni_F->RadioButton11); Click(Zatizeni_F->RadioButton3); ft = Zatizeni_F->Field(1)->Text(); });
    printf("(a) multi->force->one: Ft %s ; %s\n", ft.c_str(), Calc().c_str());
}
TEST_F(Figures, B) {
    for (bool forces : {true, false}) {
        SetUp(); Load("spectrum-then-one-level");
        InLoad([&] { if (forces) Click(Zatizeni_F->RadioButton11); });
        printf("(b) calc: %s\n", Calc().c_str());
        std::string ft, ka;
        InLoad([&] { Click(Zatizeni_F->CheckBox1); Click(Zatizeni_F->RadioButton3); ft = Zatizeni_F->Field(1)->Text(); ka = Zatizeni_F->Field(7)->Text(); });
        printf("(b) %s A3->one: load %s KA %s ; %s\n", forces ? "forces" : "torques", ft.c_str(), ka.c_str(), Calc().c_str());
    }
}
TEST_F(Figures, C) {
    for (auto [field, value] : {std::pair{18, "800"}, std::pair{19, "0.5"}}) {
        SetUp(); Load("spectrum-then-one-level");
        InLoad([] {});
        printf("(c) calc: %s\n", Calc().c_str());
        std::string t1;
        InLoad([&, field = field, value = value] { ui::test::TypeInto(Zatizeni_F->Field(field), value); ui::test::Tab(); Click(Zatizeni_F->RadioButton3); t1 = Zatizeni_F->Field(1)->Text(); });
        printf("(c) field %d=%s, one: T1 %s ; %s\n", field, value, t1.c_str(), Calc().c_str());
    }
}
TEST_F(Figures, D) {
    Load("spectrum-then-one-level");
    std::string ka;
    InLoad([&] { ka = Zatizeni_F->LabelKA->Caption(); });
    printf("(d) loading %s ; %s\n", ka.c_str(), Calc().c_str());
    const ScratchDir dir;
    ui::test::QueueFileName((dir / "d.VYS").string());
    Click(Form1->Button9);
    for (const char* ext : {".VST", ".VYS", ".PEV"}) {
        std::ifstream in((dir / (std::string("d") + ext)).string());
        for (std::string l; std::getline(in, l);) if (l.find("KA=") != std::string::npos) printf("   %s: %s\n", ext, l.c_str());
    }
}
TEST_F(Figures, E) {
    for (bool one : {false, true}) {
        SetUp(); Load("stage-one-load");
        InLoad([&] {
            Click(Zatizeni_F->RadioButton4); Click(Zatizeni_F->CheckBox2);
            ui::test::QueueModal(Spektrum_F, [](ui::Form&) {
                TSpektrum_F& s = *Spektrum_F;
                Put(s.Field(1), "3");
                Click(s.RadioButton7);
                const char* loads[] = {"50000", "40953", "30000"};
                const char* hours[] = {"1000", "50000", "124200"};
                for (int j = 0; j < 3; ++j) Put(s.Field(TSpektrum_F::kLoad + 1 + j), loads[j]), Put(s.Field(TSpektrum_F::kCycles + 1 + j), hours[j]);
                Put(s.Field(42), "60000");
                ui::test::Notices().Clear();
                Click(s.Button2);
                for (auto& m : Messages()) printf("  spectrum says %s\n", m.c_str());
                if (s.ModalResult == ui::mrNone) s.ModalResult = ui::mrCancel;
            });
            Click(Zatizeni_F->Button12);
            if (one) { Click(Zatizeni_F->RadioButton3); printf("(e) one: T1 %s KA %s Miner %d Haibach %d\n", Zatizeni_F->Field(1)->Text().c_str(), Zatizeni_F->Field(7)->Text().c_str(), Zatizeni_F->CheckBox3->Checked(), Zatizeni_F->CheckBox4->Checked()); }
        });
        printf("(e) %s: %s\n", one ? "one level" : "spectrum", Calc().c_str());
    }
}
}  // namespace
}  // namespace karvelo::test
