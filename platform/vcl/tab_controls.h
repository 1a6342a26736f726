#pragma once
// Tab controls: a row of tabs along the top edge, one of them chosen. A click on a tab, or an
// arrow key while the control has the focus, asks the parent with TCN_SELCHANGING (a non-zero
// answer keeps the current tab) and then tells it TCN_SELCHANGE, by which time TabIndex is the
// new tab. Program code that sets TabIndex notifies nobody. A page control is a tab control whose
// tabs are the captions of its visible tab sheets; choosing a tab shows its sheet, and Ctrl+Tab
// (Ctrl+Shift+Tab) anywhere inside it moves to the next (previous) page as a click would.

#include <functional>
#include <vector>

#include "platform/vcl/std_control.h"

class TTabSheet;

class TCustomTabControl : public TStdControl {
  COMPONENT_CLASS(TCustomTabControl)

 public:
  explicit TCustomTabControl(TComponent* owner);

  TStrings* Tabs() const { return &FTabs; }
  // -1 for none. Raises EInvalidOperation for an index below -1 or beyond the tabs.
  int TabIndex() const { return FTabIndex; }
  void SetTabIndex(int value);

  // A tab's rectangle in client coordinates: the tabs share the top row, each as wide as its
  // text asks, narrowed alike when the row is too short for them all.
  RECT TabRect(int index) const;
  // The tab under a client point, or -1.
  int TabAtPoint(POINT point) const;
  // The client area below the tabs.
  RECT DisplayRect() const;

  TNotifyEvent OnChange;
  // Asked before the user's choice of another tab; clearing `allowChange` refuses it.
  std::function<void(TObject* sender, bool& allowChange)> OnChanging;

  void WndProc(TMessage& message) override;

 protected:
  // The user chooses the tab `index`: TCN_SELCHANGING, then TCN_SELCHANGE, unless refused.
  void ChooseTab(int index);
  // The tab changed by the user's choice (TCN_SELCHANGE came back).
  virtual void Change();
  // The tab that Ctrl+Tab (forward) or Ctrl+Shift+Tab leads to from the current one.
  int NextTab(bool goForward) const;

  mutable TItemStrings FTabs;
  int FTabIndex = -1;
};

class TTabControl : public TCustomTabControl {
  COMPONENT_CLASS(TTabControl)

 public:
  using TCustomTabControl::TCustomTabControl;
};

class TPageControl : public TCustomTabControl {
  COMPONENT_CLASS(TPageControl)

 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(FPages.size()); }
  TTabSheet* Pages(int index) const;  // raises EListError out of range
  // The sheet shown; setting it (program code) notifies nobody. A sheet of another page control
  // raises EInvalidOperation.
  TTabSheet* ActivePage() const { return FActivePage; }
  void SetActivePage(TTabSheet* page);
  // The page of a tab, or nullptr.
  TTabSheet* PageOfTab(int tabIndex) const;

  void WndProc(TMessage& message) override;
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void Change() override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  // The tabs follow the captions and tab visibility of the pages.
  void UpdateTabs();
  bool FocusIsInside();

  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
};

class TTabSheet : public TWinControl {
  COMPONENT_CLASS(TTabSheet)

 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;

  // The page control the sheet belongs to: its parent, when that is a page control.
  TPageControl* PageControl() const { return FPageControl; }
  void SetPageControl(TPageControl* value) { SetParent(value); }
  // Whether the sheet has a tab; a sheet without one can still be the active page.
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool value);
  // The sheet's place among its page control's pages; -1 without one.
  int PageIndex() const;
  // The sheet's tab among the visible tabs; -1 without one.
  int TabIndex() const;

  void SetParent(TWinControl* parent) override;
  // A page control keeps its sheets in the area below its tabs, whatever bounds they are given.
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void DoSetText(const std::string& value) override;

 private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
  bool FTabVisible = true;
};
