#include "ui/Controls.h"
#include "runtime/Cp1250.h"
#include "runtime/TextLine.h"

#include "ui/Form.h"
#include "ui/Internal.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QValidator>
#include <QWindow>

#include <algorithm>

namespace ui {

namespace {

QWidget* qtParent(Container* parent) { return parent ? parent->ClientWidget() : nullptr; }

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Places a control; zero sizes take the kind's default.
void place(Control* c, const Bounds& b, int defWidth, int defHeight) {
    c->SetBounds(b.Left, b.Top, b.Width > 0 ? b.Width : defWidth, b.Height > 0 ? b.Height : defHeight);
}

void drawEdge(QPainter& p, const QRect& r, BevelCut cut) {
    if (cut == BevelCut::None) return;
    const QColor light = ToQColor(clBtnHighlight), dark = ToQColor(clBtnShadow);
    const QColor& topLeft = cut == BevelCut::Raised ? light : dark;
    const QColor& bottomRight = cut == BevelCut::Raised ? dark : light;
    p.setPen(topLeft);
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom());
    p.setPen(bottomRight);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

QString oneLine(const QString& text) { return qs(rt::OneLine(text.toStdString())); }

// A single-line field holds no line break: whatever reaches it (a paste, a drop, a text the
// program sets) has each break as one blank, the caret kept after what stood before it.
class OneLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        if (!input.contains('\r') && !input.contains('\n')) return Acceptable;
        pos = int(oneLine(input.left(pos)).size());
        input = oneLine(input);
        return Acceptable;
    }
};

}  // namespace

// ---------------------------------------------------------------- Label

Label::Label(Container* parent, std::string name, Bounds b, std::string caption)
    : MouseControl(parent, std::move(name)), caption_(std::move(caption)) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    setIndent(0);
    setContentsMargins(0, 0, 0, 0);
    autoSize_ = b.Width <= 0;
    Control::SetBounds(b.Left, b.Top, std::max(b.Width, 1), std::max(b.Height, 1));
    ApplyFont();
}

void Label::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    refresh();
}

void Label::SetAutoSize(bool on) {
    autoSize_ = on;
    refresh();
}

void Label::SetWordWrap(bool on) {
    setWordWrap(on);
    refresh();
}

void Label::SetAlignment(ui::Alignment a) {
    Qt::Alignment h = a == ui::Alignment::Right    ? Qt::AlignRight
                      : a == ui::Alignment::Center ? Qt::AlignHCenter
                                                   : Qt::AlignLeft;
    setAlignment(h | Qt::AlignTop);
}

void Label::SetBounds(int left, int top, int width, int height) {
    Control::SetBounds(left, top, width, height);
    if (autoSize_) refresh();
}

void Label::ApplyFont() {
    Control::ApplyFont();
    refresh();
}

void Label::refresh() {
    std::string shown = ShowAccelChar ? StripAccel(caption_) : caption_;
    shown = DisplayText(shown);
    if (IsSymbolFont(Font().Name)) shown = SymbolToUnicode(shown);
    setText(qs(shown));
    if (autoSize_) {
        // As large as the text: the widest line, and as high as the lines are laid out
        // when drawn (each line advances by more than the font height).
        const QFontMetrics fm(font());
        const QStringList lines = text().split('\n');
        int w = 0;
        for (const QString& line : lines) w = std::max(w, fm.horizontalAdvance(line));
        if (wordWrap()) {
            const QSize hint = sizeHint();
            resize(hint.width(), hint.height());
        } else {
            const QRect laidOut = fm.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::AlignLeft | Qt::AlignTop, text());
            resize(w, laidOut.height());
        }
        if (Parent()) Parent()->ChildChanged(this);
    }
    if (Visible()) NotifyFormSurface();
}

// ---------------------------------------------------------------- Edit

Edit::Edit(Container* parent, std::string name, Bounds b, std::string text)
    : QLineEdit(qtParent(parent)), Control(this, parent, std::move(name)) {
    setValidator(new OneLineValidator(this));
    setText(qs(text));
    MarkUnedited();
    setContextMenuPolicy(Qt::NoContextMenu);
    place(this, b, 121, 21);
    SetColor(clWindow);
    ApplyFont();
}

std::string Edit::Text() const {
    const std::string shown = text().toStdString();
    return codePage_ ? rt::Utf8ToCp1250(shown) : shown;
}

