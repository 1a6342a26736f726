#pragma once
// Records of the common-control family: a tab chosen, a track bar or up-down control moved, a hot
// key changed, a date picked, a header section resized or clicked, a tool button clicked or
// dropped down, a page scroller scrolled, and tree-view and list-view selections, expansions,
// label edits and column clicks.

#include <cstdint>
#include <string>

#include "families/api_events.h"
#include "log/log_event.h"
#include "platform/datetime.h"

// A tab of a tab control (or a page of a page control) chosen.
class TTabControlChangeEvent : public TWindowEvent {
  LOG_EVENT_CLASS(TTabControlChangeEvent, TWindowEvent)
  TTabControlChangeEvent(std::string windowName, std::string tabName, int32_t tabIndex)
      : TWindowEvent(std::move(windowName)), FTabName(std::move(tabName)), FTabIndex(tabIndex) {}
  const std::string& TabName() const { return FTabName; }
  int32_t TabIndex() const { return FTabIndex; }
  std::string AsString() const override;

 private:
  std::string FTabName;
  int32_t FTabIndex = 0;
};

// A track bar's position at the end of a gesture.
class TTrackBarChangeEvent : public TWindowEvent {
  LOG_EVENT_CLASS(TTrackBarChangeEvent, TWindowEvent)
  TTrackBarChangeEvent(std::string windowName, int32_t position)
      : TWindowEvent(std::move(windowName)), FPosition(position) {}
  int32_t Position() const { return FPosition; }
  std::string AsString() const override;

 private:
  int32_t FPosition = 0;
};

// An up-down control's position after a click on one of its arrows.
class TUpDownChangeEvent : public TTrackBarChangeEvent {
  LOG_EVENT_CLASS(TUpDownChangeEvent, TTrackBarChangeEvent)
  using TTrackBarChangeEvent::TTrackBarChangeEvent;
};

// A hot-key control left with another shortcut than it had when it gained the focus.
class THotKeyChangeEvent : public TWindowEvent {
  LOG_EVENT_CLASS(THotKeyChangeEvent, TWindowEvent)
  // `hotKey` is the shortcut's text ("Shift+Ctrl+A").
  THotKeyChangeEvent(std::string windowName, std::string hotKey)
      : TWindowEvent(std::move(windowName)), FHotKey(std::move(hotKey)) {}
  const std::string& HotKey() const { return FHotKey; }
  std::string AsString() const override;

 private:
  std::string FHotKey;
};

// A month calendar's or date-time picker's new value. The value is shown with the library's
// date-time format, in the display text and in the property listing alike.
class TCalendarChangeEvent : public TWindowEvent {
  LOG_EVENT_CLASS(TCalendarChangeEvent, TWindowEvent)
  TCalendarChangeEvent(std::string windowName, TDateTime dateTime)
      : TWindowEvent(std::move(windowName)), FDateTime(dateTime) {}
  TDateTime DateTime() const { return FDateTime; }
  std::string GetPropAndValue(std::string_view name) const override;
  std::string AsString() const override;

 private:
  TDateTime FDateTime = 0;
};

// What the header records share: a section's text, index and width. Each record class publishes
// the fields it stores; a click record stores no width. Not a record class of its own.
class THeaderEvent : public TWindowEvent {
 public:
  explicit THeaderEvent(TFromStream tag) : TWindowEvent(tag) {}
  THeaderEvent(std::string windowName, std::string sectionName, int32_t sectionIndex, int32_t size)
      : TWindowEvent(std::move(windowName)),
        FSectionName(std::move(sectionName)),
        FSectionIndex(sectionIndex),
        FSize(size) {}
  const std::string& SectionName() const { return FSectionName; }
  int32_t SectionIndex() const { return FSectionIndex; }
  int32_t Size() const { return FSize; }

  static constexpr TPropInfo SectionIndexProperty() {
    return FieldProperty<&THeaderEvent::FSectionIndex>("SectionIndex");
  }
  static constexpr TPropInfo SectionNameProperty() {
    return FieldProperty<&THeaderEvent::FSectionName>("SectionName");
  }
  static constexpr TPropInfo SizeProperty() { return FieldProperty<&THeaderEvent::FSize>("Size"); }

 private:
  std::string FSectionName;
  int32_t FSectionIndex = 0;
  int32_t FSize = 0;
};

// A header section resized by dragging its divider; `size` is its new width.
class THeaderSizeEvent : public THeaderEvent {
  LOG_EVENT_CLASS(THeaderSizeEvent, THeaderEvent)
  using THeaderEvent::THeaderEvent;
  std::string AsString() const override;
};

