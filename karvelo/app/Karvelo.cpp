#include "karvelo/app/Karvelo.h"

#include <vector>

#include "karvelo/app/Havarie.h"
#include "karvelo/app/Hlaseni.h"
#include "karvelo/app/Hlavni.h"
#include "karvelo/app/PlatnostF.h"
#include "karvelo/app/Prubehy.h"
#include "karvelo/app/Prubehy_jedn.h"
#include "karvelo/calc/Global.h"
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

// Every window variable, in the order of creation: the main window first.
template <class Visit>
void ForEachWindowVariable(Visit visit) {
    visit(Form1), visit(Geometrie_F), visit(Materialy_F), visit(Rozmery_F), visit(Presnost_F), visit(Zatizeni_F);
    visit(Spektrum_F), visit(Help_2), visit(Help_1), visit(Tabulka_modulu), visit(Rog_F), visit(Hlaseni_);
    visit(Pudorysne_schema), visit(KHbeta_F), visit(Souc_F), visit(Zivotnost_F), visit(Prubehy_F);
    visit(Prubehy_jednF), visit(Platnost_F), visit(KHbeta_C), visit(Materialova_tabulka), visit(Havarie_);
}

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
    MainWindow().ShowCoursesWindow = [] { Prubehy_F->ShowChart(false); };
    MainWindow().PrepareCoursesData = [] { PrepareCoursesData(); };
    CoursesMainWindow().ClearResults = [] { Form1->ClearResults(); };
    CoursesMainWindow().Repaint = [] { Form1->Repaint(); };
}

}  // namespace

void CreateKarveloWindows() {
    ForEachWindowVariable([]<class Window>(Window*& window) { window = ui::CreateForm<Window>(); });
    InstallKarveloWindowHooks();
    RecordStartUpCase();
}

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