std::string Edit::CharacterOutsideCodePage() const { return rt::FirstOutsideCp1250(text().toStdString()); }

// The same text again changes nothing: a selection or caret the user has stays.
void Edit::SetText(const std::string& text) {
    const QString t = oneLine(qs(codePage_ ? rt::Cp1250ToUtf8(text) : text));
    written_ = t;
    if (t == QLineEdit::text()) return;
    setText(t);
    setCursorPosition(0);
}

void Edit::DeliverKey(QKeyEvent* e, KeyChar replacement) { Control::DeliverKey(e, replacement); }

bool Edit::Unedited() const { return QLineEdit::text() == written_; }

void Edit::MarkUnedited() { written_ = QLineEdit::text(); }

// ---------------------------------------------------------------- Button

Button::Button(Container* parent, std::string name, Bounds b, std::string caption)
    : ButtonControl(parent, std::move(name), std::move(caption)) {
    setAutoDefault(false);
    setDefault(false);
    place(this, b, 75, 25);
    ApplyFont();
    QObject::connect(this, &QPushButton::clicked, [this] { Guarded([this] { Click(); }); });
}

void Button::Click() {
    if (Form* f = OwnerForm(); f && ModalResult != mrNone) f->ModalResult = ModalResult;
    Control::Click();
}

// ---------------------------------------------------------------- CheckBox

CheckBox::CheckBox(Container* parent, std::string name, Bounds b, std::string caption)
    : ButtonControl(parent, std::move(name), std::move(caption)) {
    place(this, b, 97, 17);
    ApplyFont();
    QObject::connect(this, &QCheckBox::clicked, [this] { Guarded([this] { Click(); }); });
}

void CheckBox::SetChecked(bool on) {
    if (on == isChecked()) return;
    SetCheckedQuietly(on);
    Click();
}

void CheckBox::SetCheckedQuietly(bool on) {
    QSignalBlocker block(this);
    setChecked(on);
}

void CheckBox::SetAlignment(ui::Alignment a) {
    setLayoutDirection(a == ui::Alignment::Left ? Qt::RightToLeft : Qt::LeftToRight);
}

// ---------------------------------------------------------------- RadioButton

RadioButton::RadioButton(Container* parent, std::string name, Bounds b, std::string caption)
    : ButtonControl(parent, std::move(name), std::move(caption)) {
    setAutoExclusive(false);
    place(this, b, 113, 17);
    ApplyFont();
    QObject::connect(this, &QRadioButton::clicked, [this] {
        if (!wasChecked_) Guarded([this] { Click(); });
    });
}

void RadioButton::uncheckSiblings() {
    if (!Parent()) return;
    for (Control* c : Parent()->Controls())
        if (auto* r = dynamic_cast<RadioButton*>(c); r && r != this && r->isChecked()) {
            QSignalBlocker block(r);
            r->setChecked(false);
        }
}

void RadioButton::SetChecked(bool on) {
    if (on == isChecked()) return;
    SetCheckedQuietly(on);
    if (on) Click();
}

void RadioButton::SetCheckedQuietly(bool on) {
    if (on) uncheckSiblings();
    QSignalBlocker block(this);
    setChecked(on);
}

void RadioButton::UserClick() {
    if (!isChecked()) SetChecked(true);
}

void RadioButton::nextCheckState() {
    wasChecked_ = isChecked();
    if (!wasChecked_) {
        uncheckSiblings();
        setChecked(true);
    }
}

bool RadioButton::TabStop() const { return Control::TabStop() && isChecked(); }

// ---------------------------------------------------------------- GroupBox

GroupBox::GroupBox(Container* parent, std::string name, Bounds b, std::string caption)
    : MouseControl(parent, std::move(name)), caption_(std::move(caption)) {
    setTitle(qs(caption_));
    setFlat(false);
    place(this, b, 185, 105);
    ApplyFont();
}

void GroupBox::SetCaption(const std::string& caption) {
    caption_ = caption;
    setTitle(qs(caption_));
}

void GroupBox::Accelerate() {
    if (Form* f = OwnerForm()) f->SelectFirst(this);
}

void GroupBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm(font());
    const int top = fm.height() / 2;
    const QRect frame(0, top, width() - 2, height() - top - 2);
    p.setPen(ToQColor(clBtnShadow));
    p.drawRect(frame);
    p.setPen(ToQColor(clBtnHighlight));
    p.drawRect(frame.translated(1, 1));
    const QString text = QString::fromStdString(StripAccel(caption_));
    if (text.isEmpty()) return;
    const QRect label(8, 0, fm.horizontalAdvance(text) + 2, fm.height());
    p.fillRect(label, palette().color(QPalette::Window));
    p.setFont(font());
    p.setPen(isEnabled() ? ToQColor(Font().Color) : ToQColor(clGrayText));
    p.drawText(label.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
}

// ---------------------------------------------------------------- RadioGroup

// An item of a radio group: a tab stop while checked (or first of an unchecked group);
// the arrow keys step through the group.
class RadioGroup::Button : public RadioButton {
public:
    Button(RadioGroup* group, std::string name, std::string caption)
        : RadioButton(group, std::move(name), {}, std::move(caption)), group_(group) {}
    bool TabStop() const override {
        return RadioButton::TabStop() || (Control::TabStop() && group_->ItemIndex() < 0 && group_->Item(0) == this);
    }
    void DeliverKey(QKeyEvent* e, KeyChar replacement) override {
        if (e->type() == QEvent::KeyPress) {
            const int by = e->key() == Qt::Key_Down || e->key() == Qt::Key_Right ? 1
                           : e->key() == Qt::Key_Up || e->key() == Qt::Key_Left  ? -1
                                                                                 : 0;
            if (by) return group_->step(this, by);
        }
        RadioButton::DeliverKey(e, replacement);
    }

private:
    RadioGroup* group_;
};

RadioGroup::RadioGroup(Container* parent, std::string name, Bounds b, std::string caption,
                       const std::vector<std::string>& items)
    : GroupBox(parent, std::move(name), b, std::move(caption)) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto* item = new Button(this, Name() + "Item" + std::to_string(i), items[i]);
        item->OnClick = [this] {
            if (OnClick) OnClick();
        };
        items_.push_back(item);
    }
    arrange();
}

int RadioGroup::ItemIndex() const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->Checked()) return int(i);
    return -1;
}

void RadioGroup::SetItemIndex(int index) {
    if (index >= 0 && index < Count()) {
        items_[std::size_t(index)]->SetChecked(true);
        return;
    }
    for (RadioButton* item : items_) item->SetChecked(false);
}

RadioButton* RadioGroup::Item(int index) const {
    return index >= 0 && index < Count() ? items_[std::size_t(index)] : nullptr;
}

void RadioGroup::SetBounds(int left, int top, int width, int height) {
    GroupBox::SetBounds(left, top, width, height);
    arrange();
}

void RadioGroup::mouseReleaseEvent(QMouseEvent* e) { FireMouseUp(e, false); }

void RadioGroup::arrange() {
    if (items_.empty()) return;
    const int top = QFontMetrics(font()).height();
    const int row = std::max(1, (Height() - top - 4) / Count());
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const int h = std::min(17, row);
        items_[i]->SetBounds(8, top + int(i) * row + (row - h) / 2, std::max(1, Width() - 16), h);
    }
}

// The focus moves to the next enabled item in that direction (round the group) and the
// item is checked as by a click, unless the move was refused.
void RadioGroup::step(const RadioButton* from, int by) {
    const int n = Count();
    const int at = int(std::find(items_.begin(), items_.end(), from) - items_.begin());
    for (int k = 1; k < n; ++k) {
        RadioButton* next = items_[std::size_t(((at + by * k) % n + n) % n)];
        if (!next->CanFocus()) continue;
        Form* f = OwnerForm();
        if (!f) return;
        f->SetActiveControl(next);
        if (f->ActiveControl() == next) next->UserClick();
        return;
    }
}

// ---------------------------------------------------------------- Panel

Panel::Panel(Container* parent, std::string name, Bounds b) : MouseControl(parent, std::move(name)) {
    setFrameShape(QFrame::NoFrame);
    place(this, b, 185, 41);
    ApplyFont();
}

void Panel::SetCaption(const std::string& caption) {
    caption_ = caption;
    update();
}

void Panel::SetBevelOuter(BevelCut cut) {
    outer_ = cut;
    update();
}

void Panel::SetBevelInner(BevelCut cut) {
    inner_ = cut;
    update();
}

