#include "karvelo/app/Karvelo.h"

#include <vector>

#include "karvelo/app/Havarie.h"
#include "karvelo/app/Hlaseni.h"
#include "karvelo/app/Hlavni.h"
#include "karvelo/app/PlatnostF.h"
#include "karvelo/app/Prubehy.h"
#include "karvelo/app/Prubehy_jedn.h"
#include "karvelo/calc/WindowHooks.h"
#include "karvelo/forms/GeometrieF.h"
#include "karvelo/forms/Help1.h"
#include "karvelo/forms/Help2.h"
#include "karvelo/forms/InputWindow.h"
#include "karvelo/forms/KHbetaC.h"
#include "karvelo/forms/KHbetaF.h"
#include "karvelo/forms/Materialy.h"
#include "karvelo/forms/MaterialyF.h"
#include "karvelo/forms/Moduly.h"
#include "karvelo/forms/PresnostF.h"
#include "karvelo/forms/RogF.h"
#include "karvelo/forms/RozmeryF.h"
#include "karvelo/forms/Schemata.h"
#include "karvelo/forms/SoucF.h"
#include "karvelo/forms/SpektrumF.h"
#include "karvelo/forms/ZatizeniF.h"
#include "karvelo/forms/ZivotnostF.h"
#include "ui/Forms.h"

namespace karvelo {

namespace {

void InstallKarveloWindowHooks() {
    WindowHooks hooks;
    hooks.ShowGeometryForm = [] { Geometrie_F->ShowModal(); };
    hooks.ShowDimensionsForm = [] { Rozmery_F->ShowModal(); };
    hooks.ShowOtherFactorsForm = [] { Souc_F->ShowModal(); };
    hooks.ShowAccuracyForm = [] { Presnost_F->ShowModal(); };
    hooks.FocusAccuracyField = [](int edit) { Presnost_F->FocusField(edit); };
    hooks.SetGeometryFieldText = [](int edit, const std::string& text) {
        if (ui::Edit* e = Geometrie_F->EditField(edit)) e->SetText(text);
    };
    hooks.AskResumeOrNewEntry = [](const std::string& question) { Hlaseni_->Ask(question); };
    hooks.SetValidityButtonVisible = [](bool visible) { Form1->Button16->SetVisible(visible); };
    hooks.EnableLifeDrawButton = [] { Zivotnost_F->Button4->SetEnabled(true); };
    hooks.HideLifeArrowLabel = [] { Zivotnost_F->Label68->Hide(); };
    hooks.ShowEquivalentStresses = [] { Zatizeni_F->ShowEquivalentStresses(); };
    InstallWindowHooks(hooks);

    MainWindow().SetLifePanelVisible = [](bool visible) { Form1->Panel1->SetVisible(visible); };
    MainWindow().RepaintMainWindow = [] { Form1->Repaint(); };
    MainWindow().ShowCoursesWindow = [] { Prubehy_F->Show(); };
    MainWindow().PrepareCoursesData = [] { PrepareCoursesData(); };
    CoursesMainWindow().ClearResults = [] { Form1->ClearResults(); };
    CoursesMainWindow().Repaint = [] { Form1->Repaint(); };
}

}  // namespace

void CreateKarveloWindows() {
    Form1 = ui::CreateForm<TForm1>();
    Geometrie_F = ui::CreateForm<TGeometrie_F>();
    Materialy_F = ui::CreateForm<TMaterialy_F>();
    Rozmery_F = ui::CreateForm<TRozmery_F>();
    Presnost_F = ui::CreateForm<TPresnost_F>();
    Zatizeni_F = ui::CreateForm<TZatizeni_F>();
    Spektrum_F = ui::CreateForm<TSpektrum_F>();
    Help_2 = ui::CreateForm<THelp_2>();
    Help_1 = ui::CreateForm<THelp_1>();
    Tabulka_modulu = ui::CreateForm<TTabulka_modulu>();
    Rog_F = ui::CreateForm<TRog_F>();
    Hlaseni_ = ui::CreateForm<THlaseni_>();
    Pudorysne_schema = ui::CreateForm<TPudorysne_schema>();
    KHbeta_F = ui::CreateForm<TKHbeta_F>();
    Souc_F = ui::CreateForm<TSouc_F>();
    Zivotnost_F = ui::CreateForm<TZivotnost_F>();
    Prubehy_F = ui::CreateForm<TPrubehy_F>();
    Prubehy_jednF = ui::CreateForm<TPrubehy_jednF>();
    Platnost_F = ui::CreateForm<TPlatnost_F>();
    KHbeta_C = ui::CreateForm<TKHbeta_C>();
    Materialova_tabulka = ui::CreateForm<TMaterialova_tabulka>();
    Havarie_ = ui::CreateForm<THavarie_>();
    InstallKarveloWindowHooks();
}

namespace {

// Every window variable, in the order of creation.
template <class Visit>
void ForEachWindowVariable(Visit visit) {
    visit(Form1), visit(Geometrie_F), visit(Materialy_F), visit(Rozmery_F), visit(Presnost_F), visit(Zatizeni_F);
    visit(Spektrum_F), visit(Help_2), visit(Help_1), visit(Tabulka_modulu), visit(Rog_F), visit(Hlaseni_);
    visit(Pudorysne_schema), visit(KHbeta_F), visit(Souc_F), visit(Zivotnost_F), visit(Prubehy_F);
    visit(Prubehy_jednF), visit(Platnost_F), visit(KHbeta_C), visit(Materialova_tabulka), visit(Havarie_);
}

}  // namespace

void DestroyKarveloWindows() {
    std::vector<ui::Form*> windows;
    ForEachWindowVariable([&](auto*& w) {
        windows.push_back(w);
        w = nullptr;
    });
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) delete *it;
    ui::App().OnMessage = nullptr;
    InstallWindowHooks(WindowHooks{});
    MainWindow() = MainWindowLinks{};
    CoursesMainWindow() = CoursesMainWindowLinks{};
}

int RunKarvelo(int argc, char** argv) {
    ui::Application app(argc, argv);
    app.Title = "Karvelo";
    app.HelpFile = kHelpFile;
    CreateKarveloWindows();
    const int code = app.Run();
    DestroyKarveloWindows();
    return code;
}

}  // namespace karvelo
