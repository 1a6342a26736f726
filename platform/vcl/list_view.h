#pragma once
// TListView: items with a caption and sub-items, shown in the report style as rows under a row of
// column headers. A click on a row or the Up, Down, Home and End keys select an item: the parent
// hears LVN_ITEMCHANGED for the item losing the selection and then for the item gaining it. A
// click on the selected item's caption, or F2, begins editing the caption in an edit box
// (LVN_BEGINLABELEDITA); Enter or leaving the box ends the edit and Esc cancels it
// (LVN_ENDLABELEDITA, with a null text when cancelled). A click on a column header tells
// LVN_COLUMNCLICK. A read-only list view does not edit captions.

#include <memory>
#include <string>

#include "platform/classes.h"
#include "platform/vcl/collection.h"
#include "platform/vcl/label_editor.h"
#include "platform/vcl/win_control.h"

class TListItems;
class TListView;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TListColumn : public TCollectionItem {
  COMPONENT_CLASS(TListColumn)

 public:
  explicit TListColumn(TCollection* collection) : TCollectionItem(collection) {}

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  // Never negative.
  int Width() const { return FWidth; }
  void SetWidth(int value);
  // The column's left edge in the list view's client coordinates.
  int Left() const;

 private:
  std::string FCaption;
  int FWidth = 50;
};

class TListColumns : public TTypedCollection<TListColumn> {};

class TListItem : public TCollectionItem {
  COMPONENT_CLASS(TListItem)

 public:
  explicit TListItem(TCollection* collection);

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  TStrings* SubItems() const { return &FSubItems; }
  bool Selected() const;
  // Selects the item (or drops the selection) as the program does: no notification.
  void SetSelected(bool value);
  TListView* ListView() const;

 private:
  std::string FCaption;
  mutable TStringList FSubItems;
};

class TListItems : public TTypedCollection<TListItem> {
 public:
  explicit TListItems(TListView* owner) : FOwner(owner) {}
  TListView* Owner() const { return FOwner; }
  // The first item with this caption (letter case ignored), or nullptr.
  TListItem* FindCaption(const std::string& caption) const;

 private:
  TListView* FOwner;
};

class TListView : public TWinControl {
  COMPONENT_CLASS(TListView)

 public:
  explicit TListView(TComponent* owner);
  ~TListView() override;

  TViewStyle ViewStyle() const { return FViewStyle; }
  void SetViewStyle(TViewStyle value) { FViewStyle = value; }
  TListColumns* Columns() const { return &FColumns; }
  // nullptr out of range.
  TListColumn* Column(int index) const;
  TListItems* Items() const { return &FItems; }
  // The selected item, or nullptr.
  TListItem* Selected() const;
  int ItemIndex() const { return FItemIndex; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value) { FReadOnly = value; }
  bool IsEditing() const { return FEditor.Editing(); }
  HWND EditHandle() const { return FEditor.Handle(); }

  int RowHeight() const { return FRowHeight; }
  // The height of the column headers (0 outside the report style).
  int HeaderHeight() const;
  int TopIndex() const { return FTopIndex; }
  void SetTopIndex(int value);
  // Client points of an item's caption and of a column's header.
  POINT ItemPoint(int index) const;
  POINT ColumnPoint(int index) const;
  void MakeVisible(int index);

  void WndProc(TMessage& message) override;

 private:
  friend class TListItem;
  int VisibleRows() const;
  int CaptionWidth() const;
  int ItemAt(POINT point) const;
  int ColumnAt(int x) const;
  void Pressed(POINT point);
  void Released(POINT point);
  void KeyPressed(WPARAM key);
  // Moves the selection as the user does: LVN_ITEMCHANGED for the item losing it, then for the
  // one gaining it.
  void Select(int index);
  void NotifyStateChange(int index, UINT newState, UINT oldState);
  void BeginEdit();
  void EditEnded(const std::string* typed);

  TViewStyle FViewStyle = vsIcon;
  mutable TListColumns FColumns;
  mutable TListItems FItems;
  int FItemIndex = -1;
  bool FReadOnly = false;
  int FRowHeight = 17;
  int FTopIndex = 0;
  int FEditing = -1;            // the item whose caption is being edited
  bool FEditOnRelease = false;  // a press on the selected item's caption edits it at the release
  int FPressedColumn = -1;      // the column header a press began on
  TLabelEditor FEditor;
};