void Panel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect().adjusted(0, 0, -1, -1);
    drawEdge(p, r, outer_);
    if (outer_ != BevelCut::None) r.adjust(1, 1, -1, -1);
    drawEdge(p, r, inner_);
    if (!caption_.empty()) {
        p.setPen(ToQColor(Font().Color));
        p.setFont(font());
        p.drawText(rect(), Qt::AlignCenter, qs(StripAccel(caption_)));
    }
}

// ---------------------------------------------------------------- Bevel

Bevel::Bevel(Container* parent, std::string name, Bounds b)
    : QWidget(qtParent(parent)), Control(this, parent, std::move(name)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place(this, b, 50, 50);
}

void Bevel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    const BevelCut other = Style == BevelCut::Raised ? BevelCut::Lowered : BevelCut::Raised;
    const QColor first = ToQColor(Style == BevelCut::Raised ? clBtnHighlight : clBtnShadow);
    const QColor second = ToQColor(Style == BevelCut::Raised ? clBtnShadow : clBtnHighlight);
    switch (Shape) {
        case BevelShape::Box: drawEdge(p, r, Style); break;
        case BevelShape::Frame:
            drawEdge(p, r, Style);
            drawEdge(p, r.adjusted(1, 1, -1, -1), other);
            break;
        case BevelShape::TopLine:
            p.setPen(first);
            p.drawLine(0, 0, width() - 1, 0);
            p.setPen(second);
            p.drawLine(0, 1, width() - 1, 1);
            break;
        case BevelShape::BottomLine:
            p.setPen(first);
            p.drawLine(0, height() - 2, width() - 1, height() - 2);
            p.setPen(second);
            p.drawLine(0, height() - 1, width() - 1, height() - 1);
            break;
        case BevelShape::LeftLine:
            p.setPen(first);
            p.drawLine(0, 0, 0, height() - 1);
            p.setPen(second);
            p.drawLine(1, 0, 1, height() - 1);
            break;
        case BevelShape::RightLine:
            p.setPen(first);
            p.drawLine(width() - 2, 0, width() - 2, height() - 1);
            p.setPen(second);
            p.drawLine(width() - 1, 0, width() - 1, height() - 1);
            break;
    }
}

// ---------------------------------------------------------------- ScrollBox

ScrollBox::ScrollBox(Container* parent, std::string name, Bounds b)
    : QScrollArea(qtParent(parent)), Container(this, parent, std::move(name)), content_(new QWidget) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setWidgetResizable(false);
    content_->setObjectName(QString::fromStdString(Name() + ".client"));
    content_->setFocusPolicy(Qt::NoFocus);
    setWidget(content_);
    content_->installEventFilter(this);
    place(this, b, 185, 41);
    ApplyFont();
    ChildChanged(nullptr);
}

void ScrollBox::ChildChanged(Control*) {
    int w = 0, h = 0;
    for (Control* c : Controls()) {
        if (!c->Visible()) continue;
        w = std::max(w, c->Left() + c->Width());
        h = std::max(h, c->Top() + c->Height());
    }
    content_->resize(std::max(w, viewport()->width()), std::max(h, viewport()->height()));
}

bool ScrollBox::eventFilter(QObject* watched, QEvent* e) {
    if (watched == content_ && e->type() == QEvent::ChildAdded) {
        if (auto* w = qobject_cast<QWidget*>(static_cast<QChildEvent*>(e)->child())) w->installEventFilter(this);
    } else if (watched != content_ && (e->type() == QEvent::Move || e->type() == QEvent::Resize ||
                                       e->type() == QEvent::Show || e->type() == QEvent::Hide)) {
        ChildChanged(nullptr);
    }
    return QScrollArea::eventFilter(watched, e);
}

void ScrollBox::mousePressEvent(QMouseEvent* e) { FireMouseDown(e); }
void ScrollBox::mouseReleaseEvent(QMouseEvent* e) { FireMouseUp(e, true); }

// ---------------------------------------------------------------- ComboBox

ComboBox::ComboBox(Container* parent, std::string name, Bounds b, std::vector<std::string> items)
    : QComboBox(qtParent(parent)), Control(this, parent, std::move(name)) {
    setEditable(false);
    SetItems(items);
    place(this, b, 145, 21);
    ApplyFont();
    QObject::connect(this, &QComboBox::activated, [this](int) {
        Guarded([this] {
            Click();
            if (OnChange) OnChange();
        });
    });
}

