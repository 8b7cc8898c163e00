#include "karvelo/forms/InputWindow.h"

#include <algorithm>
#include <utility>

#include "karvelo/calc/Global.h"

namespace karvelo {

void ShowHelpTopic(unsigned long context) {
    if (!ui::Help(kHelpFile, ui::HELP_CONTEXT, context)) ui::ShowMessage("Error");
}

void HelpKeyUp(ui::Word key, unsigned long context) {
    if (key == ui::VK_F1) ShowHelpTopic(context);
}

void CountStaticOverloads() {
    G.StaticOverloadCountF1 = G.StaticOverloadCountH1 = G.StaticOverloadCountF2 = G.StaticOverloadCountH2 = 0;
    for (int i = 1; i <= std::clamp<int>(G.LevelCount, 0, kMaxLevels); ++i) {
        if (G.SigmaF1Level[i] > G.Sigmafpb1stat) ++G.StaticOverloadCountF1;
        if (G.SigmaH1Level[i] > G.SigmaHP1stat) ++G.StaticOverloadCountH1;
        if (G.SigmaF2Level[i] > G.Sigmafpb2stat) ++G.StaticOverloadCountF2;
        if (G.SigmaH2Level[i] > G.SigmaHP2stat) ++G.StaticOverloadCountH2;
    }
}

bool AnyStaticOverload() {
    return G.StaticOverloadCountF1 > 0 || G.StaticOverloadCountH1 > 0 || G.StaticOverloadCountF2 > 0 ||
           G.StaticOverloadCountH2 > 0;
}

MainWindowLinks& MainWindow() {
    static MainWindowLinks links;
    return links;
}

namespace {
constexpr int kRowHeight = 24;
constexpr int kLabelWidth = 110;
constexpr int kEditWidth = 80;
constexpr int kColumnWidth = kLabelWidth + kEditWidth + 30;
}  // namespace

FieldColumn::FieldColumn(ui::Container* parent, int left, int top, int rows, std::vector<Field> fields) {
    int i = 0;
    for (Field& f : fields) {
        const int x = left + (i / rows) * kColumnWidth;
        const int y = top + (i % rows) * kRowHeight;
        const std::string n = std::to_string(f.number);
        auto* label = new ui::Label(parent, "FieldLabel" + n, {x, y + 3, kLabelWidth, 16}, f.label);
        auto* edit = new ui::Edit(parent, "Edit" + n, {x + kLabelWidth, y, kEditWidth, 21});
        edit->SetReadOnly(true);
        items_.push_back({std::move(f), label, edit});
        bottom_ = std::max(bottom_, y + kRowHeight);
        ++i;
    }
}

void FieldColumn::Fill() const {
    for (const Item& item : items_) item.edit->SetText(item.field.text());
}

ui::Edit* FieldColumn::Edit(int number) const {
    for (const Item& item : items_)
        if (item.field.number == number) return item.edit;
    return nullptr;
}

void FollowData(ui::CheckBox* box, std::function<bool()> state, bool* pressedFlag) {
    box->SetChecked(state());
    box->OnClick = [box, state = std::move(state), pressedFlag] {
        if (pressedFlag) *pressedFlag = false;
        // Setting the state again runs this handler once more, which then finds them equal.
        if (box->Checked() != state()) box->SetChecked(state());
    };
}

}  // namespace karvelo
