#include "ostrimo/forms/Ostrimo.h"

#include "ostrimo/calc/Global.h"
#include "ostrimo/forms/Celni.h"
#include "ostrimo/forms/CelniDlg.h"
#include "ostrimo/forms/FellowDlg.h"
#include "ostrimo/forms/Kulaty.h"
#include "ostrimo/forms/Nastroj.h"
#include "ostrimo/forms/Tabulka.h"
#include "ostrimo/forms/Uvod.h"
#include "ostrimo/forms/VuleF.h"
#include "ui/Forms.h"

namespace ostrimo {

// The global data took its defaults before main (unit start of Global).
void CreateOstrimoWindows() {
    Form1 = ui::CreateForm<TForm1>();
    PagesDlg = ui::CreateForm<TPagesDlg>();
    CelniDlg = ui::CreateForm<TCelniDlg>();
    TabulkaDlg = ui::CreateForm<TTabulkaDlg>();
    FellowDlg = ui::CreateForm<TFellowDlg>();
    Form2 = ui::CreateForm<TForm2>();
    VuleF = ui::CreateForm<TVuleF>();
    NastrojDlg = ui::CreateForm<TNastrojDlg>();
}

void ShowHelpTopic(unsigned long context) {
    const bool shown = context != 0 ? ui::Help(kWindowsHelpFile, ui::HELP_CONTEXT, context)
                                    : ui::Help(kWindowsHelpFile, ui::HELP_FINDER, 0);
    if (!shown) ui::MessageBox("Help is missing.", kErrorCaption, ui::MB_OK);
}

int RunOstrimo(int argc, char** argv) {
    ui::Application app(argc, argv);
    app.Title = "Ostrimo";
    app.HelpFile = kHelpFile;
    CreateOstrimoWindows();
    return app.Run();
}

}  // namespace ostrimo
