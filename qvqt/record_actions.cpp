// Action and menu records.

#include "qvqt/record_actions.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "families/std_events.h"
#include "qvqt/control_names.h"
#include "qvqt/record_writer.h"

namespace {

// The menu whose item opens `menu`, or nullptr; `bar` is set when that item is on a menu bar.
const QMenu* ParentMenu(const QMenu& menu, bool& onBar) {
  for (const QObject* holder : menu.menuAction()->associatedObjects()) {
    if (holder == &menu) continue;
    if (const auto* parent = qobject_cast<const QMenu*>(holder)) return parent;
    if (qobject_cast<const QMenuBar*>(holder)) onBar = true;
  }
  return nullptr;
}

// An item's text stops before the tab that leads its shortcut.
std::string ItemText(const QAction& item) {
  const QString text = item.text();
  const qsizetype tab = text.lastIndexOf('\t');
  return (tab < 0 ? text : text.left(tab)).toStdString();
}

}  // namespace

std::string MenuRecordText(const QMenu& menu, const QAction& item) {
  std::string path;
  bool onBar = false;
  for (const QMenu* level = &menu; level; level = ParentMenu(*level, onBar)) {
    path = level->title().toStdString() + " | " + path;
  }
  if (!onBar) path.clear();
  return ElementName(item) + ": " + path + ItemText(item) + " [ ID = 0 ]";
}

void TActionRecorder::Watch(QAction& action, QObject& context) {
  QAction* watched = &action;
  QObject::connect(watched, &QAction::triggered, &context,
                   [this, watched] { Triggered(*watched); });
}

void TActionRecorder::Triggered(const QAction& action) const {
  // The name of the menu or tool button that fired the action, empty for its shortcut.
  std::string linkedTo;
  if (const auto* menu = qobject_cast<const QMenu*>(FInput.data())) {
    if (menu->actions().contains(&action)) linkedTo = ElementName(*menu);
  } else if (const auto* tool = qobject_cast<const QToolButton*>(FInput.data())) {
    if (tool->defaultAction() == &action) linkedTo = ElementName(*tool);
  }
  WriteQtRecord(std::make_unique<TActionEvent>(ElementName(action), linkedTo));
  if (const QMenu* menu = ItemMenu(action)) {
    WriteQtRecord(std::make_unique<TMenuEvent>(MenuRecordText(*menu, action)));
  }
}

const QMenu* TActionRecorder::ItemMenu(const QAction& action) const {
  if (const auto* menu = qobject_cast<const QMenu*>(FInput.data())) {
    if (menu->actions().contains(&action)) return menu;
  }
  if (FInput) return nullptr;
  for (const QObject* holder : action.associatedObjects()) {
    if (const auto* menu = qobject_cast<const QMenu*>(holder)) return menu;
  }
  return nullptr;
}
