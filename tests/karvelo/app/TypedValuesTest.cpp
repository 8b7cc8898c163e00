// What the user typed is what the case holds.  A field only passed through (clicked into and left,
// Enter on its text) keeps its value in full however its display rounds it, and runs nothing; a
// refused entry typed back to the text the field had gives the value before it back in full.
#include <bit>
#include <cstdint>
#include <functional>
#include <string>

#include "KarveloFixture.h"
#include "karvelo/forms/KHbetaC.h"
#include "karvelo/forms/RogF.h"

namespace karvelo::test {
namespace {

using ui::test::Click;
using ui::test::QueueModal;

using Script = std::function<void()>;

// Opens the window that holds the field through the program's own buttons, runs the script in
// it and closes it with its Ok.
void InGeometry(const Script& s) {
    QueueModal(Geometrie_F, [&](ui::Form&) { s(), Click(Geometrie_F->Button1); });
    Click(Form1->Button1);
}
void InMaterials(const Script& s) {
    QueueModal(Materialy_F, [&](ui::Form&) { s(), Click(Materialy_F->Button3); });
    Click(Form1->Button2);
}
void InLoading(const Script& s) {
    QueueModal(Zatizeni_F, [&](ui::Form&) { s(), Click(Zatizeni_F->Button14); });
    Click(Form1->Button3);
}
void InDimensions(const Script& s) {
    QueueModal(Rozmery_F, [&](ui::Form&) { s(), Click(Rozmery_F->Button1); });
    Click(Form1->Button4);
}
void InAccuracy(const Script& s) {
    QueueModal(Presnost_F, [&](ui::Form&) { s(), Click(Presnost_F->Button1); });
    Click(Form1->Button5);
}
void InKHbeta(const Script& s) {
    QueueModal(KHbeta_F, [&](ui::Form&) { s(), Click(KHbeta_F->Button1); });
    Click(Form1->Button6);
}
void InMethodC(const Script& s) {
    InKHbeta([&] {
        QueueModal(KHbeta_C, [&](ui::Form&) { s(), Click(KHbeta_C->Button5); });
        Click(KHbeta_F->CheckBox5);
    });
}
void InOtherFactors(const Script& s) {
    QueueModal(Souc_F, [&](ui::Form&) { s(), Click(Souc_F->Button1); });
    Click(Form1->Button7);
}
void InGrindingNotch(const Script& s) {
    G.tg1 = 0.3, G.Rog1 = 0.5;
    InOtherFactors([&] {
        QueueModal(Rog_F, [&](ui::Form&) { s(), Click(Rog_F->Button1); });
        Click(Souc_F->Button3);
    });
}
void InServiceLife(const Script& s) {
    QueueModal(Zivotnost_F, [&](ui::Form&) { s(), Click(Zivotnost_F->Button2); });
    Click(Form1->Button13);
}
// A Haibach spectrum of two levels with its factors computed.
void InSpectrum(const Script& s) {
    InLoading([&] {
        Click(Zatizeni_F->RadioButton4);
        G.LevelCount = 2;
        G.SpectrumX[1] = 1e5, G.SpectrumX[2] = 1e6;
        G.SpectrumY[1] = 500, G.SpectrumY[2] = 300;
        QueueModal(Spektrum_F, [&](ui::Form&) { s(), Click(Spektrum_F->Button2); });
        Click(Zatizeni_F->Button12);
    });
}

struct Row {
    const char* name;
    void (*open)(const Script&);
    ui::Edit* (*field)();
    double* value;
    double full;                  // shown rounded
    const char* refused;          // a text the field refuses, stored while it is corrected
    void (*prepare)() = nullptr;  // in the window, before
};

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

class TypedValues : public KarveloTest {};

TEST_F(TypedValues, FieldsPassedThroughOrTypedBackKeepTheirValueInFull) {
    const Row rows[] = {
        {"x1", InGeometry, [] { return Geometrie_F->EditField(6); }, &G.x1, 0.123456789, "-100"},
        {"mn", InGeometry, [] { return Geometrie_F->EditField(3); }, &G.mn, 3.14159265, "0"},
        {"E1", InMaterials, [] { return Materialy_F->Edit(9); }, &G.E1, 206123.4, "0"},
        {"SigmaHlim1", InMaterials, [] { return Materialy_F->Edit(1); }, &G.SigmaHlim1, 1500.123456, "-1"},
        {"n1", InLoading, [] { return Zatizeni_F->Field(2); }, &G.n1, 1165.88486625, "0"},
        {"dh2", InDimensions, [] { return Rozmery_F->Field(10); }, &G.dh2, 39.87654, "-1"},
        {"sd1", InDimensions, [] { return Rozmery_F->Field(7); }, &G.sd1, 0.2617, "-1",
         [] {
             Click(Rozmery_F->CB1);  // a pinion with web and hub
             G.dh1 = 40;
         }},
        {"ffalfa1act", InAccuracy, [] { return Presnost_F->EditField(7); }, &G.ffalfa1act, 3.4567, "-2"},
        {"KHbeta", InKHbeta, [] { return KHbeta_F->Edit2; }, &G.KHbeta, 1.23456, "0.5"},
        {"s1", InMethodC, [] { return KHbeta_C->EditField(1); }, &G.s1, 12.345678, "-1"},
        {"OilTemperature", InOtherFactors, [] { return Souc_F->Edit(5); }, &G.OilTemperature, 61.2345, "-1"},
        {"ra0g", InGrindingNotch, [] { return Rog_F->Edit1; }, &G.ra0g, 1.23456, "-1"},
        {"n1ekv", InServiceLife, [] { return Zivotnost_F->Field(5); }, &G.n1, 1165.88486625, "0"},
        {"n1Level", InSpectrum, [] { return Spektrum_F->LevelField(TSpektrum_F::kSpeed, 1); }, &G.n1Level[1],
         987.654321, "0"},
        {"KHbetaLevel", InSpectrum, [] { return Spektrum_F->LevelField(TSpektrum_F::kKHbeta, 2); }, &G.KHbetaLevel[2],
         1.0987654, "0.5"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SetUp();
        *r.value = r.full;  // shown as the window opens, and again should opening change it
        r.open([&] {
            if (r.prepare) r.prepare();
            *r.value = r.full;
            ui::Edit* field = r.field();
            ui::Form* window = field->OwnerForm();
            window->Repaint();
            ui::test::ProcessEvents();
            const std::string shown = field->Text();
            Click(field);
            ui::test::Tab();
            Click(field);
            ui::test::Enter();
            ui::test::Tab();
            EXPECT_EQ(Bits(*r.value), Bits(r.full)) << shown;
            EXPECT_TRUE(Messages().empty()) << Messages()[0];
            ui::test::TypeInto(field, r.refused);
            ui::test::Tab();
            EXPECT_EQ(Messages().size(), 1u);
            EXPECT_EQ(window->ActiveControl(), field);
            EXPECT_NE(*r.value, r.full);  // kept while it is corrected
            ui::test::TypeInto(field, shown);
            if (shown.empty()) ui::test::Key(Qt::Key_Delete);
            ui::test::Tab();
            EXPECT_EQ(Messages().size(), 1u);
            EXPECT_EQ(Bits(*r.value), Bits(r.full)) << *r.value;
            EXPECT_EQ(field->Text(), shown);
            ui::test::Notices().Clear();
        });
        EXPECT_EQ(Bits(*r.value), Bits(r.full));
        EXPECT_TRUE(Messages().empty()) << Messages()[0];
        TearDown();
    }
}

// An entry from which the gear dimensions are not finite numbers is refused at its field, with
// the cause the derivation met (else the field's message) alone, and the geometry stays as it
// was; a number of teeth is whole.  A result too wide for its place in the result panels shows
// "***", never over its neighbour.
TEST_F(TypedValues, ImpossibleNumbersAreRefusedAndTooWideResultsShowStars) {
    const char* const arccos = "Invalid argument for arccosinus, impossible gearing parameters";
    const struct {
        int field;
        const char* text;
        const char* message;
    } entries[] = {
        {8, "1e308", "Invalid input of the working centre distance a"},
        {1, "1e308", arccos},
        {1, "17.5", "Invalid input of the number of teeth of the pinion z1"},
        {2, "40.5", "Invalid input of the number of teeth of the wheel z2"},
        {3, "1e308", arccos},
        {6, "1e308", arccos},
        {9, "1e308", "Invalid input of the pinion addendum (proportion height) ha1*"},
        {12, "1e308", arccos},
    };
    const GlobalData before = G;
    QueueModal(Geometrie_F, [&](ui::Form&) {
        for (const auto& e : entries) {
            SCOPED_TRACE(std::to_string(e.field) + ": " + e.text);
            ui::Edit* field = Geometrie_F->EditField(e.field);
            const std::string shown = field->Text();
            ui::test::TypeInto(field, e.text);
            ui::test::Tab();
            EXPECT_EQ(Messages(), std::vector<std::string>{e.message});
            EXPECT_EQ(Geometrie_F->ActiveControl(), field);
            for (double GlobalData::*v : {&GlobalData::a, &GlobalData::x1, &GlobalData::x2, &GlobalData::da1,
                                          &GlobalData::da2, &GlobalData::d1, &GlobalData::sa1})
                EXPECT_EQ(Bits(G.*v), Bits(before.*v));
            for (int n = 1; n <= 20; ++n) {
                const std::string text = Geometrie_F->EditField(n)->Text();
                EXPECT_EQ(text.find_first_of("IN"), std::string::npos) << n << ": " << text;  // INF, NAN
            }
            ui::test::TypeInto(field, shown);
            ui::test::Tab();
            ui::test::Notices().Clear();
        }
        Click(Geometrie_F->Button1);
    });
    Click(Form1->Button1);
    EXPECT_EQ(G.z1, before.z1);
    EXPECT_EQ(G.z2, before.z2);
    // A bearing span from which KHbeta by method C is not a number.
    InMethodC([] {
        const std::string KHbeta = KHbeta_C->Label1->Caption();
        ui::test::TypeInto(KHbeta_C->EditField(2), "1e308");
        ui::test::Tab();
        EXPECT_EQ(Messages(),
                  std::vector<std::string>{"The face load factor KHbeta can not be calculated from these input data."});
        EXPECT_EQ(KHbeta_C->Label1->Caption(), KHbeta);
        ui::test::TypeInto(KHbeta_C->EditField(2), rt::Str(G.l1, 1, 1));
        ui::test::Notices().Clear();
    });

    // A contact endurance limit of 1e308 N/mm2 makes the pinion's permissible stresses and safety
    // factor numbers of twenty digits and more.
    InMaterials([] { ui::test::TypeInto(Materialy_F->Edit(1), "1e308"); });
    Click(Form1->Button8);
    EXPECT_TRUE(Messages().empty()) << Messages()[0];
    for (const char* name : {"Label39", "Label97", "Label65", "Label74"})  // sHP1, SH1, sHP1ref, sHP1stat
        EXPECT_EQ(Result(name)->Caption(), "***") << name;
    EXPECT_EQ(Result("Label44")->Caption(), rt::Str(G.SigmaHP2, 6, 1));  // the wheel's
    for (ui::ScrollBox* box : {Form1->ScrollBox1, Form1->ScrollBox2})
        for (ui::Control* c : box->Controls()) {
            const int place = c->Left() < 126 ? 126 : box->Width();  // the left cells, the right ones
            EXPECT_LE(c->Left() + c->Width(), place) << c->Name();
        }
}

}  // namespace
}  // namespace karvelo::test
