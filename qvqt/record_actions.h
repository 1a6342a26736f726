#pragma once
// Recording actions and menu commands: an action triggered gives the action record, and when it
// is a menu's item chosen in the menu or by its shortcut, the menu record follows it.

#include <QPointer>
#include <QWidget>
#include <string>

class QAction;
class QMenu;
class QObject;

// The menu record's text: "ActionName: " with the titles of the menus from the menu bar down
// (none for a menu that hangs from no menu bar), the item's text without its shortcut, and
// " [ ID = 0 ]": Qt's menu items have no command identifiers.
std::string MenuRecordText(const QMenu& menu, const QAction& item);

// Knows the widget of the user's last click or key, to tell what fired an action.
class TActionRecorder {
 public:
  // Connects to the action's trigger; `context` ends the connection when deleted.
  void Watch(QAction& action, QObject& context);
  // The user clicked or pressed a key in `widget`.
  void Input(QWidget& widget) { FInput = &widget; }
  // A shortcut goes to its action directly: no widget fires it.
  void Shortcut() { FInput = nullptr; }

 private:
  void Triggered(const QAction& action) const;
  // The menu of the menu record: the one the user chose the item in or, for a shortcut, the
  // first menu holding the action; nullptr when a button fired it.
  const QMenu* ItemMenu(const QAction& action) const;

  QPointer<QWidget> FInput;
};
