#pragma once
// TInplaceEdit: the edit box in which a grid edits its current cell. The grid creates it as its
// own child window over the cell, the first time a cell is edited, and shows, hides and moves it
// from then on. It is an edit like any other: it tells its parent (the grid) EN_SETFOCUS,
// EN_UPDATE, EN_CHANGE and EN_KILLFOCUS. Enter closes it and keeps what was typed, Esc closes it
// and gives the cell its text back; the keys that move between rows (and Tab, with goTabs) close it
// keeping the text and move the grid's current cell. The focus leaving it closes it too, keeping
// the text. It shows the grid's password character.

#include "platform/vcl/edit.h"

class TCustomGrid;

class TInplaceEdit : public TCustomEdit {
  COMPONENT_CLASS(TInplaceEdit)

 public:
  explicit TInplaceEdit(TCustomGrid* grid);

  TCustomGrid* Grid() const { return FGrid; }
  // Moves the box over a cell's rectangle (client coordinates of the grid).
  void Place(const RECT& cell);

  void WndProc(TMessage& message) override;

 private:
  TCustomGrid* FGrid;
};
