#include "ui/PageControl.h"

#include "ui/Form.h"
#include "ui/Internal.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionTab>
#include <QStylePainter>

#include <algorithm>

namespace ui {

// The tab strip: a Qt tab bar driven by the page control (it never changes the tab
// by itself: presses are handled by the layer).
class PageControl::Tabs : public QTabBar {
public:
    explicit Tabs(PageControl* owner) : QTabBar(owner), owner_(owner) {
        setFocusPolicy(Qt::NoFocus);
        setDrawBase(false);
        setExpanding(false);
        setUsesScrollButtons(false);
    }

protected:
    QSize tabSizeHint(int index) const override {
        const QSize s = QTabBar::tabSizeHint(index);
        return QSize(s.width(), PageControl::TabHeight);
    }

    void paintEvent(QPaintEvent* e) override {
        if (!owner_->OwnerDraw || !owner_->OnDrawTab) {
            QTabBar::paintEvent(e);
            return;
        }
        QStylePainter p(this);
        for (int i = 0; i < count(); ++i) {
            if (!isTabVisible(i)) continue;
            QStyleOptionTab opt;
            initStyleOption(&opt, i);
            opt.text.clear();
            p.drawControl(QStyle::CE_TabBarTabShape, opt);
        }
        owner_->drawPainter_ = &p;
        // A tab handler that throws ends this paint.
        Guarded([&] {
            int visibleIndex = 0;
            for (int i = 0; i < count(); ++i) {
                if (!isTabVisible(i)) continue;
                const QRect r = tabRect(i);
                ui::Canvas& c = owner_->canvas_;
                c.Font = owner_->Font();
                c.Brush.Color = clBtnFace;
                c.Brush.Style = BrushStyle::Solid;
                c.Pen = {};
                c.ResetClip();
                owner_->OnDrawTab(visibleIndex, Rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1},
                                  i == currentIndex());
                ++visibleIndex;
            }
        });
        owner_->drawPainter_ = nullptr;
    }

private:
    PageControl* owner_;
};

// ---------------------------------------------------------------- TabSheet

TabSheet::TabSheet(PageControl* parent, std::string name, std::string caption)
    : MouseControl(parent, std::move(name)), pages_(parent), caption_(std::move(caption)) {
    setAutoFillBackground(false);
    ApplyFont();
    QWidget::hide();
    pages_->addPage(this);
}

TabSheet::~TabSheet() {
    if (pages_) pages_->removePage(this);
}

void TabSheet::SetCaption(const std::string& caption) {
    caption_ = caption;
    pages_->rebuildTabs();
}

void TabSheet::SetTabVisible(bool on) {
    if (on == tabVisible_) return;
    tabVisible_ = on;
    if (!on && pages_->active_ == this) {
        // The next visible page takes over (else the previous one).
        TabSheet* next = nullptr;
        const auto& v = pages_->pages_;
        const auto me = std::find(v.begin(), v.end(), this);
        for (auto it = me + 1; it != v.end() && !next; ++it)
            if ((*it)->tabVisible_) next = *it;
        for (auto it = me; it != v.begin() && !next;)
            if ((*--it)->tabVisible_) next = *it;
        pages_->changeActivePage(next);
    }
    pages_->rebuildTabs();
}

int TabSheet::PageIndex() const {
    const auto& v = pages_->pages_;
    return int(std::find(v.begin(), v.end(), this) - v.begin());
}

int TabSheet::TabIndex() const {
    if (!tabVisible_) return -1;
    int i = 0;
    for (TabSheet* p : pages_->pages_) {
        if (p == this) return i;
        if (p->tabVisible_) ++i;
    }
    return -1;
}

void TabSheet::CheckShowing() {
    const bool showing = Showing();
    if (showing && !wasShowing_) {
        wasShowing_ = true;
        if (OnShow) OnShow();
    } else if (!showing) {
        wasShowing_ = false;
    }
}

// ---------------------------------------------------------------- PageControl

PageControl::PageControl(Container* parent, std::string name, Bounds b)
    : QWidget(parent ? parent->ClientWidget() : nullptr),
      Container(this, parent, std::move(name)),
      tabs_(new Tabs(this)) {
    SetBounds(b.Left, b.Top, b.Width > 0 ? b.Width : 289, b.Height > 0 ? b.Height : 193);
    ApplyFont();
}

PageControl::~PageControl() {
    for (TabSheet* p : pages_) p->pages_ = nullptr;
}

