// Save data and Load data of the main window: the dialogs, the error boxes, and the refresh of
// the windows after a load.
#include <array>
#include <ctime>
#include <exception>

#include "karvelo/app/Hlavni.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/Soubory.h"
#include "karvelo/forms/GeometrieF.h"
#include "karvelo/forms/KHbetaF.h"
#include "karvelo/forms/SpektrumF.h"
#include "karvelo/forms/ZatizeniF.h"

namespace karvelo {

namespace {

// The current time and date as the user's settings write them, for the listing headers.
std::string Now(const char* format) {
    const std::time_t t = std::time(nullptr);
    char text[64] = {};
    std::strftime(text, sizeof text, format, std::localtime(&t));
    return text;
}

void ShowFileError(const std::string& text, const std::string& caption) {
    ui::MessageBox(text, caption, ui::MB_OK | ui::MB_ICONERROR);
}

const char* SpectrumCaption(int methodics) {
    switch (methodics) {
        case kMethodicsFigA3:
            return "Approximate calculation of the equivalent load and the factor Ka by ISO 6336/6 - fig. A.3";
        case kMethodicsEqA2:
            return "Approximate calculation of the equivalent load and the factor Ka by ISO 6336/6 - equation A.2";
        case kMethodicsMiner: return "Exact calculation of the equivalent load and the stress by Mainer";
        case kMethodicsHaibach: return "Exact calculation of the equivalent load and the stress by Haibach";
        default: return nullptr;
    }
}

}  // namespace

// The chosen file itself is never written (unless it is one of the three), so the dialog asks
// about the three before it replaces any of them; a failure leaves the earlier versions of all
// three.
void TForm1::Button9Click() {
    SaveDialog1.FilesWritten = [](const std::string& chosen) { return DeriveCaseFileNames(chosen).All(); };
    if (!SaveDialog1.Execute()) return;
    try {
        SaveDialog1.FileName = SaveCase(SaveDialog1.FileName, Now("%X"), Now("%x")).results;
    } catch (const CaseFileError& e) {
        ShowFileError(e.BoxText(), e.Caption());
    } catch (const std::exception&) {
        ShowFileError(kSaveErrorText, kSaveCaption);
    }
}

// A file that cannot be used leaves the case as it was; the results stay withdrawn.
void TForm1::Button10Click() {
    ClearResults();
    if (OpenDialog1.Execute()) {
        try {
            LoadCase(OpenDialog1.FileName);
        } catch (const CaseFileError& e) {
            ShowFileError(e.BoxText(), e.Caption());
            return;
        } catch (const std::exception&) {
            ShowFileError(kLoadErrorText, kLoadCaption);
            return;
        }
    } else {
        RefreshLoadedCase();
    }
    RefreshAfterLoad();
    RefreshDamagesWindow();
}

// The windows that show the loaded case; a spectrum case opens the spectrum window.
void TForm1::RefreshAfterLoad() {
    Geometrie_F->ShowGeometry();  // the core computed the geometry as it loaded the case
    TSpektrum_F& s = *Spektrum_F;
    s.HideLoadColumnHeaders();
    const std::array<int, 3> forceHeaders{30, 31, 40}, torqueHeaders{32, 33, 41};
    for (int n : G.LoadAsForce ? forceHeaders : torqueHeaders) s.HeaderLabel(n)->Show();
    s.HideSpectrumRows();
    s.ShowSpectrumRows();
    // The spectrum loads are held in the loaded unit; equivalent loads given in the file stay
    // given when the loading window opens.
    SetSpectrumLoadUnit(G, G.LoadAsForce);
    Zatizeni_F->MarkLoadedEquivalentLoads();
    G.LoadedFromFile = 1;
    SetCaption(G.MethodC ? kCaptionMethodC : kCaptionMethodB);
    Panel1->SetVisible(G.LifeValid);
    // The KHbeta window shows its ways as it starts; a case from the contact pattern takes its
    // KHbeta from its bcal again.
    KHbeta_F->ShowStartingWay();
    if (G.KHbetaMethod == "bcal") KHbeta_F->CheckBox2->SetChecked(true);
    SpreadDirectFactors(G);
    if (G.LoadInputMethod == kMultilevelLoading) {
        if (const char* caption = SpectrumCaption(G.CalcMethodics)) s.SetCaption(caption);
        s.ShowModal();
    } else {
        s.RunLevelsAtNominalSpeed();
        Repaint();
    }
}

}  // namespace karvelo
