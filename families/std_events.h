#pragma once
// Records of the standard-control family: a button pressed or checked, a choice in a combo box,
// list box or radio group, an edit's text once the user leaves it, a scroll gesture finished, a
// menu command, and an action executed.

#include <cstdint>
#include <string>

#include "families/api_events.h"
#include "log/log_event.h"

// A push button clicked, or a check box or radio button given a new check state.
class TButtonEvent : public TWindowEvent {
  LOG_EVENT_CLASS(TButtonEvent, TWindowEvent)
  // `action` is the check-state text with its leading blank (" (checked)"), empty for a push
  // button.
  TButtonEvent(std::string windowName, std::string action)
      : TWindowEvent(std::move(windowName)), FAction(std::move(action)) {}
  const std::string& Action() const { return FAction; }
  std::string AsString() const override;

 private:
  std::string FAction;
};

// What the choice records share: the chosen item's text and index. Not a record class of its own;
// each record class below derives from TLogEvent in the registry.
class TSelectEvent : public TWindowEvent {
 public:
  explicit TSelectEvent(TFromStream tag) : TWindowEvent(tag) {}
  TSelectEvent(std::string windowName, std::string selectedItem, int32_t selectedIndex)
      : TWindowEvent(std::move(windowName)),
        FSelectedItem(std::move(selectedItem)),
        FSelectedIndex(selectedIndex) {}
  const std::string& SelectedItem() const { return FSelectedItem; }
  int32_t SelectedIndex() const { return FSelectedIndex; }
  std::string AsString() const override;

  static constexpr TPropInfo SelectedIndexProperty() {
    return FieldProperty<&TSelectEvent::FSelectedIndex>("SelectedIndex");
  }
  static constexpr TPropInfo SelectedItemProperty() {
    return FieldProperty<&TSelectEvent::FSelectedItem>("SelectedItem");
  }

 private:
  std::string FSelectedItem;
  int32_t FSelectedIndex = 0;
};

class TComboBoxSelectEvent : public TSelectEvent {
  LOG_EVENT_CLASS(TComboBoxSelectEvent, TSelectEvent)
  using TSelectEvent::TSelectEvent;
};

class TListBoxSelectEvent : public TSelectEvent {
  LOG_EVENT_CLASS(TListBoxSelectEvent, TSelectEvent)
  using TSelectEvent::TSelectEvent;
};

// A radio button of a radio group checked. A button the group could not place has index -1 and
// no item text, and shows only the index.
class TRadioGroupEvent : public TSelectEvent {
  LOG_EVENT_CLASS(TRadioGroupEvent, TSelectEvent)
  using TSelectEvent::TSelectEvent;
  std::string AsString() const override;
};

// An edit's text when the focus leaves it after a change.
class TEditEvent : public TWindowEvent {
  LOG_EVENT_CLASS(TEditEvent, TWindowEvent)
  TEditEvent(std::string windowName, std::string text)
      : TWindowEvent(std::move(windowName)), FText(std::move(text)) {}
  const std::string& Text() const { return FText; }
  std::string AsString() const override;

 private:
  std::string FText;
};

// A scroll bar's position at the end of a scroll gesture.
class TScrollBarEvent : public TWindowEvent {
  LOG_EVENT_CLASS(TScrollBarEvent, TWindowEvent)
  // `orientation` is "horizontal" or "vertical".
  TScrollBarEvent(std::string windowName, std::string orientation, int32_t position)
      : TWindowEvent(std::move(windowName)),
        FOrientation(std::move(orientation)),
        FPosition(position) {}
  const std::string& Orientation() const { return FOrientation; }
  int32_t Position() const { return FPosition; }
  std::string AsString() const override;

 private:
  std::string FOrientation;
  int32_t FPosition = 0;
};

// A menu command, chosen with the mouse or by its shortcut.
class TMenuEvent : public TLogEvent {
  LOG_EVENT_CLASS(TMenuEvent, TLogEvent)
  // `menuCaption` names the item, the captions leading to it and its command identifier.
  explicit TMenuEvent(std::string menuCaption) : FMenuCaption(std::move(menuCaption)) {}
  const std::string& MenuCaption() const { return FMenuCaption; }
  std::string AsString() const override { return FMenuCaption; }

 private:
  std::string FMenuCaption;
};

// An action executed through a control, a menu item or its own shortcut.
class TActionEvent : public TLogEvent {
  LOG_EVENT_CLASS(TActionEvent, TLogEvent)
  // `linkedTo` is the component name of the control or menu item that fired the action, empty
  // when its shortcut did.
  TActionEvent(std::string action, std::string linkedTo)
      : FAction(std::move(action)), FLinkedTo(std::move(linkedTo)) {}
  const std::string& Action() const { return FAction; }
  const std::string& LinkedTo() const { return FLinkedTo; }
  std::string AsString() const override;

 private:
  std::string FAction;
  std::string FLinkedTo;
};
