// The controls of the forms layer.  Each is created with its parent container, its
// name (the window's field name; also the Qt objectName), its place and its caption or
// text:   Button8 = new ui::Button(this, "Button8", {74, 322, 89, 33}, "Calculation");
// The parent owns it (Qt parent-child).  A width or height of 0 takes the kind's
// default size; a Label with width 0 sizes itself to its caption.
#pragma once

#include "ui/Canvas.h"
#include "ui/Control.h"
#include "ui/MouseControl.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QWidget>

#include <string>
#include <vector>

namespace ui {

// A text label; not focusable, its container is the message target.  Caption "\r"
// breaks lines; '&' marks are hidden (ShowAccelChar).  Text in the "Symbol" font is
// shown as Greek letters.
class Label : public MouseControl<QLabel> {
public:
    Label(Container* parent, std::string name, Bounds b = {}, std::string caption = {});
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    void SetWordWrap(bool on);
    void SetAlignment(ui::Alignment a);
    bool ShowAccelChar = true;
    void SetBounds(int left, int top, int width, int height) override;
    bool IsWindowed() const override { return false; }

protected:
    void ApplyFont() override;

private:
    void refresh();
    std::string caption_;
    bool autoSize_ = true;
};

// A single-line edit.  Setting Text fires no event.  It never holds a line break: each CR LF,
// CR or LF pasted, dropped or set becomes one blank.
class Edit : public QLineEdit, public Control {
public:
    Edit(Container* parent, std::string name, Bounds b = {}, std::string text = {});
    std::string Text() const;
    void SetText(const std::string& text);
    // A field whose text goes into the 8-bit files: Text() and SetText() hold the text in
    // the files' code page (runtime/Cp1250.h), and the field shows it decoded.
    void SetCodePageText(bool on) { codePage_ = on; }
    // The first character the field shows that the code page lacks, "" when none.
    std::string CharacterOutsideCodePage() const;
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool on) { setReadOnly(on); }
    void SelectAll() { selectAll(); }
    bool TakesFocus() const override { return true; }
    bool WantsChars() const override { return true; }
    void FocusedByKeyboard() override { selectAll(); }
    void DeliverKey(QKeyEvent* e, KeyChar replacement) override;

    // The text the program last wrote (the created text, SetText, also of the same text again)
    // told from what the user typed: Unedited() while the edit shows exactly that text, also
    // when the user typed it again.  MarkUnedited() makes the text shown now count as written.
    bool Unedited() const;
    void MarkUnedited();

private:
    QString written_;
    bool codePage_ = false;
};

// What push buttons, check boxes and radio buttons share: a caption with an
// accelerator, the focus, the Space key, and a press that only the layer cancels.
template <class QtButton>
class ButtonControl : public QtButton, public Control {
public:
    ButtonControl(Container* parent, std::string name, std::string caption)
        : QtButton(parent ? parent->ClientWidget() : nullptr),
          Control(this, parent, std::move(name)),
          caption_(std::move(caption)) {
        QtButton::setText(QString::fromStdString(caption_));
    }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) {
        caption_ = caption;
        QtButton::setText(QString::fromStdString(caption_));
    }
    bool TakesFocus() const override { return true; }
    char16_t Accelerator() const override { return AccelChar(caption_); }
    // The accelerator: the focus moves here (exit chain), then the user's click.
    void Accelerate() override {
        if (TakeFocusForAccelerator()) UserClick();
    }
    // Space on the focused control is the user's click.
    void DeliverKey(QKeyEvent* e, KeyChar replacement) override {
        if (IsSpacePress(e, replacement)) UserClick();
    }
    // The whole control reacts to the mouse, not only its box and caption.
    bool hitButton(const QPoint& pos) const override { return QtButton::rect().contains(pos); }
    // A click as the user makes it.
    virtual void UserClick() = 0;

protected:
    // Focus belongs to the layer: a Qt focus change never cancels a press.
    void focusOutEvent(QFocusEvent* e) override { QWidget::focusOutEvent(e); }

private:
    std::string caption_;
};

// A push button.  ModalResult is set on the form when it is clicked (before
// OnClick); Default buttons are clicked by Enter outside edits, Cancel buttons by
// Esc.  Enter or Space on the focused button clicks it.
class Button : public ButtonControl<QPushButton> {
public:
    Button(Container* parent, std::string name, Bounds b = {}, std::string caption = {});
    int ModalResult = mrNone;
    bool Default = false;
    bool Cancel = false;
    void Click() override;
    void UserClick() override { Click(); }
};

// A check box.  Setting Checked fires OnClick when the state changes; a user click
// toggles it and fires OnClick.
class CheckBox : public ButtonControl<QCheckBox> {
public:
    CheckBox(Container* parent, std::string name, Bounds b = {}, std::string caption = {});
    bool Checked() const { return isChecked(); }
    void SetChecked(bool on);
    // Sets the state without OnClick: a window showing a choice whose handler acts on a change.
    void SetCheckedQuietly(bool on);
    void SetAlignment(ui::Alignment a);  // Left: caption on the left of the box
    // Toggles, then OnClick.
    void UserClick() override { SetChecked(!isChecked()); }
};

