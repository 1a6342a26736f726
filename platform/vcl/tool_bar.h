#pragma once
// TToolBar and TToolButton. The buttons sit side by side in the bar in the order they were added;
// a tool bar's command identifiers are its button positions. A click on a button tells the bar's
// parent WM_COMMAND with the button's position (the parent reflects it, and the bar clicks the
// button); a press on the arrow of a drop-down button tells TBN_DROPDOWN with its position and
// then shows the button's DropdownMenu. A button's mnemonic (Alt+key, or the key alone while the
// bar has the focus) clicks it or drops its menu down directly, without a WM_COMMAND.

#include <string>
#include <vector>

#include "platform/vcl/win_control.h"

class TMenuItem;
class TPopupMenu;
class TToolBar;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

class TToolButton : public TControl {
  COMPONENT_CLASS(TToolButton)

 public:
  explicit TToolButton(TComponent* owner);
  ~TToolButton() override;

  TToolButtonStyle Style() const { return FStyle; }
  void SetStyle(TToolButtonStyle value);
  // A check button's state; a click toggles it.
  bool Down() const { return FDown; }
  void SetDown(bool value) { FDown = value; }
  // The menu item the button clicks when it has no OnClick and no action.
  TMenuItem* MenuItem() const { return FMenuItem; }
  void SetMenuItem(TMenuItem* value);
  // The menu a drop-down button's arrow (or its mnemonic) shows below the button.
  TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
  void SetDropdownMenu(TPopupMenu* value);
  // The button's position in its tool bar, -1 outside one.
  int Index() const;
  TToolBar* ToolBar() const;
  // Whether the button can be pressed (not a separator or divider).
  bool IsButton() const { return FStyle != tbsSeparator && FStyle != tbsDivider; }
  // The width of a drop-down button's arrow part, at its right end.
  static constexpr int kArrowWidth = 12;

  TNotifyEvent OnClick;
  // OnClick when assigned, else the action's Execute, else the menu item's Click; a check button
  // toggles Down first.
  virtual void Click();
  // Shows the DropdownMenu below the button (or the menu item's sub-items); answers whether it
  // had a menu to show.
  bool CheckMenuDropdown();

  void SetParent(TWinControl* parent) override;
  void SetAction(TAction* value) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TToolButtonStyle FStyle = tbsButton;
  bool FDown = false;
  TMenuItem* FMenuItem = nullptr;
  TPopupMenu* FDropdownMenu = nullptr;
};

class TToolBar : public TWinControl {
  COMPONENT_CLASS(TToolBar)

 public:
  explicit TToolBar(TComponent* owner);
  ~TToolBar() override;

  int ButtonCount() const { return static_cast<int>(FButtons.size()); }
  // Raises EListError out of range.
  TToolButton* Buttons(int index) const;
  bool ShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool value) { FShowCaptions = value; }
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int value);
  int ButtonHeight() const { return FButtonHeight; }
  void SetButtonHeight(int value);
  // Whether the bar and every parent up to its form are visible.
  bool Showing() const;

  // The button (separators included) under a client point, or nullptr.
  TToolButton* ButtonAt(POINT point) const;
  // Whether a client point lies on the arrow of a drop-down button.
  bool OnArrow(const TToolButton& button, POINT point) const;
  // The visible, enabled button whose caption has the mnemonic `key` (a character), or nullptr.
  TToolButton* FindAccelButton(WORD key) const;

  void WndProc(TMessage& message) override;
  // The buttons read from a form file take their places in the bar, whatever bounds it gave.
  void ReadCompleted() override;

 private:
  friend class TToolButton;
  void InsertButton(TToolButton* button);
  void RemoveButton(TToolButton* button);
  // Lays the buttons out from the left edge, each as wide as its style makes it.
  void ArrangeButtons();
  void ButtonPressed(TToolButton* button, POINT point);
  void ButtonReleased(POINT point);
  void DropDown(TToolButton& button);

  std::vector<TToolButton*> FButtons;
  bool FShowCaptions = false;
  int FButtonWidth = 23;
  int FButtonHeight = 22;
  TToolButton* FPressed = nullptr;     // the button a press began on
  TToolButton* FMenuButton = nullptr;  // the button whose menu item's sub-items are dropped down
};
