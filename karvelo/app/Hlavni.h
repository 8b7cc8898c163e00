// Unit Hlavni: Karvelo's main window.  It opens the input windows, chooses the gearing, the
// ISO 6336 method and the damage hypothesis, runs the calculation and shows its results in the
// "BENDING" and "CONTACT" panels, opens the result views, saves and loads the case, opens the
// help and ends the program.  The application's message hook lets the spectrum, KHbeta and
// dimensions windows see mouse presses before their fields are validated.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/Forms.h"

namespace karvelo {

// The main window's captions, one per method.
extern const char* const kCaptionMethodB;
extern const char* const kCaptionMethodC;
// The program's edition and year (22 characters), shown by the geometry window on request.
extern const char* const kEditionText;

class TForm1 : public ui::Form {
public:
    TForm1();

    ui::GroupBox* GroupBox2;        // "Method"
    ui::RadioButton* RadioButton3;  // "ISO  B"
    ui::RadioButton* RadioButton4;  // "ISO  C"
    ui::GroupBox* GroupBox1;        // "Gearing"
    ui::RadioButton* RadioButton1;  // "External"
    ui::RadioButton* RadioButton2;  // "Internal"
    ui::GroupBox* GroupBox3;        // "Hypothesis"
    ui::RadioButton* RadioButton5;  // "Miner"
    ui::RadioButton* RadioButton6;  // "Haibach"
    ui::Button* Button1;            // "Geometry"
    ui::Button* Button2;            // "Materials"
    ui::Button* Button4;            // "Dimensions"
    ui::Button* Button5;            // "Accuracy"
    ui::Button* Button6;            // "KHß"
    ui::Button* Button7;            // "Other factors"
    ui::Button* Button3;            // "Load"
    ui::Panel* Panel1;              // silver frame behind "Service life" while its results are valid
    ui::Button* Button13;           // "Service life"
    ui::Button* Button8;            // "Calculation"
    ui::Button* Button14;           // "Draw results"
    ui::Button* Button15;           // "Damages"
    ui::Button* Button9;            // "Save data"
    ui::Button* Button10;           // "Load data"
    ui::Button* Button11;           // "Help" (never enabled; F1 opens the help)
    ui::Button* Button12;           // "End"
    ui::Label* Label4;              // "BENDING"
    ui::Label* Label5;              // "CONTACT"
    ui::Button* Button16;           // "Validity restrictions"
    ui::ScrollBox* ScrollBox1;      // bending results
    ui::ScrollBox* ScrollBox2;      // contact results
    ui::Label* Label501;
    ui::Label* Label502;
    ui::SaveDialog SaveDialog1;
    ui::OpenDialog OpenDialog1;

    // A result label of either panel by its name ("Label9", "Label3"), nullptr when none.
    ui::Label* ResultLabel(const std::string& name) const;

    void FormCreate();
    void FormPaint();
    void FormKeyUp(ui::Word& key);
    // The application's message hook.
    void RouteApplicationMessage(ui::Message& msg, bool& handled);
    // Withdraws every shown result.
    void ClearResults();
    // LoadingInputComplete := whether the load inputs are complete; the first missing input is
    // named in a message and the focus goes to "Load".
    void CheckLoadInputs();
    // Writes the case's results into the two panels.
    void ShowResults();

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Button12Click();
    void Button13Click();
    void Button14Click();
    void Button15Click();
    void Button16Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void RadioButton6Click();

private:
    void CreateResultPanels();
    void OpenInputWindow(ui::Form* window, const std::function<void()>& prepare = {});
    void ShowPanelControls(bool visible);
    void RefreshAfterLoad();
    // The damages window, when open, shows the results of the last calculation again while they
    // are shown, and no rows while they are withdrawn.
    void RefreshDamagesWindow();
    void OpenHelp();
};

extern TForm1* Form1;

}  // namespace karvelo