// A radio button; the radio buttons of one parent are exclusive.  Setting Checked
// to true fires OnClick when it was unchecked (the others uncheck silently);
// setting false fires nothing; a user click on a checked one does nothing.  Only
// the checked one of a group is a tab stop.
class RadioButton : public ButtonControl<QRadioButton> {
public:
    RadioButton(Container* parent, std::string name, Bounds b = {}, std::string caption = {});
    bool Checked() const { return isChecked(); }
    void SetChecked(bool on);
    // Sets the state (the others of the group unchecked) without OnClick.
    void SetCheckedQuietly(bool on);
    bool TabStop() const override;
    // Checks it (when unchecked), then OnClick.
    void UserClick() override;

protected:
    void nextCheckState() override;

private:
    void uncheckSiblings();
    bool wasChecked_ = false;
};

// A group box: a captioned frame that holds controls; children are placed from its
// top-left corner.  An accelerator in its caption focuses its first control.
class GroupBox : public MouseControl<QGroupBox, Container> {
public:
    GroupBox(Container* parent, std::string name, Bounds b = {}, std::string caption = {});
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    char16_t Accelerator() const override { return AccelChar(caption_); }
    void Accelerate() override;

protected:
    // An etched frame at half the caption height, the caption in its top line at 8.
    void paintEvent(QPaintEvent* e) override;

private:
    std::string caption_;
};

// A radio group: a group box holding a column of radio buttons, one per item (captions
// may be blank), spread evenly below the caption line.  ItemIndex is the checked item,
// -1 for none.  A user's click on an item checks it and fires the group's OnClick (a
// click on a checked item does nothing); SetItemIndex fires OnClick when the item
// changes, as RadioButton::SetChecked(true) does; a click on the box around the items
// fires nothing.  Only the checked item is a tab stop (the first one while none is
// checked); the arrow keys move to the previous or next item and check it.
class RadioGroup : public GroupBox {
public:
    RadioGroup(Container* parent, std::string name, Bounds b = {}, std::string caption = {},
               const std::vector<std::string>& items = {});
    int ItemIndex() const;
    void SetItemIndex(int index);
    int Count() const { return int(items_.size()); }
    // The button of an item (0-based), nullptr outside the items.
    RadioButton* Item(int index) const;
    void SetBounds(int left, int top, int width, int height) override;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    class Button;
    void arrange();
    void step(const RadioButton* from, int by);
    std::vector<RadioButton*> items_;
};

// A panel: a container with a raised edge (BevelOuter) and an optional caption.
class Panel : public MouseControl<QFrame, Container> {
public:
    Panel(Container* parent, std::string name, Bounds b = {});
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    void SetBevelOuter(BevelCut cut);
    void SetBevelInner(BevelCut cut);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::string caption_;
    BevelCut outer_ = BevelCut::Raised, inner_ = BevelCut::None;
};

// A bevel: a frame only.
class Bevel : public QWidget, public Control {
public:
    Bevel(Container* parent, std::string name, Bounds b = {});
    BevelShape Shape = BevelShape::Box;
    BevelCut Style = BevelCut::Lowered;
    bool IsWindowed() const override { return false; }

protected:
    void paintEvent(QPaintEvent* e) override;
};

// A scroll box: children are placed in its scrolled area, which grows to hold them.
class ScrollBox : public QScrollArea, public Container {
public:
    ScrollBox(Container* parent, std::string name, Bounds b = {});
    QWidget* ClientWidget() const override { return content_; }
    void ChildChanged(Control*) override;

protected:
    // Follows every move, resize, show and hide of the controls inside.
    bool eventFilter(QObject* watched, QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QWidget* content_;
};

// A drop-down list.  ItemIndex set from code fires nothing; a user pick fires
// OnClick, then OnChange.
class ComboBox : public QComboBox, public Control {
public:
    ComboBox(Container* parent, std::string name, Bounds b = {}, std::vector<std::string> items = {});
    std::vector<std::string> Items() const;
    void SetItems(const std::vector<std::string>& items);
    void AddItem(const std::string& item);
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);
    std::string Text() const;
    std::function<void()> OnChange;

    bool TakesFocus() const override { return true; }
    bool WantsChars() const override { return true; }
    void DeliverKey(QKeyEvent* e, KeyChar replacement) override;
};

// A paint box: OnPaint draws on its Canvas whenever Qt paints it (and whenever the
// program draws on the Canvas directly: the canvas keeps its picture).  The canvas
// font and brush are reset to the box's font and colour before each OnPaint; a
// clip set in OnPaint is released after it.
class PaintBox : public MouseControl<QWidget> {
public:
    PaintBox(Container* parent, std::string name, Bounds b = {});
    ui::Canvas& Canvas() { return canvas_; }
    std::function<void()> OnPaint;
    void SetBounds(int left, int top, int width, int height) override;
    void Repaint() override;
    bool IsWindowed() const override { return false; }
    // Runs OnPaint and returns the picture.
    QImage Picture();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void runOnPaint();
    QImage buffer_;
    ui::Canvas canvas_{&buffer_};
    bool inPaint_ = false;
};

// A picture.  Transparent makes the colour of its bottom-left pixel see-through.
class Image : public MouseControl<QWidget> {
public:
    Image(Container* parent, std::string name, Bounds b = {});
    void SetPicture(const QImage& picture);
    bool LoadFromFile(const std::string& fileName);
    const QImage& Picture() const { return picture_; }
    bool Stretch = false;
    bool Center = false;
    void SetTransparent(bool on);
    void SetAutoSize(bool on);
    bool IsWindowed() const override { return false; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void prepare();
    QImage picture_, shown_;
    bool transparent_ = false, autoSize_ = false;
};

}  // namespace ui