std::vector<std::string> ComboBox::Items() const {
    std::vector<std::string> v;
    for (int i = 0; i < count(); ++i) v.push_back(itemText(i).toStdString());
    return v;
}

void ComboBox::SetItems(const std::vector<std::string>& items) {
    QSignalBlocker block(this);
    clear();
    for (const auto& s : items) addItem(qs(s));
    setCurrentIndex(-1);
}

void ComboBox::AddItem(const std::string& item) {
    QSignalBlocker block(this);
    const int keep = currentIndex();
    addItem(qs(item));
    setCurrentIndex(keep);
}

void ComboBox::SetItemIndex(int index) {
    QSignalBlocker block(this);
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

std::string ComboBox::Text() const { return currentIndex() >= 0 ? currentText().toStdString() : std::string(); }

void ComboBox::DeliverKey(QKeyEvent* e, KeyChar replacement) { Control::DeliverKey(e, replacement); }

// ---------------------------------------------------------------- PaintBox

PaintBox::PaintBox(Container* parent, std::string name, Bounds b) : MouseControl(parent, std::move(name)) {
    setMouseTracking(true);
    place(this, b, 105, 105);
    ApplyFont();
}

void PaintBox::SetBounds(int left, int top, int width, int height) {
    Control::SetBounds(left, top, width, height);
    if (buffer_.size() != size()) {
        QResizeEvent ev(size(), buffer_.size());
        resizeEvent(&ev);
    }
}

void PaintBox::resizeEvent(QResizeEvent*) {
    if (buffer_.size() == size()) return;
    canvas_.Flush();
    QImage next(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    next.fill(ToQColor(Color()));
    if (!buffer_.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, buffer_);
    }
    buffer_ = std::move(next);
}

void PaintBox::runOnPaint() {
    if (inPaint_) return;
    inPaint_ = true;
    // Also when the handler throws.
    const auto done = qScopeGuard([this] {
        canvas_.ResetClip();
        canvas_.Flush();
        inPaint_ = false;
    });
    canvas_.Font = Font();
    canvas_.Brush.Color = Color();
    canvas_.Brush.Style = BrushStyle::Solid;
    if (OnPaint) OnPaint();
}

void PaintBox::paintEvent(QPaintEvent*) {
    Guarded([this] { runOnPaint(); });
    QPainter p(this);
    p.drawImage(0, 0, buffer_);
}

void PaintBox::Repaint() {
    if (!isVisible()) return;
    if (window()->windowHandle() && window()->windowHandle()->isExposed()) {
        repaint();
    } else {
        // Not on the screen yet: paint into the picture now, show it when exposed.
        runOnPaint();
        update();
    }
}

QImage PaintBox::Picture() {
    runOnPaint();
    canvas_.Flush();
    return buffer_;
}

// ---------------------------------------------------------------- Image

Image::Image(Container* parent, std::string name, Bounds b) : MouseControl(parent, std::move(name)) {
    setMouseTracking(true);
    place(this, b, 105, 105);
}

void Image::SetPicture(const QImage& picture) {
    picture_ = picture;
    prepare();
}

bool Image::LoadFromFile(const std::string& fileName) {
    QImage img;
    if (!img.load(qs(fileName))) return false;
    SetPicture(img);
    return true;
}

void Image::SetTransparent(bool on) {
    transparent_ = on;
    prepare();
}

void Image::SetAutoSize(bool on) {
    autoSize_ = on;
    prepare();
}

void Image::prepare() {
    shown_ = picture_.convertToFormat(QImage::Format_ARGB32);
    if (transparent_ && !shown_.isNull()) {
        const QRgb key = shown_.pixel(0, shown_.height() - 1);
        for (int y = 0; y < shown_.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(shown_.scanLine(y));
            for (int x = 0; x < shown_.width(); ++x)
                if (line[x] == key) line[x] = qRgba(0, 0, 0, 0);
        }
    }
    if (autoSize_ && !picture_.isNull()) SetBounds(Left(), Top(), picture_.width(), picture_.height());
    update();
}

void Image::paintEvent(QPaintEvent*) {
    if (shown_.isNull()) return;
    QPainter p(this);
    if (Stretch)
        p.drawImage(rect(), shown_);
    else if (Center)
        p.drawImage((width() - shown_.width()) / 2, (height() - shown_.height()) / 2, shown_);
    else
        p.drawImage(0, 0, shown_);
}

}  // namespace ui