// A header section clicked.
class THeaderClickEvent : public THeaderEvent {
  LOG_EVENT_CLASS(THeaderClickEvent, THeaderEvent)
  using THeaderEvent::THeaderEvent;
  std::string AsString() const override;
};

// A list view's column header clicked: the column's caption and index, size 0.
class TListViewColumnClickEvent : public THeaderClickEvent {
  LOG_EVENT_CLASS(TListViewColumnClickEvent, THeaderClickEvent)
  using THeaderClickEvent::THeaderClickEvent;
};

// A tool button clicked or dropped down.
class TToolButtonEvent : public TWindowEvent {
  LOG_EVENT_CLASS(TToolButtonEvent, TWindowEvent)
  // `action` is "clicked" or "dropped down".
  TToolButtonEvent(std::string windowName, std::string action)
      : TWindowEvent(std::move(windowName)), FAction(std::move(action)) {}
  const std::string& Action() const { return FAction; }
  std::string AsString() const override;

 private:
  std::string FAction;
};

// A page scroller's position after a click on one of its arrows.
class TPageScrollerScrollEvent : public TWindowEvent {
  LOG_EVENT_CLASS(TPageScrollerScrollEvent, TWindowEvent)
  // `direction` is "Up", "Down", "Left", "Right" or empty.
  TPageScrollerScrollEvent(std::string windowName, std::string direction, int32_t position)
      : TWindowEvent(std::move(windowName)),
        FDirection(std::move(direction)),
        FPosition(position) {}
  const std::string& Direction() const { return FDirection; }
  int32_t Position() const { return FPosition; }
  std::string AsString() const override;

 private:
  std::string FDirection;
  int32_t FPosition = 0;
};

// What the tree-view and list-view records share: the item's index (a tree node's absolute index,
// -1 for an item without a node). Not a record class of its own.
class TTLVChangeEvent : public TWindowEvent {
 public:
  explicit TTLVChangeEvent(TFromStream tag) : TWindowEvent(tag) {}
  TTLVChangeEvent(std::string windowName, int32_t index)
      : TWindowEvent(std::move(windowName)), FIndex(index) {}
  int32_t Index() const { return FIndex; }
  std::string AsString() const override;

  static constexpr TPropInfo IndexProperty() {
    return FieldProperty<&TTLVChangeEvent::FIndex>("Index");
  }

 private:
  int32_t FIndex = 0;
};

// What the label-edit records add: the label's new text. Not a record class of its own.
class TTLVEditEvent : public TTLVChangeEvent {
 public:
  explicit TTLVEditEvent(TFromStream tag) : TTLVChangeEvent(tag) {}
  TTLVEditEvent(std::string windowName, std::string text, int32_t index)
      : TTLVChangeEvent(std::move(windowName), index), FText(std::move(text)) {}
  const std::string& Text() const { return FText; }
  std::string AsString() const override;

  static constexpr TPropInfo TextProperty() { return FieldProperty<&TTLVEditEvent::FText>("Text"); }

 private:
  std::string FText;
};

class TTreeViewEditEvent : public TTLVEditEvent {
  LOG_EVENT_CLASS(TTreeViewEditEvent, TTLVEditEvent)
  using TTLVEditEvent::TTLVEditEvent;
};

class TTreeViewChangeEvent : public TTLVChangeEvent {
  LOG_EVENT_CLASS(TTreeViewChangeEvent, TTLVChangeEvent)
  using TTLVChangeEvent::TTLVChangeEvent;
};

class TTreeViewExpandEvent : public TTLVChangeEvent {
  LOG_EVENT_CLASS(TTreeViewExpandEvent, TTLVChangeEvent)
  using TTLVChangeEvent::TTLVChangeEvent;
};

class TTreeViewCollapseEvent : public TTLVChangeEvent {
  LOG_EVENT_CLASS(TTreeViewCollapseEvent, TTLVChangeEvent)
  using TTLVChangeEvent::TTLVChangeEvent;
};

class TListViewEditEvent : public TTLVEditEvent {
  LOG_EVENT_CLASS(TListViewEditEvent, TTLVEditEvent)
  using TTLVEditEvent::TTLVEditEvent;
};

class TListViewChangeEvent : public TTLVChangeEvent {
  LOG_EVENT_CLASS(TListViewChangeEvent, TTLVChangeEvent)
  using TTLVChangeEvent::TTLVChangeEvent;
};
