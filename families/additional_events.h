#pragma once
// Records of the additional-control family: a speed button clicked, a grid's current cell moved
// or edited in place, a splitter dragged, and a check list box item clicked.

#include <cstdint>
#include <string>

#include "families/api_events.h"
#include "families/std_events.h"
#include "log/log_event.h"
#include "platform/win32/windows.h"

// A speed button clicked with the mouse or by its mnemonic.
class TSpeedButtonEvent : public TWindowEvent {
  LOG_EVENT_CLASS(TSpeedButtonEvent, TWindowEvent)
  explicit TSpeedButtonEvent(std::string windowName) : TWindowEvent(std::move(windowName)) {}
};

// A grid's new current cell. The cell is stored as its text, "column, row".
class TGridCellChangeEvent : public TWindowEvent {
  LOG_EVENT_CLASS(TGridCellChangeEvent, TWindowEvent)
  // `cell` holds the column in x and the row in y.
  TGridCellChangeEvent(std::string windowName, POINT cell);
  const std::string& Cell() const { return FCell; }
  std::string AsString() const override;

  static constexpr TPropInfo CellProperty() {
    return FieldProperty<&TGridCellChangeEvent::FCell>("Cell");
  }

 private:
  std::string FCell;
};

// A grid cell's value as the in-place editor left it; the record names the grid, not the editor.
class TGridEditEvent : public TGridCellChangeEvent {
  LOG_EVENT_CLASS(TGridEditEvent, TGridCellChangeEvent)
  // `text` is the editor's value as edits are recorded: quoted, or masked for a password.
  TGridEditEvent(std::string windowName, std::string text, POINT cell)
      : TGridCellChangeEvent(std::move(windowName), cell), FText(std::move(text)) {}
  const std::string& Text() const { return FText; }
  std::string AsString() const override;

 private:
  std::string FText;
};

// A splitter released after a drag, at its new position.
class TSplitterEvent : public TWindowEvent {
  LOG_EVENT_CLASS(TSplitterEvent, TWindowEvent)
  // `position` is the splitter's Left when it is aligned left or right, else its Top.
  TSplitterEvent(std::string windowName, int32_t position)
      : TWindowEvent(std::move(windowName)), FPosition(position) {}
  int32_t Position() const { return FPosition; }
  std::string AsString() const override;

 private:
  int32_t FPosition = 0;
};

// A check list box's selected item with its check state, after a click or Space.
class TCheckListBoxEvent : public TListBoxSelectEvent {
  LOG_EVENT_CLASS(TCheckListBoxEvent, TListBoxSelectEvent)
  TCheckListBoxEvent(std::string windowName, std::string selectedItem, int32_t selectedIndex,
                     bool checked)
      : TListBoxSelectEvent(std::move(windowName), std::move(selectedItem), selectedIndex),
        FCheckedState(checked) {}
  bool CheckedState() const { return FCheckedState; }
  std::string AsString() const override;

 private:
  bool FCheckedState = false;
};
