#pragma once
// Menus of the framework: menu items with captions ("&File"), shortcuts, command identifiers,
// enabled, checked and visible states, sub-items and actions; main menus (a form's menu bar) and
// popup menus (shown for a control by a right click or by program code). Each menu keeps the system
// menus of its items up to date, finds its items by command, sub-menu handle or shortcut, and
// clicks the item of a chosen command.

#include <string>
#include <string_view>
#include <vector>

#include "platform/sysutils.h"
#include "platform/vcl/component.h"
#include "platform/vcl/keyboard.h"
#include "platform/win32/menus.h"

// A menu item used in a way its place in the tree does not allow.
class EMenuError : public Exception {
 public:
  using Exception::Exception;
  const char* ClassName() const override { return "EMenuError"; }
};

class TAction;
class TControl;
class TMenu;

class TMenuItem : public TComponent {
  COMPONENT_CLASS(TMenuItem)

 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);
  // An invisible item is left out of its system menu, so the mouse cannot choose it; its shortcut
  // still clicks it, as long as it and the items above it are enabled.
  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut value);
  // The shortcut as form files store it ("Ctrl+O").
  std::string ShortCutText() const { return ShortCutToText(FShortCut); }
  void SetShortCutText(const std::string& value) { SetShortCut(TextToShortCut(value)); }
  // The action whose caption, state and shortcut the item shows and which a click executes.
  TAction* Action() const { return FAction; }
  void SetAction(TAction* value);

  // The identifier of the item's WM_COMMAND, unique among the live items of the process.
  WORD Command() const { return FCommand; }
  // The system menu that holds the sub-items (created on first use).
  HMENU Handle();

  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems.at(static_cast<size_t>(index)); }
  TMenuItem* Parent() const { return FParent; }
  int MenuIndex() const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  // The sub-item with this caption as written ("&Open"), or nullptr.
  TMenuItem* Find(std::string_view caption) const;

  TNotifyEvent OnClick;
  // OnClick when assigned, else the action's Execute.
  virtual void Click();

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMenu;
  friend class TMainMenu;
  void ActionChanged(const TAction& action);
  // Refills the system menu of this item from its sub-items.
  void RebuildHandle();
  void Changed();

  std::string FCaption;
  bool FEnabled = true;
  bool FChecked = false;
  bool FVisible = true;
  TShortCut FShortCut = 0;
  TAction* FAction = nullptr;
  WORD FCommand = 0;
  HMENU FHandle = 0;
  bool FPopupHandle = true;  // the root of a main menu holds a menu bar instead
  TMenu* FMenu = nullptr;    // set on the root item of a menu
  TMenuItem* FParent = nullptr;
  std::vector<TMenuItem*> FItems;
};

enum class TFindItemKind { fkCommand, fkHandle, fkShortCut };

class TMenu : public TComponent {
  COMPONENT_CLASS(TMenu)

 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  // The root item; its sub-items are the menu's top-level items.
  TMenuItem* Items() const { return FItems; }
  HMENU Handle() const { return FItems->Handle(); }

  TMenuItem* FindItem(uint32_t value, TFindItemKind kind) const;
  // Clicks the item with this shortcut when it and every item above it are enabled.
  bool IsShortCut(TShortCut shortCut);
  // Clicks the item of a chosen command.
  bool DispatchCommand(WORD command);
  // Clicks the item whose sub-menu is about to open.
  bool DispatchPopup(HMENU subMenu);

  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

 protected:
  TMenuItem* FItems;
};

class TMainMenu : public TMenu {
  COMPONENT_CLASS(TMainMenu)

 public:
  explicit TMainMenu(TComponent* owner);
};

class TPopupMenu : public TMenu {
  COMPONENT_CLASS(TPopupMenu)

 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  // Shows the menu at a screen point and runs the menu loop; the chosen command comes to the
  // menu's hidden window, which clicks its item.
  void Popup(int x, int y);
  // The control whose right click opened the menu.
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* value) { FPopupComponent = value; }
  HWND WindowHandle() const { return FWindow; }
  TNotifyEvent OnPopup;

 private:
  HWND FWindow = 0;
  TComponent* FPopupComponent = nullptr;
};

// Opens the control's popup menu at a screen point, as a right click does; answers whether the
// control has one.
bool ShowContextPopup(TControl* control, POINT screenPoint);