void PageControl::addPage(TabSheet* page) {
    pages_.push_back(page);
    rebuildTabs();
    layoutPages();
    if (!active_) changeActivePage(page);
}

void PageControl::removePage(TabSheet* page) {
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    if (active_ == page) active_ = nullptr;
    rebuildTabs();
}

void PageControl::rebuildTabs() {
    QSignalBlocker block(tabs_);
    while (tabs_->count() > 0) tabs_->removeTab(0);
    for (TabSheet* p : pages_) {
        const int i = tabs_->addTab(QString::fromStdString(p->caption_));
        tabs_->setTabVisible(i, p->tabVisible_);
    }
    if (active_) tabs_->setCurrentIndex(active_->PageIndex());
    tabs_->setGeometry(2, 0, std::max(0, QWidget::width() - 4), TabHeight);
    tabs_->update();
}

Rect PageControl::DisplayRect() const {
    return {4, TabHeight + 4, std::max(4, QWidget::width() - 4), std::max(TabHeight + 4, QWidget::height() - 4)};
}

Rect PageControl::TabRect(int tabIndex) const {
    const TabSheet* p = PageOfTab(tabIndex);
    if (!p) return {};
    const QRect r = tabs_->tabRect(p->PageIndex()).translated(tabs_->pos());
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

void PageControl::layoutPages() {
    const Rect d = DisplayRect();
    for (TabSheet* p : pages_) p->QWidget::setGeometry(d.Left, d.Top, d.Width(), d.Height());
}

void PageControl::SetBounds(int left, int top, int width, int height) {
    Control::SetBounds(left, top, width, height);
    rebuildTabs();
    layoutPages();
}

void PageControl::resizeEvent(QResizeEvent*) {
    tabs_->setGeometry(2, 0, std::max(0, QWidget::width() - 4), TabHeight);
    layoutPages();
}

void PageControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r(0, TabHeight - 1, QWidget::width() - 1, QWidget::height() - TabHeight);
    p.setPen(ToQColor(clBtnHighlight));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(ToQColor(clBtnShadow));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

int PageControl::ActivePageIndex() const { return active_ ? active_->PageIndex() : -1; }

TabSheet* PageControl::PageOfTab(int tabIndex) const {
    int i = 0;
    for (TabSheet* p : pages_) {
        if (!p->tabVisible_) continue;
        if (i++ == tabIndex) return p;
    }
    return nullptr;
}

void PageControl::SetActivePage(TabSheet* page) { changeActivePage(page); }

void PageControl::changeActivePage(TabSheet* page) {
    if (page == active_) return;
    Form* f = OwnerForm();
    TabSheet* old = active_;
    if (f && old && f->ActiveControl() && f->ActiveControl()->IsWithin(old) && f->ActiveControl() != old) {
        f->SetActiveControl(old);
        if (f->ActiveControl() != old) return;  // the exit was refused
    }
    if (page) {
        page->raise();
        page->QWidget::show();
        if (f) f->UpdateSheetShowing();
        if (f && old && f->ActiveControl() == old)
            f->SetActiveControl(page->CanFocus() ? static_cast<Control*>(page) : this);
    }
    active_ = page;
    {
        QSignalBlocker block(tabs_);
        if (page) tabs_->setCurrentIndex(page->PageIndex());
    }
    if (old) {
        old->QWidget::hide();
        if (f) f->ControlWithdrawn(old);
    }
    if (f) f->UpdateSheetShowing();
    if (f && page && old && f->ActiveControl() == page) f->SelectFirst(page);
    tabs_->update();
}

void PageControl::UserSelect(TabSheet* page) {
    if (!page || page == active_) return;
    changeActivePage(page);
    if (active_ == page && OnChange) OnChange();
}

bool PageControl::HandlePress(int x, int y) {
    const QPoint p = tabs_->mapFrom(this, QPoint(x, y));
    if (!tabs_->rect().contains(p)) return false;
    const int i = tabs_->tabAt(p);
    if (i < 0) return true;
    UserSelect(pages_.at(std::size_t(i)));
    return true;
}

void PageControl::DeliverKey(QKeyEvent* e, KeyChar) {
    if (e->type() != QEvent::KeyPress || !active_) return;
    const int step = e->key() == Qt::Key_Right ? 1 : e->key() == Qt::Key_Left ? -1 : 0;
    if (!step) return;
    const int cur = active_->TabIndex();
    if (TabSheet* next = PageOfTab(cur + step)) UserSelect(next);
}

}  // namespace ui
