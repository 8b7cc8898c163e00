// PageControl and TabSheet: pages with tabs.
//
// Changing the page (a tab pressed, ActivePage set from code) follows the original:
// when the focus is inside the old page it first moves to the old page (OnExit of
// the focused control and its containers inside the page); a refused exit leaves
// the page as it was.  Then the old page's OnExit and the new page's OnEnter, the
// new page becomes visible (its OnShow), and the focus goes to the new page's first
// control.  When the focus is elsewhere it stays there and only the pages swap.
// OnChange follows a change the user made.  Pressing a tab does not focus the page
// control itself.
//
// OwnerDraw with OnDrawTab draws the tab captions: the handler draws on Canvas()
// (brush button face, the control's font) within the given rectangle.
#pragma once

#include "ui/Canvas.h"
#include "ui/Control.h"
#include "ui/MouseControl.h"

#include <QTabBar>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace ui {

class PageControl;

class TabSheet : public MouseControl<QWidget, Container> {
public:
    TabSheet(PageControl* parent, std::string name, std::string caption = {});
    ~TabSheet() override;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool on);
    // Place among all pages, and among the visible tabs (-1 when its tab is hidden).
    int PageIndex() const;
    int TabIndex() const;
    PageControl* Pages() const { return pages_; }

    std::function<void()> OnShow;

    bool TakesFocus() const override { return true; }
    bool TabStop() const override { return false; }
    void CheckShowing() override;

private:
    friend class PageControl;
    PageControl* pages_;
    std::string caption_;
    bool tabVisible_ = true;
    bool wasShowing_ = false;
};

class PageControl : public QWidget, public Container {
public:
    PageControl(Container* parent, std::string name, Bounds b = {});
    ~PageControl() override;

    int PageCount() const { return int(pages_.size()); }
    TabSheet* Page(int i) const { return pages_.at(std::size_t(i)); }
    TabSheet* ActivePage() const { return active_; }
    void SetActivePage(TabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int i) { SetActivePage(i >= 0 && i < PageCount() ? Page(i) : nullptr); }
    // The page of a visible tab index.
    TabSheet* PageOfTab(int tabIndex) const;

    bool OwnerDraw = false;
    std::function<void(int tabIndex, const Rect& rect, bool active)> OnDrawTab;
    std::function<void()> OnChange;
    // Valid while OnDrawTab runs.
    ui::Canvas& Canvas() { return canvas_; }

    // Height of the tab strip; pages lie below it inside a 4-pixel border.
    static constexpr int TabHeight = 20;
    Rect DisplayRect() const;
    Rect TabRect(int tabIndex) const;

    bool TakesFocus() const override { return true; }
    bool FocusOnClick() const override { return false; }
    void DeliverKey(QKeyEvent* e, KeyChar replacement) override;
    void SetBounds(int left, int top, int width, int height) override;
    // A press at a point of the control (its coordinates): true when it hit a tab.
    bool HandlePress(int x, int y);
    // A page change as the user makes it (then OnChange).
    void UserSelect(TabSheet* page);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    friend class TabSheet;
    class Tabs;
    void addPage(TabSheet* page);
    void removePage(TabSheet* page);
    void rebuildTabs();
    void layoutPages();
    void changeActivePage(TabSheet* page);

    std::vector<TabSheet*> pages_;
    TabSheet* active_ = nullptr;
    Tabs* tabs_;
    QPainter* drawPainter_ = nullptr;
    ui::Canvas canvas_{[this] { return drawPainter_; }};
};

}  // namespace ui
