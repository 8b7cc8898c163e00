#include "karvelo/app/PlatnostF.h"

#include <algorithm>
#include <string>

#include "karvelo/calc/Global.h"
#include "karvelo/calc/Soubory.h"

namespace karvelo {

TPlatnost_F* Platnost_F = nullptr;

namespace {
constexpr int kLaidOut = 16;  // labels of the design
constexpr const char* kHeading = "Restrictions and warnings";
}  // namespace

TPlatnost_F::TPlatnost_F() : Form("Platnost_F") {
    SetCaption("Validity restrictions");
    SetBounds(0, 0, 703, 412);
    Position = ui::Position::BesideOwner;  // beside the results it qualifies
    SetMaxWidth(703);
    KeyPreview = true;
    Label50 = new ui::Label(this, "Label50", {77, 6, 0, 0}, kHeading);
    Label50->SetFontPixels(19);
    ScrollBox1 = new ui::ScrollBox(this, "ScrollBox1", {5, 40, ClientWidth() - 5, ClientHeight() - 45});
    Panel1 = new ui::Panel(ScrollBox1, "Panel1", {0, 0, 681, 330});
    for (int k = 1; k <= kLaidOut; ++k) AddMessageLabel();
    OnPaint = [this] { FormPaint(); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
}

ui::Label* TPlatnost_F::AddMessageLabel() {
    const int k = int(labels_.size()) + 1;
    auto* l = new ui::Label(Panel1, "Label" + std::to_string(k), {10, 0, 645, 20}, "");
    l->SetFontPixels(16);
    l->SetWordWrap(true);
    labels_.push_back(l);
    return l;
}

void TPlatnost_F::FormPaint() {
    int n = 0;
    for (int i = 1; i <= kValiditySlots; ++i)
        if (G.ValidityKinds[i] != 0) ++n;
    if (n == 0) {
        // No stale messages of an earlier calculation stay on show.
        Label50->SetCaption(kHeading);
        MessageLabel(1)->SetCaption("Gearing inputs have no errors or warnings");
        for (int k = 2; k <= MessageLabelCount(); ++k) MessageLabel(k)->SetCaption("");
        return;
    }
    Label50->SetCaption(std::string(kHeading) + " - " + std::to_string(n) + (n == 1 ? " report" : " reports"));
    while (MessageLabelCount() < n) AddMessageLabel();

    const int shown = std::max(n, kLaidOut);
    G.ValidityIndex = 1;
    int top = 30;
    for (int k = 1; k <= MessageLabelCount(); ++k) {
        ui::Label* l = MessageLabel(k);
        l->SetVisible(k <= shown);
        if (k > shown) continue;
        l->SetCaption(GetNextValidityMessage(G.ValidityIndex));
        // Slots 1..8 are restrictions of the standard, the rest warnings.
        if (k <= 10) l->SetFontColor(G.ValidityIndex < 10 ? ui::clRed : ui::clWindowText);
        l->SetBounds(l->Left(), top, l->Width(), 20 * G.ValidityCodes[G.ValidityIndex - 1]);
        top += l->Height() + 10;
    }
    const ui::Label* lastLaidOut = MessageLabel(kLaidOut);
    const int height = n <= kLaidOut ? lastLaidOut->Top() + lastLaidOut->Height() + 10 - 10 * (kLaidOut - n)
                                     : MessageLabel(n)->Top() + MessageLabel(n)->Height() + 10;
    Panel1->SetHeight(height);
}

void TPlatnost_F::FormKeyUp(ui::Word& key) {
    if (key == ui::VK_ESCAPE) Close();
}

}  // namespace karvelo
